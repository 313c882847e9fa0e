# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run at install time: writes the desktop entry SORGENTE to DESTINAZIONE with
# its Exec line naming the launcher by full path, under the prefix the
# installation is actually made to (CMAKE_INSTALL_PREFIX as cmake --install
# sees it). CARTELLA_LANCIATORE is relative to that prefix or absolute.
cmake_path(ABSOLUTE_PATH CARTELLA_LANCIATORE BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE cartella)
cmake_path(APPEND cartella vortilla OUTPUT_VARIABLE comando)
file(READ "${SORGENTE}" voce)
string(REGEX REPLACE "(^|\n)Exec=vortilla\n" "\\1Exec=${comando}\n" nuova "${voce}")
if(nuova STREQUAL voce)
    message(FATAL_ERROR "${SORGENTE} has no line Exec=vortilla to complete")
endif()
file(WRITE "${DESTINAZIONE}" "${nuova}")
