# The Windows installation: one folder with both programs, their translations and help, Qt's
# DLLs and plugins, MinGW's runtime and the licence of Qt, which the program uses under
# the LGPL as shared libraries beside it. CPack packs it as a portable zip and as an NSIS
# installer for one user (scripts/package-windows.sh).
include(${PROJECT_SOURCE_DIR}/cmake/WindowsRuntime.cmake)

install(FILES ${MW_WINDOWS_RUNTIME_DLLS} DESTINATION .)
foreach(module Core Gui Widgets PrintSupport Network)
    install(FILES ${MW_WINDOWS_QT_PREFIX}/bin/Qt6${module}.dll DESTINATION .)
endforeach()
# The screen, the Windows look, and the picture formats that were built; /pdf draws on a
# screen nobody sees.
install(FILES ${MW_WINDOWS_QT_PREFIX}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${MW_WINDOWS_QT_PREFIX}/plugins/platforms/qoffscreen.dll DESTINATION plugins/platforms OPTIONAL)
install(DIRECTORY ${MW_WINDOWS_QT_PREFIX}/plugins/styles/ DESTINATION plugins/styles OPTIONAL FILES_MATCHING PATTERN "*.dll")
install(DIRECTORY ${MW_WINDOWS_QT_PREFIX}/plugins/imageformats/ DESTINATION plugins/imageformats OPTIONAL
    FILES_MATCHING PATTERN "*.dll")
install(FILES ${PROJECT_SOURCE_DIR}/res/windows/qt.conf DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/res/windows/Qt-NOTICE.txt ${MW_WINDOWS_QT_PREFIX}/LGPL-3.0-only.txt
    ${MW_WINDOWS_QT_PREFIX}/GPL-3.0-only.txt DESTINATION licences)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Modelwright)
set(CPACK_PACKAGE_VENDOR "${MW_COMPANY_NAME}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME modelwright-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Modelwright)
set(CPACK_STRIP_FILES ON)
# The installer is this project's own script (cmake/NSIS.template.in): installed for the user
# alone, without administrator rights.
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The installer registers the document's file type as the program itself does on /Register.
file(STRINGS ${PROJECT_SOURCE_DIR}/model/ModelwrightDoc.h file_type_lines REGEX "kFile(Extension|TypeId|TypeName) = ")
foreach(line ${file_type_lines})
    string(REGEX MATCH "kFile([A-Za-z]+) = \"([^\"]*)\"" unused "${line}")
    set(CPACK_MW_FILE_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
set(CPACK_MW_HOMEPAGE "${MW_HOMEPAGE}")
include(CPack)
