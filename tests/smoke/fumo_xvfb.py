#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end smoke test of the built program on a real X server (run under
xvfb-run): the window appears with its caption and size, a close request from
the window system brings up the confirmation, "NO" keeps the program running,
"SI" ends it with status 0.

    xvfb-run -a /usr/bin/python3 fumo_xvfb.py path/to/vortilla
"""
import os
import subprocess
import sys
import time

from Xlib import X, Xatom, display
from Xlib.ext import xtest
from Xlib.protocol import event

TITOLO = "SimulazioneVortilla® - by Orbenti - Press <F10> to Info"
TITOLO_MESSAGGIO = "SimulazioneVortilla® - Messaggio di Servizio"
TWIPS_PER_PIXEL = 15


def fallisci(messaggio, programma=None):
    print("FAIL: " + messaggio)
    if programma and programma.poll() is None:
        programma.kill()
    sys.exit(1)


def titolo(d, finestra):
    try:
        nome = finestra.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
        return nome.value.decode("utf-8") if nome else None
    except Exception:  # the window may vanish while we look
        return None


def cerca(d, testo, secondi=15):
    limite = time.time() + secondi
    while time.time() < limite:
        for figlia in d.screen().root.query_tree().children:
            try:
                mappata = figlia.get_attributes().map_state == X.IsViewable
            except Exception:
                continue
            if mappata and titolo(d, figlia) == testo:
                return figlia
        time.sleep(0.05)
    return None


def chiedi_chiusura(d, finestra):
    protocolli = d.intern_atom("WM_PROTOCOLS")
    messaggio = event.ClientMessage(window=finestra, client_type=protocolli,
                                    data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    finestra.send_event(messaggio, event_mask=X.NoEventMask)
    d.flush()


def clicca_pulsante(d, dialogo, left_twips):
    """Clicks a button of the message dialog's single text line: its Left in
    the frame (which sits 30 twips in), 1400 x 465 twips, top 1675."""
    origine = dialogo.translate_coords(d.screen().root, 0, 0)
    x = -origine.x + (30 + left_twips + 700) // TWIPS_PER_PIXEL
    y = -origine.y + (275 + 1400 + 232) // TWIPS_PER_PIXEL
    xtest.fake_input(d, X.MotionNotify, x=x, y=y)
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.sync()


def main():
    # The suite runs on the offscreen platform; this test wants the real X server.
    ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb")
    programma = subprocess.Popen([sys.argv[1]], env=ambiente)
    d = display.Display()

    finestra = cerca(d, TITOLO)
    if finestra is None:
        fallisci("the main window did not appear with caption " + TITOLO, programma)
    geometria = finestra.get_geometry()
    if (geometria.width, geometria.height) != (888, 559):
        fallisci("main window is %dx%d, expected 888x559" % (geometria.width, geometria.height), programma)

    for risposta, left in (("NO", 1000), ("SI", 2460)):
        chiedi_chiusura(d, finestra)
        dialogo = cerca(d, TITOLO_MESSAGGIO)
        if dialogo is None:
            fallisci("a close request did not ask for confirmation", programma)
        if programma.poll() is not None:
            fallisci("the program ended before the answer", programma)
        time.sleep(0.2)  # let the dialog take input
        clicca_pulsante(d, dialogo, left)
        if risposta == "NO":
            time.sleep(0.5)
            if programma.poll() is not None:
                fallisci("the program ended after NO")
            if cerca(d, TITOLO, 2) is None:
                fallisci("the main window is gone after NO", programma)

    try:
        stato = programma.wait(timeout=15)
    except subprocess.TimeoutExpired:
        fallisci("the program did not end after SI", programma)
    if stato != 0:
        fallisci("the program ended with status %d" % stato)
    print("PASS: window, confirmation, NO keeps it, SI ends it with status 0")


if __name__ == "__main__":
    main()
