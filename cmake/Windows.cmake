# The Windows build (cross-built with cmake/MinGW.cmake, or native with MinGW-w64): wxMSW from the
# prefix scripts/build-windows-wx.sh fills, test programs run through the toolchain's emulator (Wine).
if(STILLMARK_WINDOWS_PREFIX AND NOT wxWidgets_CONFIG_EXECUTABLE AND EXISTS ${STILLMARK_WINDOWS_PREFIX}/bin/wx-config)
  set(wxWidgets_CONFIG_EXECUTABLE ${STILLMARK_WINDOWS_PREFIX}/bin/wx-config CACHE FILEPATH "wx-config of wxMSW")
endif()
# Test discovery runs the test programs: at test time, inside scripts/with-wine.sh, not during the build
# (where Wine would set up a prefix of its own in the user's home).
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
# localtime_r and gmtime_r, which MinGW-w64 offers over the C runtime's localtime_s.
add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS=200112L)
