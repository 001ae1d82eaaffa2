# Add To Profile under Wine: the real Form1 in the test's own process drives the stand-in AOL
# client, started as a process of its own. Included from tests/windows/CMakeLists.txt, after
# window_tests.cmake (whose vandrelle_window_test and support library it uses).
vandrelle_window_test(automation_profile_tests
  ${CMAKE_CURRENT_LIST_DIR}/automation_profile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automation_desktop_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automation_standin.cpp)
add_dependencies(automation_profile_tests standin-aol)
# The conversion to 8-bit text once more in a second code page: a Cyrillic locale (1251).
add_test(NAME automation_codepage_1251
  COMMAND automation_profile_tests --gtest_filter=AddToProfileTest.TheFieldGetsTheCodePagesOwnBytes)
set_tests_properties(automation_codepage_1251 PROPERTIES TIMEOUT 60
  ENVIRONMENT "LC_ALL=ru_RU.UTF-8;LANG=ru_RU.UTF-8;VANDRELLE_TEST_EXPECT_ACP=1251")

# The CPU share of one Add To Profile run; a program that prints its figure, not a test.
vandrelle_executable(bench_profile_cpu
  SOURCES ${PROJECT_SOURCE_DIR}/bench/windows/profile_cpu.cpp ${CMAKE_CURRENT_LIST_DIR}/automation_standin.cpp
  LINKS window_test_support vandrelle_window vandrelle_resources)
target_include_directories(bench_profile_cpu PRIVATE ${CMAKE_CURRENT_LIST_DIR})
add_dependencies(bench_profile_cpu standin-aol)
