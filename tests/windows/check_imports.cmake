# Fails when a program imports a DLL or function that is not on the reviewed list of what
# Windows 7 SP1 has: such a program would not even start there. Reads the PE import directory
# with the cross binutils' objdump. Run as: cmake -DOBJDUMP=... -DALLOWED=list.txt
# -DPROGRAMS="a.exe;b.exe" -P check_imports.cmake

cmake_minimum_required(VERSION 3.25)

file(STRINGS "${ALLOWED}" allowed_lines REGEX "^[^#]")
set(allowed "")
foreach(line IN LISTS allowed_lines)
  string(STRIP "${line}" line)
  string(TOLOWER "${line}" line)  # DLL names are matched without regard to case; so are functions
  list(APPEND allowed "${line}")
endforeach()

set(unreviewed "")
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND "${OBJDUMP}" -p "${program}" OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump could not read ${program}")
  endif()
  string(REPLACE ";" "," dump "${dump}")
  string(REPLACE "\n" ";" lines "${dump}")
  set(dll "")
  set(count 0)
  foreach(line IN LISTS lines)
    if(line MATCHES "^\tDLL Name: (.+)$")
      set(dll "${CMAKE_MATCH_1}")
    elseif(line STREQUAL "")
      set(dll "")
    elseif(dll AND line MATCHES "^\t[0-9a-f]+\t(.*)$")
      # "  hint  Name" for an import by name; anything else (an ordinal) is never on the list.
      string(STRIP "${CMAKE_MATCH_1}" entry)
      if(entry MATCHES "^[0-9]+ +([^ ]+)$")
        set(entry "${CMAKE_MATCH_1}")
      else()
        set(entry "by ordinal ${entry}")
      endif()
      math(EXPR count "${count} + 1")
      string(TOLOWER "${dll} ${entry}" key)
      if(NOT key IN_LIST allowed)
        get_filename_component(name "${program}" NAME)
        list(APPEND unreviewed "${name}: ${dll} ${entry}")
      endif()
    endif()
  endforeach()
  # A dump whose format we failed to read must not pass as "nothing imported".
  if(count EQUAL 0)
    message(FATAL_ERROR "found no imports in ${program}: has objdump's output changed?")
  endif()
endforeach()

if(unreviewed)
  list(JOIN unreviewed "\n  " text)
  message(FATAL_ERROR "imports that are not on the list of what Windows 7 SP1 has "
                      "(look them up at run time, or check them and add them to ${ALLOWED}):\n  ${text}")
endif()
