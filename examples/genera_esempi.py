#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vortilla developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the example combination files of this folder.

    python3 genera_esempi.py

The output is the same at every run (fixed seed), so the files can be kept in the
repository and regenerated only when this script changes. Before writing, every file
is read back with the program's own rules (items end at a comma or a line end, quoted
items may hold commas, separators are normalised to single spaces) and the script
stops if any combination would be refused.
"""

import random
import re
from pathlib import Path

CARTELLA = Path(__file__).resolve().parent
SEME = 20261207
FINE_RIGA = "\r\n"

MIN_NUMERI = 3
MAX_NUMERI = 10
NUMERO_MASSIMO = 90


# ---------------------------------------------------------------- checking

def leggi_elementi(testo):
    """Splits a file into items the way the loader reads it."""
    elementi = []
    for riga in testo.split("\r\n")[:-1] if testo.endswith("\r\n") else testo.split("\r\n"):
        if "\r" in riga or "\n" in riga:
            raise ValueError("line end other than CR LF: %r" % riga)
        pos = 0
        while True:
            while pos < len(riga) and riga[pos] == " ":
                pos += 1
            if pos < len(riga) and riga[pos] == '"':
                chiusura = riga.find('"', pos + 1)
                if chiusura < 0:
                    raise ValueError("unterminated quote: %r" % riga)
                elementi.append(riga[pos + 1:chiusura])
                pos = chiusura + 1
                if pos < len(riga) and riga[pos] != ",":
                    raise ValueError("text after a closing quote: %r" % riga)
            else:
                virgola = riga.find(",", pos)
                fine = len(riga) if virgola < 0 else virgola
                elementi.append(riga[pos:fine])
                pos = fine
            if pos >= len(riga):
                break
            pos += 1  # the comma
    return elementi


def normalizza(elemento):
    testo = elemento
    for vecchio in ("\t", "\r", ",", ".", ":", "  "):
        testo = testo.strip(" ").replace(vecchio, " ")
    return testo


def controlla(nome, testo):
    elementi = [e for e in leggi_elementi(testo) if e != ""]
    if not elementi:
        raise SystemExit("%s: no combination" % nome)
    for numero, elemento in enumerate(elementi, 1):
        gettoni = normalizza(elemento).split(" ")
        for gettone in gettoni:
            if not re.fullmatch(r"[0-9]+", gettone):
                raise SystemExit("%s, item %d: %r is not a number" % (nome, numero, elemento))
            if not 1 <= int(gettone) <= NUMERO_MASSIMO:
                raise SystemExit("%s, item %d: %r out of range" % (nome, numero, elemento))
        if not MIN_NUMERI <= len(gettoni) <= MAX_NUMERI:
            raise SystemExit("%s, item %d: %r has %d numbers" % (nome, numero, elemento, len(gettoni)))
    return len(elementi)


# ---------------------------------------------------------------- writing

def scrivi(nome, righe, attese):
    testo = "".join(riga + FINE_RIGA for riga in righe)
    trovate = controlla(nome, testo)
    if trovate != attese:
        raise SystemExit("%s: %d combinations instead of %d" % (nome, trovate, attese))
    (CARTELLA / nome).write_bytes(testo.encode("ascii"))
    print("%s: %d combinations" % (nome, trovate))


def estrai(caso, quanti, ordinati=True):
    numeri = caso.sample(range(1, NUMERO_MASSIMO + 1), quanti)
    return sorted(numeri) if ordinati else numeri


def come_testo(caso, numero, zeri):
    if numero < 10 and (zeri or caso.random() < 0.08):
        return "%02d" % numero
    return str(numero)


# Between two numbers one or two separator characters: both normalise to one space.
SEPARATORI_DOPPI = ["  ", " \t", "\t ", ". ", " .", ": ", " :", ".:", ":.", "\t.", ".\t", "\t\t", ".."]


def unisci(caso, parti, stile):
    if stile == "misto":
        separatori = [caso.choice([" ", "\t", ".", ":"]) for _ in parti[1:]]
    elif stile == "doppio":
        separatori = [caso.choice(SEPARATORI_DOPPI + [" ", "\t"]) for _ in parti[1:]]
    else:
        separatori = [stile] * (len(parti) - 1)
    riga = parti[0]
    for separatore, parte in zip(separatori, parti[1:]):
        riga += separatore + parte
    return riga


STILI = [
    (" ", 38), ("  ", 8), ("\t", 12), (".", 10), (":", 7),
    ("misto", 11), ("doppio", 6), ("virgolette", 5), ("zeri", 3),
]


def riga_varia(caso):
    stile = caso.choices([s for s, _ in STILI], weights=[p for _, p in STILI])[0]
    quanti = caso.choices(range(MIN_NUMERI, MAX_NUMERI + 1),
                          weights=[14, 12, 16, 14, 10, 9, 8, 17])[0]
    numeri = estrai(caso, quanti, ordinati=caso.random() < 0.85)
    parti = [come_testo(caso, n, stile == "zeri") for n in numeri]
    if stile == "virgolette":
        separatore = caso.choice([",", ", ", ","])
        return '"' + separatore.join(parti) + '"'
    riga = unisci(caso, parti, " " if stile == "zeri" else stile)
    ritocco = caso.random()
    if ritocco < 0.03:
        riga = " " + riga          # leading blanks are skipped by the reader
    elif ritocco < 0.05:
        riga = riga + "."          # a closing dot disappears in normalisation
    elif ritocco < 0.07:
        riga = riga + " "          # so does a trailing blank
    return riga


def main():
    caso = random.Random(SEME)

    piccolo = [
        "5 17 33",
        "8 21 46 62 90",
        "3 14 27 39 58 71",
        "2 11 24 35 49 60 77 85",
        "1 9 18 26 40 52 63 74 81 88",
    ]
    scrivi("Esempio_5_combinazioni.txt", piccolo, 5)

    scrivi("Esempio_500_combinazioni.txt", [riga_varia(caso) for _ in range(500)], 500)

    decine = [" ".join("%02d" % n for n in estrai(caso, 10)) for _ in range(20)]
    scrivi("Esempio_sistema_decine.txt", decine, 20)


if __name__ == "__main__":
    main()
