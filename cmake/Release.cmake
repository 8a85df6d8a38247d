# What an installed game brings to the desktop, how it is installed, and its Debian package.
# The game finds its data beside its own PREFIX/bin, so one build installs under any prefix.
include(GNUInstallDirs)

set(QUORREL_APP_ID org.quorrel.quorrel)
set(QUORREL_RELEASE_DATE 2026-12-08)
set(QUORREL_RELEASE_TIME "Tue, 08 Dec 2026 12:00:00 +0000")
set(QUORREL_MAINTAINER "Quorrel Developers <quorrel@example.org>")
set(QUORREL_DIST_DIR ${CMAKE_BINARY_DIR}/dist)

# The icons, drawn by the content generator; the window's own icon goes with the data.
set(QUORREL_ICON_DIR ${QUORREL_DIST_DIR}/icons)
set(QUORREL_ICON_SIZES 16 32 48 64 128 256)
set(icon_outputs ${QUORREL_ICON_DIR}/scalable/quorrel.svg ${QUORREL_GAME_DIR}/game/quorrel.png)
foreach(size ${QUORREL_ICON_SIZES})
    list(APPEND icon_outputs ${QUORREL_ICON_DIR}/${size}x${size}/quorrel.png)
endforeach()
add_custom_command(
    OUTPUT ${icon_outputs}
    COMMAND quorrel-datagen --icons ${QUORREL_ICON_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${QUORREL_ICON_DIR}/64x64/quorrel.png
            ${QUORREL_GAME_DIR}/game/quorrel.png
    DEPENDS quorrel-datagen
    COMMENT "Drawing the icons"
    VERBATIM)
add_custom_target(quorrel-icons ALL DEPENDS ${icon_outputs})

# The metadata, manual pages and changelog carry the version of project().
configure_file(${CMAKE_SOURCE_DIR}/dist/quorrel.metainfo.xml.in
               ${QUORREL_DIST_DIR}/${QUORREL_APP_ID}.metainfo.xml @ONLY)
set(dist_gzipped)
foreach(page quorrel.6 quorrel-tool.6 changelog)
    configure_file(${CMAKE_SOURCE_DIR}/dist/${page}.in ${QUORREL_DIST_DIR}/${page} @ONLY)
    # -n: no name or time stamp in the archive, so the same sources give the same bytes.
    add_custom_command(
        OUTPUT ${QUORREL_DIST_DIR}/${page}.gz
        COMMAND gzip -9nkf ${QUORREL_DIST_DIR}/${page}
        DEPENDS ${QUORREL_DIST_DIR}/${page}
        VERBATIM)
    list(APPEND dist_gzipped ${QUORREL_DIST_DIR}/${page}.gz)
endforeach()
add_custom_target(quorrel-dist ALL DEPENDS ${dist_gzipped})

# Everything but the programs is the component "game". The programs go to PREFIX/bin for make
# install (component "bin") and to /usr/games in the Debian package, as Debian's policy for
# games asks (component "games"); the game finds PREFIX/share/quorrel from either.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)
set(QUORREL_SHARE ${CMAKE_INSTALL_DATADIR}/quorrel)
install(TARGETS quorrel quorrel-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT bin)
install(TARGETS quorrel quorrel-tool RUNTIME DESTINATION games COMPONENT games)
install(DIRECTORY ${QUORREL_GAME_DIR}/game ${QUORREL_GAME_DIR}/levels ${QUORREL_GAME_DIR}/lng
        DESTINATION ${QUORREL_SHARE})
install(FILES ${QUORREL_GAME_DIR}/Demo.dat DESTINATION ${QUORREL_SHARE})
install(FILES ${CMAKE_SOURCE_DIR}/dist/quorrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size ${QUORREL_ICON_SIZES})
    install(FILES ${QUORREL_ICON_DIR}/${size}x${size}/quorrel.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${QUORREL_ICON_DIR}/scalable/quorrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUORREL_DIST_DIR}/${QUORREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORREL_DIST_DIR}/quorrel.6.gz ${QUORREL_DIST_DIR}/quorrel-tool.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${QUORREL_DIST_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/dist/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorrel)

# make package: a .deb of the same files under /usr. dpkg-shlibdeps finds the runtime
# dependencies from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORREL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of pieces of living wood")
set(CPACK_PACKAGE_DESCRIPTION
    "Pieces of living wood ride a conveyor at the bottom of the screen. Take
them, turn them and lay them on a tall scrolling board so that every twig
meets a matching twig, and close every open end before the feed jams.
Hammers, clippers, bonuses, combinations and moving scenery help and hinder
along the way.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# One package of the data and the programs in /usr/games.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL game games)
include(CPack)
