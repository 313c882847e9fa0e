# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installed layout: the program keeps a folder of its own,
#   <prefix>/lib/vortilla/vortilla
#   <prefix>/lib/vortilla/Shared/Costruzioni/*.txt   (where the open dialog starts)
# with a launcher <prefix>/bin/vortilla linking to it, a desktop entry, its
# icons and the AppStream metadata. The program finds Shared/ beside its own
# executable, so the launcher is a symbolic link, resolved by the system.
include(GNUInstallDirs)

set(cartella_programma lib/vortilla)
install(TARGETS vortilla RUNTIME DESTINATION ${cartella_programma})
install(FILES ${VORTILLA_ESEMPI} DESTINATION ${cartella_programma}/Shared/Costruzioni)

set(lanciatore ${CMAKE_BINARY_DIR}/lanciatore/vortilla)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/lanciatore)
file(CREATE_LINK ../${cartella_programma}/vortilla ${lanciatore} SYMBOLIC)
install(FILES ${lanciatore} DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/vortilla.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.orbenti.vortilla.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lato 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icona-${lato}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps RENAME vortilla.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icona.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME vortilla.svg)

# Debian package: cpack -G DEB (from the build directory).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vortilla)
set(CPACK_PACKAGE_VENDOR "Orbenti")
set(CPACK_PACKAGE_CONTACT "Orbenti <vortilla@orbenti.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulatore delle estrazioni di una lotteria a 90 numeri")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop platform plugin and the typefaces the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-open-sans, fonts-cabin, fonts-liberation2")
include(CPack)
