#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Smoke test of the series window as a desktop starts it (run under
xvfb-run): the build is installed into a temporary prefix, the installed
desktop entry is validated, its Exec line is run with %f as an installed
example file, and the window must appear with its caption and a sensible
size, then end with status 0 on the window's close request.

    xvfb-run -a /usr/bin/python3 fumo_serie_finestra.py path/to/cmake path/to/build
"""
import configparser
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

from Xlib import display

from fumo_xvfb import cerca, chiedi_chiusura, fallisci

TITOLO = "SimulazioneVortilla® - Serie"
VOCE = "share/applications/vortilla-serie-finestra.desktop"
ESEMPIO = "share/vortilla/Costruzioni/Esempio_5_combinazioni.txt"


def installa(cmake, build, prefisso):
    ambiente = {k: v for k, v in os.environ.items() if k != "DESTDIR"}
    esito = subprocess.run([cmake, "--install", build, "--prefix", prefisso], env=ambiente,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if esito.returncode != 0:
        fallisci("cmake --install failed:\n" + esito.stderr)


def comando_della_voce(prefisso):
    """The installed entry's Exec line as arguments, %f as an installed example."""
    voce = os.path.join(prefisso, VOCE)
    if shutil.which("desktop-file-validate"):
        controllo = subprocess.run(["desktop-file-validate", voce], capture_output=True, text=True)
        # Hints too: a missing main category hides the entry from the Games menu.
        if controllo.returncode != 0 or controllo.stdout:
            fallisci("desktop-file-validate on the installed entry:\n" + controllo.stdout)
    lettore = configparser.ConfigParser(interpolation=None)
    lettore.optionxform = str
    lettore.read(voce, encoding="utf-8")
    riga = lettore.get("Desktop Entry", "Exec", fallback="")
    argomenti = shlex.split(riga)
    if "%f" not in argomenti:
        fallisci("the entry's Exec line takes no file (%%f): %r" % riga)
    programma = argomenti[0] if argomenti else ""
    # A bare name would be looked up on PATH, where another copy may be.
    if not programma.startswith(prefisso + os.sep) or not os.access(programma, os.X_OK):
        fallisci("the entry's Exec does not name an installed program by full path: %r" % riga)
    esempio = os.path.join(prefisso, ESEMPIO)
    return [esempio if a == "%f" else a for a in argomenti]


def main():
    d = display.Display()
    with tempfile.TemporaryDirectory() as cartella:
        prefisso = os.path.join(cartella, "prefisso")
        installa(sys.argv[1], sys.argv[2], prefisso)
        comando = comando_della_voce(prefisso)
        # The settings the window keeps go to the temporary folder, not to
        # the user's; the suite runs offscreen, this test on the X server.
        ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(cartella, "config"))
        programma = subprocess.Popen(comando, env=ambiente)
        finestra = cerca(d, TITOLO, 30)
        if finestra is None:
            fallisci("no window appeared with caption " + TITOLO, programma)
        g = finestra.get_geometry()
        schermo = d.screen()
        if not (480 <= g.width <= schermo.width_in_pixels and 360 <= g.height <= schermo.height_in_pixels):
            fallisci("the window is %dx%d" % (g.width, g.height), programma)
        chiedi_chiusura(d, finestra)
        try:
            stato = programma.wait(timeout=10)
        except subprocess.TimeoutExpired:
            fallisci("the window's close request did not end the program", programma)
        if stato != 0:
            fallisci("the program ended with status %d" % stato)
    print("PASS: %s, %dx%d, closed with status 0" % (" ".join(comando), g.width, g.height))


if __name__ == "__main__":
    main()
