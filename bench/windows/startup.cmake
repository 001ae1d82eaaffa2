# Start-up benchmark under Wine: Vandrelle.exe against an empty Win32 window built the same way.
# Run by scripts/bench (bench_startup.exe) or bench/windows/startup-run.sh; CTest does not.
vandrelle_executable(startup_empty_window WIN32 WIDE_ENTRY SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_empty_window.cpp)
vandrelle_executable(bench_startup WIDE_ENTRY SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
add_dependencies(bench_startup Vandrelle startup_empty_window)
