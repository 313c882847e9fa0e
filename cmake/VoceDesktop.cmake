# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time: writes the desktop entry SORGENTE to DESTINAZIONE with
# its Exec line naming the program PROGRAMMA by full path, under the prefix
# the installation is actually made to (CMAKE_INSTALL_PREFIX as cmake
# --install sees it); what follows the program's name on that line (a field
# code such as %f) stays. CARTELLA_LANCIATORE is relative to that prefix or
# absolute.
cmake_path(ABSOLUTE_PATH CARTELLA_LANCIATORE BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE cartella)
cmake_path(APPEND cartella "${PROGRAMMA}" OUTPUT_VARIABLE comando)
file(READ "${SORGENTE}" voce)
string(REGEX REPLACE "(^|\n)Exec=${PROGRAMMA}( [^\n]*|)\n" "\\1Exec=${comando}\\2\n" nuova "${voce}")
if(nuova STREQUAL voce)
    message(FATAL_ERROR "${SORGENTE} has no line Exec=${PROGRAMMA} to complete")
endif()
file(WRITE "${DESTINAZIONE}" "${nuova}")
