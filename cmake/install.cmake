# Installation (any prefix, DESTDIR honoured) and the Debian package.
include(GNUInstallDirs)
set(TESSAROLL_APP_ID org.tessaroll.Tessaroll)

install(TARGETS tessaroll-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TESSAROLL_BUILD_GUI)
  install(TARGETS tessaroll RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/data/${TESSAROLL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${TESSAROLL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${TESSAROLL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${TESSAROLL_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/man/tessaroll.1 ${PROJECT_SOURCE_DIR}/data/man/tessaroll-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The help page is looked up at <bindir>/../share/doc/tessaroll/help.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaroll/help)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaroll)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Tessaroll developers <dev@tessaroll.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue movie and sound files")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaroll lists AVI, WAVE, MPEG-1, RealMedia, QuickTime and ASF files with their codecs, rates,\nsizes, playing times and tags, and saves the list as TXT, CSV or HTML.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mpv | vlc | ffmpeg")
include(CPack)
