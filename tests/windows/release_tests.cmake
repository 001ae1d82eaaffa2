# What a user downloads: programs that Windows 7 SP1 can start, and the release ZIP. Run by CTest
# directly (cmake -P), not through Wine. Included from tests/windows/CMakeLists.txt.

if(CMAKE_OBJDUMP)
  add_test(NAME release_imports_windows7
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DALLOWED=${CMAKE_CURRENT_LIST_DIR}/windows7_imports.txt
            "-DPROGRAMS=$<TARGET_FILE:Vandrelle>;$<TARGET_FILE:vandrelle-art>"
            -P ${CMAKE_CURRENT_LIST_DIR}/check_imports.cmake)
endif()

# The ZIP that `--target package` made (scripts/test makes it before running the tests).
add_test(NAME release_package_contents
  COMMAND ${CMAKE_COMMAND} -DZIP=${CMAKE_BINARY_DIR}/${VANDRELLE_PACKAGE_NAME}.zip
          -DFOLDER=${VANDRELLE_PACKAGE_NAME} -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_LIST_DIR}/check_package.cmake)
