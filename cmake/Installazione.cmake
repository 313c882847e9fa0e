# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installed layout: the window program keeps a folder of its own,
#   <prefix>/lib/vortilla/vortilla
#   <prefix>/lib/vortilla/Shared/Costruzioni -> ../../../share/vortilla/Costruzioni
#   <prefix>/share/vortilla/Costruzioni/*.txt        (the example files)
#   <prefix>/share/vortilla/premi/*.txt              (vortilla-serie's example prize table)
# with a launcher <prefix>/<VORTILLA_LAUNCHER_DIR>/vortilla linking to it, a
# manual page, a desktop entry, its icons and the AppStream metadata. The
# program finds Shared/ beside its own executable, so the launcher is a
# symbolic link, resolved by the system; the examples are data for every
# architecture, kept under share/ and reached from the program's folder
# through a symbolic link, where the open dialog starts. vortilla-serie needs
# nothing beside itself and goes straight into the launcher folder; so does
# the series window vortilla-serie-finestra, which finds the examples at
# ../share/vortilla/Costruzioni from there, with a manual page and a desktop
# entry of its own.
include(GNUInstallDirs)

# Distributions that keep games apart set this to "games".
set(VORTILLA_LAUNCHER_DIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder, relative to the prefix, of the vortilla, vortilla-serie and vortilla-serie-finestra commands")

# The programs link no private shared library: no run-time search path (the
# one Qt's project setup adds would only widen where libraries are looked for).
set_property(TARGET vortilla PROPERTY INSTALL_RPATH "")

set(cartella_programma lib/vortilla)
install(TARGETS vortilla RUNTIME DESTINATION ${cartella_programma})

set(cartella_esempi ${CMAKE_INSTALL_DATADIR}/vortilla/Costruzioni)
install(FILES ${VORTILLA_ESEMPI} DESTINATION ${cartella_esempi})
# The example prize table of vortilla-serie --premi, beside the examples but
# not among them: the open dialog shows combination files only.
set(cartella_premi ${CMAKE_INSTALL_DATADIR}/vortilla/premi)
install(FILES ${PROJECT_SOURCE_DIR}/examples/premi/Esempio_tabella_premi.txt
        DESTINATION ${cartella_premi})
cmake_path(RELATIVE_PATH cartella_esempi BASE_DIRECTORY ${cartella_programma}/Shared OUTPUT_VARIABLE verso_esempi)
set(collegamento_esempi ${CMAKE_BINARY_DIR}/lanciatore/Costruzioni)

cmake_path(RELATIVE_PATH cartella_programma BASE_DIRECTORY ${VORTILLA_LAUNCHER_DIR} OUTPUT_VARIABLE verso_programma)
set(lanciatore ${CMAKE_BINARY_DIR}/lanciatore/vortilla)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/lanciatore)
file(CREATE_LINK ${verso_programma}/vortilla ${lanciatore} SYMBOLIC)
file(CREATE_LINK ${verso_esempi} ${collegamento_esempi} SYMBOLIC)
install(FILES ${lanciatore} DESTINATION ${VORTILLA_LAUNCHER_DIR})
install(FILES ${collegamento_esempi} DESTINATION ${cartella_programma}/Shared)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/vortilla.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# A desktop entry names its program by full path, known only once the prefix
# is (cmake --install --prefix may change it): /usr/games, where the package
# puts the commands, is not on every user's PATH.
function(vortilla_installa_voce_desktop programma)
    set(voce_desktop ${CMAKE_BINARY_DIR}/lanciatore/${programma}.desktop)
    install(CODE "
        set(SORGENTE [[${PROJECT_SOURCE_DIR}/packaging/${programma}.desktop]])
        set(DESTINAZIONE [[${voce_desktop}]])
        set(CARTELLA_LANCIATORE [[${VORTILLA_LAUNCHER_DIR}]])
        set(PROGRAMMA [[${programma}]])
        include([[${PROJECT_SOURCE_DIR}/cmake/VoceDesktop.cmake]])
    ")
    install(FILES ${voce_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endfunction()
vortilla_installa_voce_desktop(vortilla)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.orbenti.vortilla.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lato 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icona-${lato}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps RENAME vortilla.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icona.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME vortilla.svg)

# The command-line program, when it is part of the build, with a manual page
# made from its own --help and --version, and from an include file that
# documents its JSON keys and names the installed examples.
if(TARGET vortilla-serie)
    set_property(TARGET vortilla-serie PROPERTY INSTALL_RPATH "")
    install(TARGETS vortilla-serie RUNTIME DESTINATION ${VORTILLA_LAUNCHER_DIR})
    find_program(HELP2MAN help2man)
    if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
        set(pagina_serie ${CMAKE_BINARY_DIR}/man/vortilla-serie.6)
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
        set(VORTILLA_TABELLA_PREMI ${CMAKE_INSTALL_FULL_DATADIR}/vortilla/premi/Esempio_tabella_premi.txt)
        set(VORTILLA_CARTELLA_ESEMPI ${CMAKE_INSTALL_FULL_DATADIR}/vortilla/Costruzioni/)
        set(aggiunte_serie ${CMAKE_BINARY_DIR}/man/vortilla-serie.h2m)
        configure_file(${PROJECT_SOURCE_DIR}/packaging/vortilla-serie.h2m.in ${aggiunte_serie} @ONLY)
        add_custom_command(OUTPUT ${pagina_serie}
            # The version without the line naming this processor's kernel.
            COMMAND ${HELP2MAN} --no-info --section=6 --locale=C.UTF-8
                    "--version-string=vortilla-serie ${PROJECT_VERSION}"
                    "--name=simulate a long series of draws of a 90-number lottery against the exact odds"
                    --include=${aggiunte_serie}
                    --output=${pagina_serie} $<TARGET_FILE:vortilla-serie>
            DEPENDS vortilla-serie ${aggiunte_serie}
            COMMENT "Writing the manual page of vortilla-serie with help2man"
            VERBATIM)
        add_custom_target(pagina_vortilla_serie ALL DEPENDS ${pagina_serie})
        install(FILES ${pagina_serie} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    else()
        message(STATUS "help2man not found: vortilla-serie is installed without a manual page")
    endif()
endif()

# The series window, when it is part of the build: beside vortilla-serie, with
# its manual page, its desktop entry, which a file manager may offer for
# opening a combination file, and AppStream metadata of its own, so that a
# software centre shows it as an application beside the main window.
if(TARGET vortilla-serie-finestra)
    set_property(TARGET vortilla-serie-finestra PROPERTY INSTALL_RPATH "")
    install(TARGETS vortilla-serie-finestra RUNTIME DESTINATION ${VORTILLA_LAUNCHER_DIR})
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/vortilla-serie-finestra.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    vortilla_installa_voce_desktop(vortilla-serie-finestra)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.orbenti.vortilla.serie.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
