# stillmark_add_desktop_font_tests(<target> <name>): runs the display test <target> once per
# desktop font size, each in its own process (GTK reads the desktop font at start), as the tests
# <name>.9pt, <name>.11pt, ... Each gets an XDG_CONFIG_HOME whose gtk-3.0/settings.ini names
# "DejaVu Sans <size>", STILLMARK_TEST_FONT_PT=<size>, and a folder for its screenshots.
# Each language of po/LINGUAS runs too, at the smallest and a large size, as <name>.<lang>.9pt and
# <name>.<lang>.14pt: LANGUAGE=<lang> and STILLMARK_TEST_LANGUAGE=<lang> (the test main loads the
# catalog), screenshots in a folder of the language; German also with LC_TIME=de_DE.UTF-8.
set(STILLMARK_DESKTOP_FONT_SIZES 9 11 14 16)
set(STILLMARK_TRANSLATED_FONT_SIZES 9 14)

function(stillmark_add_desktop_font_tests target name)
  foreach(size IN LISTS STILLMARK_DESKTOP_FONT_SIZES)
    set(config ${CMAKE_BINARY_DIR}/desktop-fonts/${size}pt)
    file(WRITE ${config}/gtk-3.0/settings.ini "[Settings]\ngtk-font-name=DejaVu Sans ${size}\n")
    add_test(NAME ${name}.${size}pt COMMAND ${target})
    set_tests_properties(${name}.${size}pt PROPERTIES
      LABELS display TIMEOUT 120
      # Screenshots take the whole screen: one window at a time.
      RUN_SERIAL TRUE
      ENVIRONMENT "XDG_CONFIG_HOME=${config};STILLMARK_TEST_FONT_PT=${size};STILLMARK_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots")
  endforeach()
  foreach(lang IN LISTS STILLMARK_LANGUAGES)
    # Day names follow LC_TIME: German, the locale the test machine has, shows its own.
    set(time_locale "")
    if(lang STREQUAL "de")
      set(time_locale ";LC_TIME=de_DE.UTF-8")
    endif()
    foreach(size IN LISTS STILLMARK_TRANSLATED_FONT_SIZES)
      set(config ${CMAKE_BINARY_DIR}/desktop-fonts/${size}pt)
      add_test(NAME ${name}.${lang}.${size}pt COMMAND ${target})
      set_tests_properties(${name}.${lang}.${size}pt PROPERTIES
        LABELS "display;translated" TIMEOUT 120 RUN_SERIAL TRUE
        ENVIRONMENT "XDG_CONFIG_HOME=${config};STILLMARK_TEST_FONT_PT=${size};LANGUAGE=${lang};STILLMARK_TEST_LANGUAGE=${lang};STILLMARK_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots/${lang}${time_locale}")
    endforeach()
  endforeach()
endfunction()
