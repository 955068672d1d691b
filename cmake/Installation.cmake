# Installation as a Linux application and the Debian package.
include(GNUInstallDirs)

set(ZALVOR_VERPACKUNG ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS zalvor-cli zalvor-cli-druck RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ZALVOR_GUI)
    install(TARGETS zalvor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${ZALVOR_VERPACKUNG}/zalvor.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZALVOR_VERPACKUNG}/zalvor.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    # Qt's own dialogs in German also where the system lacks the translations.
    find_file(ZALVOR_QT_DEUTSCH qtbase_de.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH)
    if(ZALVOR_QT_DEUTSCH)
        install(FILES ${ZALVOR_QT_DEUTSCH} DESTINATION ${CMAKE_INSTALL_DATADIR}/zalvor/translations)
    endif()
endif()
# The help is part of the program; the manual with its pictures goes beside the docs.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zalvor)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zalvor
        FILES_MATCHING PATTERN "*.png" PATTERN "*.md")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zalvor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zalvor")
set(CPACK_PACKAGE_CONTACT "Zalvor <zalvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kassenbuch für den Kassenwart eines Vereins")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zalvor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link, found by dpkg-shlibdeps, plus what Qt loads at run time
# (the window system plugin) and the fonts and translations the program asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the programs without their debug information.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
