# Checks the release ZIP: exactly the two programs, the README and the licence in one folder,
# and Vandrelle.exe's version resource showing the project's version. Run as: cmake -DZIP=...
# -DFOLDER=name -DVERSION=x.y.z -P check_package.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "${ZIP} is missing: make it with cmake --build --preset windows --target package")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf "${ZIP}" OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot read ${ZIP}")
endif()
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "(^|/)$")  # folders
list(SORT entries)
set(expected "${FOLDER}/LICENSE;${FOLDER}/README.md;${FOLDER}/Vandrelle.exe;${FOLDER}/vandrelle-art.exe")
if(NOT entries STREQUAL expected)
  list(JOIN entries "\n  " got)
  list(JOIN expected "\n  " want)
  message(FATAL_ERROR "the ZIP holds\n  ${got}\nbut should hold\n  ${want}")
endif()

set(unpacked "${CMAKE_CURRENT_BINARY_DIR}/package-check")
file(REMOVE_RECURSE "${unpacked}")
file(MAKE_DIRECTORY "${unpacked}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIP}" WORKING_DIRECTORY "${unpacked}")
file(STRINGS "${unpacked}/${FOLDER}/Vandrelle.exe" versions ENCODING UTF-16LE REGEX "^[0-9]+\\.[0-9]+\\.[0-9]+$")
file(REMOVE_RECURSE "${unpacked}")
if(NOT VERSION IN_LIST versions)
  message(FATAL_ERROR "Vandrelle.exe's version resource does not show ${VERSION} (it has: ${versions})")
endif()
