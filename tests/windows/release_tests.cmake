# What a user downloads: programs that Windows 7 SP1 can start. Run by CTest
# directly (cmake -P), not through Wine. Included from tests/windows/CMakeLists.txt.

if(CMAKE_OBJDUMP)
  add_test(NAME release_imports_windows7
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DALLOWED=${CMAKE_CURRENT_LIST_DIR}/windows7_imports.txt
            "-DPROGRAMS=$<TARGET_FILE:Vandrelle>;$<TARGET_FILE:vandrelle-art>"
            -P ${CMAKE_CURRENT_LIST_DIR}/check_imports.cmake)
endif()

