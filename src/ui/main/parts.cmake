# Pieces of the main window that the main dialog builds on: the up-down control, the control tips
# and the sound path field.
add_library(stillmark_main_parts STATIC
  ${CMAKE_CURRENT_LIST_DIR}/UpDownCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TipWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlTips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MyEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundPathField.cpp
)
target_include_directories(stillmark_main_parts PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(stillmark_main_parts PUBLIC stillmark_wx PRIVATE PkgConfig::GTK3)
