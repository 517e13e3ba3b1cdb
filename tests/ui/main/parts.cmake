# Tests of the main window's parts; they create windows, so they run on the test desktop.
add_executable(test_updown ${CMAKE_CURRENT_LIST_DIR}/test_updown.cpp)
target_link_libraries(test_updown PRIVATE stillmark_main_parts stillmark_wx_test_main)
add_test(NAME test_updown COMMAND test_updown)
set_tests_properties(test_updown PROPERTIES LABELS display TIMEOUT 120 RUN_SERIAL TRUE)

add_executable(test_tips ${CMAKE_CURRENT_LIST_DIR}/test_tips.cpp)
target_link_libraries(test_tips PRIVATE stillmark_main_parts stillmark_wx_test_main)
add_test(NAME test_tips COMMAND test_tips)
set_tests_properties(test_tips PROPERTIES LABELS display TIMEOUT 120 RUN_SERIAL TRUE)

add_executable(test_soundpath ${CMAKE_CURRENT_LIST_DIR}/test_soundpath.cpp)
target_link_libraries(test_soundpath PRIVATE stillmark_main_parts stillmark_wx_test_main)
add_test(NAME test_soundpath COMMAND test_soundpath)
set_tests_properties(test_soundpath PROPERTIES LABELS display TIMEOUT 120)
