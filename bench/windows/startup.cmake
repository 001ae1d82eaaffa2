# Start-up benchmark under Wine: Vandrelle.exe against an empty Win32 window built the same way.
# Run by scripts/bench (bench_startup.exe) or bench/windows/startup-run.sh; CTest does not.
add_executable(startup_empty_window WIN32 ${CMAKE_CURRENT_LIST_DIR}/startup_empty_window.cpp)
vandrelle_target_options(startup_empty_window)

add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_include_directories(bench_startup PRIVATE ${PROJECT_SOURCE_DIR})
vandrelle_target_options(bench_startup)
add_dependencies(bench_startup Vandrelle startup_empty_window)
if(MINGW)
  target_link_options(startup_empty_window PRIVATE -municode)
  target_link_options(bench_startup PRIVATE -municode)
endif()
