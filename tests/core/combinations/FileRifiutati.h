// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Combination files that validation refuses, each with the number of its
// error: shared by the validation tests and the command-line program's.

#include "FinteFinestre.h"

#include <QByteArray>

#include <vector>

namespace finte {

struct FileRifiutato {
    const char* caso; // reads as a sentence
    QByteArray contenuto;
    int errore;
};

inline std::vector<FileRifiutato> FileRifiutati()
{
    return {
        {"a zero among too few numbers is reported as a zero", QByteArray("0 1\r\n"), 102},
        {"commas split a line into one-number combinations", QByteArray("1,2,3\r\n"), 100},
        {"three spaces in a row leave an empty token", QByteArray("1   2 3\r\n"), 13},
        {"a dot between two spaces leaves an empty token", QByteArray("1 . 2 3\r\n"), 13},
        {"a number past the 16-bit range overflows", QByteArray("1 2 32768\r\n"), 6},
        {"a long run of digits overflows without wrapping", QByteArray("1 2 4294967297\r\n"), 6},
        {"digits followed by a letter are a mismatch, not an overflow",
         QByteArray("1 2 99999x\r\n"), 13},
        {"a negative number is out of the game", QByteArray("-1 2 3\r\n"), 102},
        {"a zero is out of the game", QByteArray("0 1 2\r\n"), 102},
        {"a number above ninety is out of the game", QByteArray("91 1 2\r\n"), 102},
        // The first failing token decides, whatever fails after it.
        {"an out-of-range number before a letter decides", QByteArray("91 x 2\r\n"), 102},
        {"an out-of-range number before an overflow decides", QByteArray("0 1 32768\r\n"), 102},
        {"a letter before an out-of-range number decides", QByteArray("1 x 91\r\n"), 13},
        {"an empty file holds no combination", QByteArray(), 101},
        {"blank lines hold no combination", QByteArray("\r\n  \r\n\r\n"), 101},
        {"lines of tabs and spaces hold no combination", QByteArray("\t \t\r\n \t\n"), 101},
        {"commas alone hold no combination", QByteArray(",,,\r\n, ,\r\n"), 101},
        {"two numbers are too few", QByteArray("1 2\r\n"), 100},
        {"eleven numbers are too many", QByteArray("1 2 3 4 5 6 7 8 9 10 11\r\n"), 100},
        {"an item of dots only has no number", QByteArray("...\r\n"), 100},
        {"quotes around blanks make a combination of no number", QByteArray("\" \t \"\r\n"), 100},
        {"a letter among the numbers is a mismatch", QByteArray("1 a 3\r\n"), 13},
        {"a hexadecimal number is a mismatch", QByteArray("1 2 0x5\r\n"), 13},
        {"a NUL byte inside a number is a mismatch", finte::Byte("1 2\0003 4\r\n"), 13},
        {"the first bad line decides", QByteArray("1 2\r\n0 1 2\r\n"), 100},
        {"a lone CR ends a line", QByteArray("1 2 3\r4 5"), 100},
        {"a lone LF ends a line", QByteArray("1 2 3\n4 5\n"), 100},
        {"a quote without its end runs to the end of the file", QByteArray("\"1 2\r\n3"), 13},
        {"a bad 600th line refuses the file", finte::RigheValide(599) + "1 2\r\n", 100},
        {"a bad line far past the kept 500 refuses the file",
         finte::RigheValide(20000) + "7 8 999\r\n", 102},
        {"an item longer than 64 KiB runs out of string space",
         QByteArray("1 2 ") + QByteArray(70000, '0') + "3\r\n", 14},
        {"a UTF-16 file is checked by its characters",
         finte::Byte("\xFF\xFE"
                     "1\0 \0x\0 \0"
                     "3\0"),
         13},
        {"a UTF-16 file without its mark is read as bytes",
         finte::Byte("1\0 \0"
                     "2\0 \0"
                     "3\0"),
         13},
    };
}

} // namespace finte
