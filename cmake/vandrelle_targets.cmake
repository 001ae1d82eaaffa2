# The helpers that make every target of ours: the portable libraries (one per layer) and the
# executables. Warnings and platform options come from compiler_options.cmake.

# vandrelle_portable_library(NAME SOURCES ... [LINKS lib ...] [DATA lib ...])
# A library of window-free code, linked bottom-up to the LINKS below it. On the native build it
# is compiled twice: NAME under the sanitizers for the unit tests, NAME_plain without them for
# the benchmarks and the command-line companion, whose figures and speed the sanitizers would
# distort. Elsewhere NAME_plain is NAME. DATA libraries are linked as they are into both.
function(vandrelle_portable_library name)
  cmake_parse_arguments(arg "" "" "SOURCES;LINKS;DATA" ${ARGN})
  set(twice OFF)
  if(VANDRELLE_SANITIZE AND NOT WIN32)
    set(twice ON)
  endif()
  foreach(variant IN ITEMS ${name} ${name}_plain)
    if(variant STREQUAL "${name}_plain" AND NOT twice)
      add_library(${variant} ALIAS ${name})
      break()
    endif()
    add_library(${variant} STATIC ${arg_SOURCES})
    target_include_directories(${variant} PUBLIC ${PROJECT_SOURCE_DIR})
    vandrelle_target_options(${variant})
    set(suffix "")
    if(variant STREQUAL "${name}_plain")
      set(suffix "_plain")
    else()
      vandrelle_sanitize(${variant})
    endif()
    foreach(link IN LISTS arg_LINKS)
      target_link_libraries(${variant} PUBLIC ${link}${suffix})
    endforeach()
    target_link_libraries(${variant} PUBLIC ${arg_DATA})
  endforeach()
endfunction()

# vandrelle_executable(NAME [WIN32] [WIDE_ENTRY] SOURCES ... [LINKS lib ...])
# A program of ours. WIN32: a GUI-subsystem program. WIDE_ENTRY: its entry point is wmain or
# wWinMain, which MinGW needs to be told.
function(vandrelle_executable name)
  cmake_parse_arguments(arg "WIN32;WIDE_ENTRY" "" "SOURCES;LINKS" ${ARGN})
  if(arg_WIN32)
    add_executable(${name} WIN32 ${arg_SOURCES})
  else()
    add_executable(${name} ${arg_SOURCES})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${arg_LINKS})
  vandrelle_target_options(${name})
  if(arg_WIDE_ENTRY AND MINGW)
    target_link_options(${name} PRIVATE -municode)
  endif()
endfunction()
