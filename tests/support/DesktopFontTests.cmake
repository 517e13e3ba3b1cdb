# stillmark_add_desktop_font_tests(<target> <name>): runs the display test <target> once per
# desktop font size, each in its own process (GTK reads the desktop font at start), as the tests
# <name>.9pt, <name>.11pt, ... Each gets an XDG_CONFIG_HOME whose gtk-3.0/settings.ini names
# "DejaVu Sans <size>", STILLMARK_TEST_FONT_PT=<size>, and a folder for its screenshots.
set(STILLMARK_DESKTOP_FONT_SIZES 9 11 14 16)

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
endfunction()
