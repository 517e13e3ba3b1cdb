# Install layout. The program finds "Welcome.wma", "ThankYou.html" and the web view module in the folder
# of its executable (resolved through /proc/self/exe), so those four live together in a private folder,
# ${libdir}/stillmark, and ${bindir}/stillmark is a relative symbolic link to the executable there.
# Everything, the link included, is listed in install_manifest.txt, so an uninstall removes it all.
include(GNUInstallDirs)

set(STILLMARK_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/stillmark)
set(STILLMARK_APP_ID org.stillmark.Stillmark)

if(TARGET stillmark)
  install(TARGETS stillmark RUNTIME DESTINATION ${STILLMARK_PRIVATE_DIR})

  # The command in bindir: a relative link, so the installed tree can be moved or staged with DESTDIR.
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${STILLMARK_PRIVATE_DIR}")
    set(stillmark_link_target ${CMAKE_INSTALL_FULL_LIBDIR}/stillmark/stillmark)
  else()
    file(RELATIVE_PATH stillmark_link_target /prefix/${CMAKE_INSTALL_BINDIR}
         /prefix/${STILLMARK_PRIVATE_DIR}/stillmark)
  endif()
  set(stillmark_link ${CMAKE_BINARY_DIR}/install-link/stillmark)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-link)
  file(CREATE_LINK ${stillmark_link_target} ${stillmark_link} SYMBOLIC)
  install(FILES ${stillmark_link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TARGET stillmark_webview)
  install(TARGETS stillmark_webview LIBRARY DESTINATION ${STILLMARK_PRIVATE_DIR})
endif()
# The page and the metadata as filled in with the contact address and home page of the build.
install(FILES ${PROJECT_SOURCE_DIR}/res/Welcome.wma ${CMAKE_BINARY_DIR}/ThankYou.html ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${STILLMARK_PRIVATE_DIR})

# Desktop integration: menu entry, icons of the hicolor theme, software-centre metadata.
# The entry and the metadata carry every language's name and comments (po/CMakeLists.txt).
install(FILES ${STILLMARK_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${STILLMARK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/stillmark.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
