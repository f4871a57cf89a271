# Installation beyond the programs themselves, and the Debian package; on Windows the zip and
# the installer.
if(WIN32)
    if(MW_BUILD_GUI)
        include(${PROJECT_SOURCE_DIR}/cmake/PackagingWindows.cmake)
    endif()
    return()
endif()

include(GNUInstallDirs)

if(MW_BUILD_GUI)
    set(MW_DESKTOP_FILES ${PROJECT_SOURCE_DIR}/res/desktop)
    install(FILES ${MW_DESKTOP_FILES}/modelwright.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${MW_DESKTOP_FILES}/modelwright.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${MW_DESKTOP_FILES}/org.example.modelwright.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${PROJECT_SOURCE_DIR}/res/app/modelwright.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 22 24 32 48 64 128 256 512)
        install(FILES ${PROJECT_SOURCE_DIR}/res/app/icons/${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME modelwright.png)
    endforeach()
endif()

# A Debian package wants its copyright and a compressed change log in its documentation folder.
set(MW_PACKAGE_DOC ${CMAKE_INSTALL_DATADIR}/doc/modelwright)
install(FILES ${PROJECT_SOURCE_DIR}/res/package/copyright DESTINATION ${MW_PACKAGE_DOC})
set(MW_CHANGELOG ${CMAKE_BINARY_DIR}/package/changelog.gz)
add_custom_command(OUTPUT ${MW_CHANGELOG}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/res/package/changelog > ${MW_CHANGELOG}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/package/changelog VERBATIM)
add_custom_target(mw_package_changelog ALL DEPENDS ${MW_CHANGELOG})
install(FILES ${MW_CHANGELOG} DESTINATION ${MW_PACKAGE_DOC})

# Packing installs what is built; it does not build everything first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME modelwright)
set(CPACK_PACKAGE_VENDOR "${MW_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Modelwright developers <${MW_CONTACT_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scenery object designer for model railway track plans")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MW_HOMEPAGE}")
# The summary above is the first line; this is the text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Modelwright builds trees, buildings with doors and windows, and station\nplatforms for the parts catalogues of a track-planning program. It keeps a\ncatalogue in a document file and exports it as a parts file. The package\nholds the window program and the command-line tool modelwright-cli.")
# The libraries come from the programs themselves; Qt's own translations, its SVG icon
# engine and its screen plugins are loaded at run time and must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(MW_BUILD_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins, libqt6svg6")
endif()
include(CPack)
