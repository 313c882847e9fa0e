# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Qt-free libraries under src/core depend one way: errors at the bottom,
# combinations on errors, engine on both; serie (the series of draws) on
# those below it, never on the programs or the windows. None of them
# includes Qt. Run with
# cmake -DSORGENTI=<src/core> -P dipendenze_core.cmake
set(vietati_errors "engine/" "combinations/" "serie/")
set(vietati_combinations "engine/" "serie/")
set(vietati_engine "serie/")
set(vietati_serie "ui/" "platform/")
set(violazioni "")
foreach(cartella errors combinations engine serie)
    file(GLOB file_cartella ${SORGENTI}/${cartella}/*.h ${SORGENTI}/${cartella}/*.cpp)
    foreach(percorso ${file_cartella})
        file(STRINGS ${percorso} inclusioni REGEX "^#include")
        foreach(riga ${inclusioni})
            if(riga MATCHES "<Q")
                list(APPEND violazioni "${percorso}: ${riga}")
            endif()
            foreach(vietato ${vietati_${cartella}})
                if(riga MATCHES "\"${vietato}")
                    list(APPEND violazioni "${percorso}: ${riga}")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(violazioni)
    list(JOIN violazioni "\n" testo)
    message(FATAL_ERROR "Includes against the core's direction:\n${testo}")
endif()
