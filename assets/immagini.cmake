# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's pictures as Qt resources, reachable as ":/icona.png", ":/logo.png" and so on.
# Set VORTILLA_IMMAGINI_TARGET to the target that shows them, then include() this file.
# Each @2x render sits beside its 1x picture so that Qt picks it by itself on high-density
# screens. The SVG sources stay out of the binary: they are only for redrawing the PNGs.

if(NOT VORTILLA_IMMAGINI_TARGET)
    message(FATAL_ERROR "immagini.cmake: set VORTILLA_IMMAGINI_TARGET before including it")
endif()

set(_vortilla_immagini
    icona.png
    icona@2x.png
    icona-16.png
    icona-32.png
    icona-48.png
    icona-64.png
    icona-128.png
    icona-256.png
    cartella.png
    cartella@2x.png
    logo.png
    logo@2x.png
    tryagain.png
    tryagain@2x.png
    banner_messaggio.png
    banner_messaggio@2x.png
    info.png
    info@2x.png
)
list(TRANSFORM _vortilla_immagini PREPEND "${CMAKE_CURRENT_LIST_DIR}/")

qt_add_resources(${VORTILLA_IMMAGINI_TARGET} "immagini"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_LIST_DIR}
    FILES ${_vortilla_immagini}
)
unset(_vortilla_immagini)
