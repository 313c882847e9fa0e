// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <functional>

// The built program, run from a test.
namespace {

struct Esito {
    int uscita;
    QByteArray out;
    QByteArray err;
};

// Runs the program; `nelFiglio` runs in the child before the program starts
// (async-signal-safe calls only); `nucleo`, if given, is forced through
// VORTILLA_NUCLEO.
Esito Avvia(const QStringList& argomenti, const QByteArray& ingresso = {},
            const std::function<void()>& nelFiglio = {}, const QString& uscitaSu = {},
            const QString& nucleo = {})
{
    QProcess programma;
    if (nelFiglio)
        programma.setChildProcessModifier(nelFiglio);
    if (!uscitaSu.isEmpty())
        programma.setStandardOutputFile(uscitaSu);
    if (!nucleo.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("VORTILLA_NUCLEO", nucleo);
        programma.setProcessEnvironment(ambiente);
    }
    programma.start(VORTILLA_SERIE, argomenti);
    programma.write(ingresso);
    programma.closeWriteChannel();
    if (!programma.waitForFinished(60'000))
        programma.kill();
    return {programma.exitStatus() == QProcess::NormalExit ? programma.exitCode() : -1,
            programma.readAllStandardOutput(), programma.readAllStandardError()};
}

} // namespace
