# Start-up benchmark under Wine: Vandrelle.exe against an empty Win32 window built the same way.
# Run it with bench/windows/startup-run.sh (or scripts/bench); CTest does not.
add_executable(startup_empty_window WIN32 ${CMAKE_CURRENT_LIST_DIR}/startup_empty_window.cpp)
vandrelle_target_options(startup_empty_window)

add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_include_directories(startup_bench PRIVATE ${PROJECT_SOURCE_DIR})
vandrelle_target_options(startup_bench)
add_dependencies(startup_bench Vandrelle startup_empty_window)
if(MINGW)
  target_link_options(startup_empty_window PRIVATE -municode)
  target_link_options(startup_bench PRIVATE -municode)
endif()
