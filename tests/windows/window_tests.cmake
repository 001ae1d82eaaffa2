# The window's tests under Wine: the real Form1 driven in the test's own thread, Vandrelle.exe
# driven as a process of its own, and a screenshot of the started program for people to see.
# Included from tests/windows/CMakeLists.txt.

add_library(window_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/window_test_support.cpp)
target_include_directories(window_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR})
target_link_libraries(window_test_support PUBLIC GTest::gtest)
vandrelle_target_options(window_test_support)

# A test program of the window: its sources, the window library and the program's resources
# (so the controls are the same version as in Vandrelle.exe).
function(vandrelle_window_test name)
  vandrelle_executable(${name} SOURCES ${ARGN}
    LINKS window_test_support vandrelle_window vandrelle_resources GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()

# In-process: the form as Vandrelle.exe links it.
vandrelle_window_test(window_form_tests
  ${CMAKE_CURRENT_LIST_DIR}/window_form_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_preview_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_editing_test.cpp)

# Black box: starts build/windows/Vandrelle.exe, which sits next to the test program.
vandrelle_window_test(window_process_tests ${CMAKE_CURRENT_LIST_DIR}/window_process_test.cpp)
add_dependencies(window_process_tests Vandrelle)

# Run natively (bash, not through Wine's emulator): needs DISPLAY and WINEPREFIX from the run.
# The window after the start of a user's typical road: spiral "abc" over 3 lines, then Budweiser.
vandrelle_executable(screenshot_stage WIDE_ENTRY
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/screenshot_stage.cpp
  LINKS window_test_support vandrelle_macros)
add_test(NAME window_screenshot
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_screenshot.sh $<TARGET_FILE:Vandrelle> ${CMAKE_BINARY_DIR}/screenshot.png
          $<TARGET_FILE:screenshot_stage> --spiral abc 3 Budweiser)
# The same road on a screen of 144 DPI (150 %), beside the one at 96. The prefix's DPI is set
# for this run only, so no other test may run meanwhile.
add_test(NAME window_screenshot_144
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_screenshot.sh --dpi 144 $<TARGET_FILE:Vandrelle>
          ${CMAKE_BINARY_DIR}/screenshot-144.png $<TARGET_FILE:screenshot_stage> --spiral abc 3 Budweiser)
set_tests_properties(window_screenshot_144 PROPERTIES TIMEOUT 60 RUN_SERIAL TRUE FIXTURES_REQUIRED screen_dpi)
# Puts the prefix back to 96 DPI even when the run above is killed before its own clean-up.
add_test(NAME window_screen_dpi_96
  COMMAND bash -c "wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1")
set_tests_properties(window_screen_dpi_96 PROPERTIES FIXTURES_CLEANUP screen_dpi RUN_SERIAL TRUE)
# Some of the pictures as the preview shows them, for a person to judge.
add_test(NAME pictures_screenshot
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_screenshot.sh $<TARGET_FILE:Vandrelle> ${CMAKE_BINARY_DIR}/pictures.png
          $<TARGET_FILE:screenshot_stage> Whale Snoopy)
# The preview's edit menu, and the picture shown beside the dropped macro list, with the screen
# to the window's right, where the popup reaches.
add_test(NAME menu_screenshot
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_screenshot.sh $<TARGET_FILE:Vandrelle> ${CMAKE_BINARY_DIR}/menu.png
          $<TARGET_FILE:screenshot_stage> --spiral abc 3 Budweiser --menu)
add_test(NAME popup_screenshot
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/window_screenshot.sh $<TARGET_FILE:Vandrelle> ${CMAKE_BINARY_DIR}/popup.png
          $<TARGET_FILE:screenshot_stage> --popup Huck)
set_tests_properties(menu_screenshot popup_screenshot PROPERTIES ENVIRONMENT SCREENSHOT_BESIDE=1)
set_tests_properties(window_screenshot pictures_screenshot menu_screenshot popup_screenshot PROPERTIES TIMEOUT 60)

# The macro button in the real window.
vandrelle_window_test(macro_preview_tests ${CMAKE_CURRENT_LIST_DIR}/macro_preview_test.cpp)

# Every catalogue entry's picture in the preview's font on one sheet, for people to judge the
# drawings by: build/windows/contact-sheet.png.
vandrelle_executable(contact_sheet SOURCES ${CMAKE_CURRENT_LIST_DIR}/contact_sheet.cpp LINKS vandrelle_macros gdi32 user32)
add_test(NAME pictures_contact_sheet
  COMMAND bash -c "\"$0\" \"$1\" \"$2.bmp\" && convert \"$2.bmp\" \"$2\" && rm \"$2.bmp\""
          ${WINE_PROGRAM} $<TARGET_FILE:contact_sheet> ${CMAKE_BINARY_DIR}/contact-sheet.png)
set_tests_properties(pictures_contact_sheet PROPERTIES TIMEOUT 60)
