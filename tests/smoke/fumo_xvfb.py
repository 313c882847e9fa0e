#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end smoke test of the built program on a real X server (run under
xvfb-run), twice.

On the bare X server: the window appears with its caption and size; Return
held on ESTRAZIONE, with the X server's own key repeat, opens one notice,
which stays open until a new press; the window's close request does nothing
while the notice is open; then a close request brings up the confirmation,
"NO" keeps the program running, "SI" ends it with status 0.

Under a window manager (openbox): the window's frame, title bar included, is
centred on the screen's free area, and "SI" still ends the program.

    xvfb-run -a /usr/bin/python3 fumo_xvfb.py path/to/vortilla
"""
import os
import shutil
import subprocess
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest
from Xlib.protocol import event

TITOLO = "SimulazioneVortilla® - by Orbenti - Press <F10> to Info"
TITOLO_MESSAGGIO = "SimulazioneVortilla® - Messaggio di Servizio"
TWIPS_PER_PIXEL = 15


def fallisci(messaggio, *processi):
    print("FAIL: " + messaggio)
    for processo in processi:
        if processo and processo.poll() is None:
            processo.kill()
    sys.exit(1)


def titolo(d, finestra):
    try:
        nome = finestra.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
        return nome.value.decode("utf-8") if nome else None
    except Exception:  # the window may vanish while we look
        return None


def figlie(finestra):
    try:
        return finestra.query_tree().children
    except Exception:
        return []


def mappata(finestra):
    try:
        return finestra.get_attributes().map_state == X.IsViewable
    except Exception:
        return False


def aperte(d, testo):
    """The mapped windows with this caption: the root's children and, under
    a window manager, the children of its frames."""
    trovate = []
    for figlia in figlie(d.screen().root):
        for candidata in [figlia] + figlie(figlia):
            if mappata(candidata) and titolo(d, candidata) == testo:
                trovate.append(candidata)
    return trovate


def cerca(d, testo, secondi=15):
    limite = time.time() + secondi
    while time.time() < limite:
        trovate = aperte(d, testo)
        if trovate:
            return trovate[0]
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


def tasto(d, nome, giu=True, su=True):
    codice = d.keysym_to_keycode(XK.string_to_keysym(nome))
    if giu:
        xtest.fake_input(d, X.KeyPress, codice)
    if su:
        xtest.fake_input(d, X.KeyRelease, codice)
    d.sync()


def finestre_mappate(d, principale, secondi):
    """Counts the windows of the program other than `principale` that the
    X server maps within `secondi` (tooltips, which the window manager
    never sees, apart)."""
    contate = 0
    limite = time.time() + secondi
    while time.time() < limite:
        while d.pending_events():
            e = d.next_event()
            if e.type == X.MapNotify and not e.override and e.window.id != principale.id:
                contate += 1
        time.sleep(0.01)
    return contate


def avvia(programma):
    # The suite runs on the offscreen platform; this test wants the real X server.
    return subprocess.Popen([programma], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))


def conferma_e_chiudi(d, finestra, programma, *altri):
    for risposta, left in (("NO", 1000), ("SI", 2460)):
        chiedi_chiusura(d, finestra)
        dialogo = cerca(d, TITOLO_MESSAGGIO)
        if dialogo is None:
            fallisci("a close request did not ask for confirmation", programma, *altri)
        if programma.poll() is not None:
            fallisci("the program ended before the answer", *altri)
        time.sleep(0.2)  # let the dialog take input
        clicca_pulsante(d, dialogo, left)
        if risposta == "NO":
            time.sleep(0.5)
            if programma.poll() is not None:
                fallisci("the program ended after NO", *altri)
            if cerca(d, TITOLO, 2) is None:
                fallisci("the main window is gone after NO", programma, *altri)
    try:
        stato = programma.wait(timeout=15)
    except subprocess.TimeoutExpired:
        fallisci("the program did not end after SI", programma, *altri)
    if stato != 0:
        fallisci("the program ended with status %d" % stato, *altri)


def senza_gestore(d, percorso):
    schermo = d.screen()
    # The pointer over the middle of the screen, where the windows open.
    xtest.fake_input(d, X.MotionNotify, x=schermo.width_in_pixels // 2, y=schermo.height_in_pixels // 2)
    d.sync()
    programma = avvia(percorso)
    finestra = cerca(d, TITOLO)
    if finestra is None:
        fallisci("the main window did not appear with caption " + TITOLO, programma)
    geometria = finestra.get_geometry()
    if (geometria.width, geometria.height) != (888, 559):
        fallisci("main window is %dx%d, expected 888x559" % (geometria.width, geometria.height), programma)

    # Return held on ESTRAZIONE (one Tab from the open button) with no file.
    time.sleep(0.3)
    tasto(d, "Tab")
    schermo.root.change_attributes(event_mask=X.SubstructureNotifyMask)
    tasto(d, "Return", su=False)
    notizie = finestre_mappate(d, finestra, 1.5)
    tasto(d, "Return", giu=False)
    notizie += finestre_mappate(d, finestra, 0.3)
    if notizie != 1 or len(aperte(d, TITOLO_MESSAGGIO)) != 1:
        fallisci("Return held on ESTRAZIONE opened %d notices, %d left open; expected one, open"
                 % (notizie, len(aperte(d, TITOLO_MESSAGGIO))), programma)

    # The close request waits for the notice's answer: nothing opens.
    chiedi_chiusura(d, finestra)
    if finestre_mappate(d, finestra, 0.5) != 0 or programma.poll() is not None:
        fallisci("a close request with the notice open did more than nothing", programma)
    if len(aperte(d, TITOLO_MESSAGGIO)) != 1 or cerca(d, TITOLO, 1) is None:
        fallisci("a close request with the notice open closed a window", programma)

    tasto(d, "Return")
    time.sleep(0.5)
    if aperte(d, TITOLO_MESSAGGIO):
        fallisci("a new press of Return did not answer the notice", programma)
    conferma_e_chiudi(d, finestra, programma)


def area_libera(d):
    radice = d.screen().root
    try:
        area = radice.get_full_property(d.intern_atom("_NET_WORKAREA"), X.AnyPropertyType)
        if area and len(area.value) >= 4:
            return tuple(area.value[:4])
    except Exception:
        pass
    return (0, 0, d.screen().width_in_pixels, d.screen().height_in_pixels)


def cornice(d, finestra):
    """The window manager's frame round `finestra`: its ancestor just below
    the root, as a rectangle on the screen."""
    radice = d.screen().root
    while True:
        genitore = finestra.query_tree().parent
        if genitore == radice:
            break
        finestra = genitore
    g = finestra.get_geometry()
    posizione = finestra.translate_coords(radice, 0, 0)
    return (-posizione.x, -posizione.y, g.width, g.height)


def con_gestore(d, percorso):
    if shutil.which("openbox") is None:
        fallisci("openbox is needed as the window manager (scripts/dipendenze installs it)")
    gestore = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    controllo = d.intern_atom("_NET_SUPPORTING_WM_CHECK")
    limite = time.time() + 10
    while d.screen().root.get_full_property(controllo, X.AnyPropertyType) is None:
        if time.time() > limite or gestore.poll() is not None:
            fallisci("openbox did not start", gestore)
        time.sleep(0.05)

    programma = avvia(percorso)
    finestra = cerca(d, TITOLO)
    if finestra is None:
        fallisci("the main window did not appear under openbox", programma, gestore)
    x, y, w, h = area_libera(d)
    limite = time.time() + 5
    while True:
        c = cornice(d, finestra)
        atteso = (x + (w - c[2]) // 2, y + (h - c[3]) // 2)
        if c[2] > 888 and c[3] > 559 and c[:2] == atteso:
            break
        if time.time() > limite:
            fallisci("the frame %dx%d is at %d,%d, expected centred at %d,%d"
                     % (c[2], c[3], c[0], c[1], atteso[0], atteso[1]), programma, gestore)
        time.sleep(0.1)
    conferma_e_chiudi(d, finestra, programma, gestore)
    gestore.terminate()
    gestore.wait(timeout=10)


def main():
    d = display.Display()
    senza_gestore(d, sys.argv[1])
    con_gestore(d, sys.argv[1])
    print("PASS: window, one notice for a held Return, close waits for it, NO keeps it, "
          "SI ends it with status 0; under openbox the frame is centred")


if __name__ == "__main__":
    main()
