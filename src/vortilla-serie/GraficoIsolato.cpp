// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GraficoIsolato.h"

#include "Grafico.h"

#include "serie/DescriviErrore.h"
#include "serie/Destinazione.h"

#include <QApplication>
#include <QFontDatabase>

#include <cerrno>
#include <csignal>
#include <exception>
#include <new>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the child sends down the pipe: a mark, then the chart or the words
// of why there is none.
constexpr char MarcaGrafico = 'G';
constexpr char MarcaMotivo = 'M';

int tuboFiglio = -1;

// Allocates nothing: memory may be what ran out.
[[noreturn]] void Fallisci(std::string_view motivo)
{
    vortilla::ScriviDescrittore(tuboFiglio, std::string_view(&MarcaMotivo, 1));
    vortilla::ScriviDescrittore(tuboFiglio, motivo);
    _exit(1);
}

constexpr std::string_view MemoriaEsaurita = "memoria esaurita";

void MessaggiQt(QtMsgType tipo, const QMessageLogContext&, const QString& messaggio)
{
    // Qt's notes and warnings are not the program's; its fatal errors end
    // the drawing, with Qt's own words.
    if (tipo != QtFatalMsg)
        return;
    // One line, without the final full stop that the message adds.
    QString riga = messaggio.simplified();
    if (riga.endsWith('.'))
        riga.chop(1);
    Fallisci("Qt non può disegnare: " + riga.toStdString());
}

void Terminato()
{
    try {
        if (const std::exception_ptr e = std::current_exception())
            std::rethrow_exception(e);
    } catch (const std::bad_alloc&) {
        Fallisci(MemoriaEsaurita);
    } catch (...) {
    }
    Fallisci("disegno interrotto da un errore interno");
}

[[noreturn]] void Figlio(const vortilla::Risultato& r, bool svg)
{
    // The parent alone answers signals, and a child left alone goes.
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
        std::signal(s, SIG_IGN);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // What the libraries under Qt print (fontconfig, for one) is not the
    // program's: the reason of a failure goes down the pipe.
    const int nulla = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nulla >= 0)
        ::dup2(nulla, STDERR_FILENO);
    qInstallMessageHandler(MessaggiQt);
    std::set_terminate(Terminato);
    // Drawn offscreen; Qt's own event loop, with no GLib pipes to open.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_NO_GLIB", "1");
    try {
        int argc = 1;
        char nome[] = "vortilla-serie";
        char* argv[] = {nome, nullptr};
        QApplication applicazione(argc, argv);
        if (QFontDatabase::families().isEmpty())
            Fallisci("nessun tipo di carattere disponibile per il testo");
        const QByteArray dati = DisegnaGrafico(r, svg);
        if (dati.isEmpty())
            Fallisci("codifica dell'immagine non riuscita");
        vortilla::ScriviDescrittore(tuboFiglio, std::string_view(&MarcaGrafico, 1));
        vortilla::ScriviDescrittore(tuboFiglio,
                                    {dati.constData(), static_cast<std::size_t>(dati.size())});
    } catch (const std::bad_alloc&) {
        Fallisci(MemoriaEsaurita);
    }
    _exit(0);
}

} // namespace

std::optional<std::string> DisegnaIsolato(const vortilla::Risultato& r, bool svg,
                                          std::string& errore)
{
    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) {
        errore = vortilla::DescriviErrore(errno);
        return std::nullopt;
    }
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        tuboFiglio = tubo[1];
        Figlio(r, svg);
    }
    ::close(tubo[1]);
    if (figlio < 0) {
        errore = vortilla::DescriviErrore(errno);
        ::close(tubo[0]);
        return std::nullopt;
    }
    std::string dati;
    char blocco[1 << 16];
    for (;;) {
        const ssize_t letti = ::read(tubo[0], blocco, sizeof blocco);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti <= 0)
            break;
        dati.append(blocco, static_cast<std::size_t>(letti));
    }
    ::close(tubo[0]);
    int stato = 0;
    while (::waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {}
    if (WIFEXITED(stato) && WEXITSTATUS(stato) == 0 && dati.size() > 1 && dati[0] == MarcaGrafico)
        return dati.substr(1);
    if (!dati.empty() && dati[0] == MarcaMotivo)
        errore = dati.substr(1);
    else if (WIFSIGNALED(stato))
        errore = "disegno interrotto dal segnale " + std::to_string(WTERMSIG(stato));
    else
        errore = "disegno non riuscito";
    return std::nullopt;
}
