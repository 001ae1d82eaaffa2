# Add To Profile under Wine: the real Form1 in the test's own process drives the stand-in AOL
# client, started as a process of its own. Included from tests/windows/CMakeLists.txt, after
# window_tests.cmake (whose vandrelle_window_test and support library it uses).
vandrelle_window_test(automation_profile_tests
  ${CMAKE_CURRENT_LIST_DIR}/automation_profile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automation_standin.cpp
  ${PROJECT_SOURCE_DIR}/app/win32/Form1_profile.cpp)
target_link_libraries(automation_profile_tests PRIVATE $<TARGET_PROPERTY:Vandrelle,LINK_LIBRARIES>)
add_dependencies(automation_profile_tests standin-aol)

# The CPU share of one Add To Profile run; a program that prints its figure, not a test.
add_executable(bench_profile_cpu
  ${PROJECT_SOURCE_DIR}/bench/windows/profile_cpu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automation_standin.cpp
  ${PROJECT_SOURCE_DIR}/app/win32/Form1_profile.cpp
  ${VANDRELLE_RESOURCE_SCRIPT})
target_include_directories(bench_profile_cpu PRIVATE ${VANDRELLE_RESOURCE_INCLUDES} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(bench_profile_cpu PRIVATE window_test_support $<TARGET_PROPERTY:Vandrelle,LINK_LIBRARIES>)
vandrelle_target_options(bench_profile_cpu)
add_dependencies(bench_profile_cpu standin-aol)
