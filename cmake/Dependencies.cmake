# The libraries the desktop program builds on, each looked up once, as imported targets.

# wxWidgets (MODULE mode: Debian ships no CMake config).
find_package(wxWidgets 3.2 REQUIRED COMPONENTS webview xrc html adv core xml base)
add_library(stillmark_wx INTERFACE)
# SYSTEM: warnings inside the library headers are not ours to fix.
target_include_directories(stillmark_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(stillmark_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(stillmark_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(stillmark_wx INTERFACE ${wxWidgets_LIBRARIES})

find_program(WXRC_EXECUTABLE NAMES wxrc wxrc-3.2 REQUIRED)

# Linux: what src/platform/linux builds on (wx's GTK port needs GTK itself anyway).
if(UNIX AND NOT APPLE)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(GST REQUIRED IMPORTED_TARGET gstreamer-1.0 gstreamer-app-1.0 gstreamer-audio-1.0)
  pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
  pkg_check_modules(GIO REQUIRED IMPORTED_TARGET gio-unix-2.0)
  pkg_check_modules(GMODULE REQUIRED IMPORTED_TARGET gmodule-2.0)
  pkg_check_modules(DBUSMENU REQUIRED IMPORTED_TARGET dbusmenu-glib-0.4)
  pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
  pkg_check_modules(WAYLAND REQUIRED IMPORTED_TARGET wayland-client)
endif()
