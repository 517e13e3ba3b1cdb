# wxWidgets (MODULE mode: Debian ships no CMake config) and GStreamer, as imported targets.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS webview xrc html adv core xml base)
add_library(stillmark_wx INTERFACE)
# SYSTEM: warnings inside the library headers are not ours to fix.
target_include_directories(stillmark_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(stillmark_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(stillmark_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(stillmark_wx INTERFACE ${wxWidgets_LIBRARIES})

find_program(WXRC_EXECUTABLE NAMES wxrc wxrc-3.2 REQUIRED)

find_package(PkgConfig REQUIRED)
pkg_check_modules(GST REQUIRED IMPORTED_TARGET gstreamer-1.0 gstreamer-app-1.0 gstreamer-audio-1.0)
pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
