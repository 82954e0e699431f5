# Installing and packaging: the three programs in bin, the desktop entry, the icon in the hicolor
# theme, the AppStream metainfo, the manual pages generated from the programs' own --help, and
# a Debian package built by CPack (`make package`). Everything the programs need at run time
# (help pages, model data, icons) is compiled into them, so they run from wherever they are
# installed; zr40cps finds zr40-sim beside itself.
include(GNUInstallDirs)

set(ZR40_APP_ID "org.example.zr40cps" CACHE STRING "Reverse-DNS id of the desktop entry, icon and metainfo")
# The metainfo points at packaging/screenshots/main-window.png as published under this page.
set(ZR40_HOMEPAGE "https://example.org/zr40cps" CACHE STRING "Home page named in the metainfo")
set(ZR40_MAINTAINER "NQ <zr40cps@example.org>" CACHE STRING "Maintainer of the Debian package")
# The type file managers know radio data files by (*.rdat, or "ZR40 Ver" at the start).
set(ZR40_MIME_TYPE "application/x-zr40-rdat")
string(TIMESTAMP ZR40_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP ZR40_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP ZR40_COPYRIGHT_YEAR "%Y" UTC)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZR40_MAINTAINER}")

set(ZR40_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/zr40cps.desktop.in
               ${ZR40_PACKAGING_OUT}/${ZR40_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/zr40cps.metainfo.xml.in
               ${ZR40_PACKAGING_OUT}/${ZR40_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/zr40cps.mime.xml.in
               ${ZR40_PACKAGING_OUT}/mime/${ZR40_APP_ID}.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in ${ZR40_PACKAGING_OUT}/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/copyright.in ${ZR40_PACKAGING_OUT}/copyright @ONLY)

# Manual pages, rebuilt whenever a program (and so its --help) changes.
find_program(ZR40_HELP2MAN help2man)
set(ZR40_MAN_OUT ${CMAKE_BINARY_DIR}/man)
set(ZR40_MAN_PAGES)
function(zr40_man_page target summary)
    set(page ${ZR40_MAN_OUT}/${target}.1)
    set(include ${CMAKE_SOURCE_DIR}/packaging/man/${target}.h2m)
    add_custom_command(
        OUTPUT ${page} ${page}.gz
        COMMAND ${CMAKE_SOURCE_DIR}/packaging/man/make_page ${ZR40_MAN_OUT} ${target}
                $<TARGET_FILE:${target}> ${PROJECT_VERSION} "${summary}" ${include} ${ARGN}
        DEPENDS ${target} ${include} ${CMAKE_SOURCE_DIR}/packaging/man/make_page
                ${CMAKE_SOURCE_DIR}/packaging/man/subcommand_pages
        COMMENT "Manual page ${target}(1)"
        VERBATIM)
    set(ZR40_MAN_PAGES ${ZR40_MAN_PAGES} ${page} PARENT_SCOPE)
endfunction()
if(ZR40_HELP2MAN)
    zr40_man_page(zr40 "ZR40 radio data files and radio transfers on the command line" --subcommands)
    zr40_man_page(zr40-sim "a virtual ZR40 two-way radio on a pseudo-terminal")
    if(TARGET zr40cps)
        zr40_man_page(zr40cps "programming software for the ZR40 two-way radio")
    endif()
    add_custom_target(zr40_man_pages ALL DEPENDS ${ZR40_MAN_PAGES})
    foreach(page ${ZR40_MAN_PAGES})
        install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "help2man not found: no manual pages (scripts/install-deps installs it)")
endif()

set(ZR40_PROGRAMS zr40 zr40-sim)
if(TARGET zr40cps)
    list(APPEND ZR40_PROGRAMS zr40cps)
    install(FILES ${ZR40_PACKAGING_OUT}/${ZR40_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZR40_PACKAGING_OUT}/${ZR40_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${ZR40_PACKAGING_OUT}/mime/${ZR40_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/zr40.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${ZR40_APP_ID}.svg)
endif()
install(TARGETS ${ZR40_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
add_custom_command(
    OUTPUT ${ZR40_PACKAGING_OUT}/changelog.gz
    COMMAND gzip -9nc ${ZR40_PACKAGING_OUT}/changelog > ${ZR40_PACKAGING_OUT}/changelog.gz
    DEPENDS ${ZR40_PACKAGING_OUT}/changelog)
add_custom_target(zr40_changelog ALL DEPENDS ${ZR40_PACKAGING_OUT}/changelog.gz)
install(FILES ${ZR40_PACKAGING_OUT}/copyright ${ZR40_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zr40cps)
set(CPACK_PACKAGE_VENDOR NQ)
set(CPACK_PACKAGE_CONTACT "${ZR40_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the ZR40 two-way radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits the 32 analog and digital channels, the function settings and the
eight receive lists of a ZR40 hand-held radio, keeps them in radio data
files (.rdat) and reads and writes the radio over a serial cable. The
interface is in Chinese and English.

The package holds the desktop application zr40cps, the zr40 command for
radio data files and radio transfers without a display, and zr40-sim, a
virtual radio for trying the program without a radio.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZR40_HOMEPAGE}")
# Dependencies come from the libraries the programs link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, so not found that way: Qt's own Chinese texts for its standard dialogs and buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Nor the fonts: the interface starts in Chinese, and without a CJK font every menu is boxes.
if(TARGET zr40cps)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
