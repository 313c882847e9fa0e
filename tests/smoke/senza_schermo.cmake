# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program started with no display: one line on stderr, status 1, no
# abort. Twice: with nothing naming a display, and with a display named
# that no server answers.
#   cmake -DPROGRAMMA=path/to/vortilla -P senza_schermo.cmake
set(messaggio "vortilla: nessuno schermo disponibile; avviare il programma da una sessione grafica.")
set(senza --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)

foreach(caso "nessuno" "DISPLAY=:97")
    if(caso STREQUAL "nessuno")
        set(ambiente ${senza})
    else()
        set(ambiente ${senza} ${caso})
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ambiente} ${PROGRAMMA}
                    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori TIMEOUT 60)
    string(STRIP "${errori}" errori)
    string(REGEX REPLACE ".*\n" "" ultima "${errori}")
    if(NOT esito STREQUAL "1" OR NOT ultima STREQUAL messaggio)
        message(FATAL_ERROR "display ${caso}: status '${esito}', stderr:\n${errori}")
    endif()
    if(caso STREQUAL "nessuno" AND NOT errori STREQUAL messaggio)
        message(FATAL_ERROR "display ${caso}: more than the one line:\n${errori}")
    endif()
endforeach()
