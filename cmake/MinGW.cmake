# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, so std::thread and
# std::mutex work) against the libraries scripts/build-windows-wx.sh put into its cache.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW.cmake
# Test programs run through Wine (scripts/with-wine.sh gives it a private, headless prefix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(STILLMARK_MINGW_HOST x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${STILLMARK_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${STILLMARK_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${STILLMARK_MINGW_HOST}-windres)
set(CMAKE_AR ${STILLMARK_MINGW_HOST}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${STILLMARK_MINGW_HOST}-ranlib CACHE FILEPATH "")

# The cross-built wxWidgets, its image and XML libraries and GoogleTest; the same folder the build
# script fills (STILLMARK_CACHE or ~/.cache/stillmark, keyed by the wx version).
if(NOT STILLMARK_WINDOWS_PREFIX)
  if(DEFINED ENV{STILLMARK_WINDOWS_PREFIX})
    set(STILLMARK_WINDOWS_PREFIX "$ENV{STILLMARK_WINDOWS_PREFIX}")
  elseif(DEFINED ENV{STILLMARK_CACHE})
    set(STILLMARK_WINDOWS_PREFIX "$ENV{STILLMARK_CACHE}/mingw-wx-3.2.2")
  elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(STILLMARK_WINDOWS_PREFIX "$ENV{XDG_CACHE_HOME}/stillmark/mingw-wx-3.2.2")
  else()
    set(STILLMARK_WINDOWS_PREFIX "$ENV{HOME}/.cache/stillmark/mingw-wx-3.2.2")
  endif()
endif()
# try_compile projects read this file again: hand them the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES STILLMARK_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${STILLMARK_MINGW_HOST} ${STILLMARK_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no libgcc, libstdc++ or winpthread DLL to ship (or to find under Wine).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(STILLMARK_WINE NAMES wine wine64)
if(STILLMARK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${STILLMARK_WINE})
endif()
