# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual page made from --help states what the program promises: each
# exit status, and the range of --thread. Run with
# cmake -DPAGINA=<vortilla-serie.6> -P pagina_manuale.cmake
file(READ ${PAGINA} pagina)
string(REGEX REPLACE "[ \n]+" " " pagina "${pagina}")
foreach(atteso
        ".TP 0 serie completata."
        ".TP 1 file rifiutato: di combinazioni, tabella dei premi o archivio"
        ".TP 2 riga di comando non valida"
        ".TP 3 risultati o grafico non scritti"
        ".TP 130, 143, 129 serie interrotta da SIGINT (Ctrl\\-C), SIGTERM o SIGHUP"
        "Thread di calcolo, da 1 a 1024")
    string(FIND "${pagina}" "${atteso}" posizione)
    if(posizione EQUAL -1)
        message(FATAL_ERROR "The manual page does not say: ${atteso}")
    endif()
endforeach()
