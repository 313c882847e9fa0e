// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PannelloIngressi.h"

#include "platform/Programma.h"
#include "platform/SceltaFileQt.h"

#include "serie/Importi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSettings>

using namespace std::string_literals;

namespace {

// The examples: beside the program when it runs from its build or a
// portable folder, else where the package installs them.
std::string CartellaEsempi()
{
    const QDir programma(vortilla::CartellaProgramma());
    const QString accanto = programma.filePath(QStringLiteral("Shared/Costruzioni"));
    const QString cartella = QDir(accanto).exists()
                                 ? accanto
                                 : programma.filePath(QStringLiteral("../share/vortilla/Costruzioni"));
    return QFile::encodeName(QDir::cleanPath(cartella)).toStdString();
}

std::string Byte(const QLineEdit* campo) { return QFile::encodeName(campo->text()).toStdString(); }

// The label names its field to the keyboard (its mnemonic) and to
// assistive technology.
QLabel* Etichetta(const QString& testo, QWidget* compagno)
{
    auto* etichetta = new QLabel(testo);
    etichetta->setObjectName(QStringLiteral("etichetta_") + compagno->objectName());
    etichetta->setBuddy(compagno);
    QString nome = testo;
    compagno->setAccessibleName(nome.remove(QLatin1Char('&')).chopped(1));
    return etichetta;
}

QLineEdit* CampoNumerico(const QString& nome, const QString& tooltip, QWidget* genitore)
{
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(nome);
    campo->setToolTip(tooltip);
    campo->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,20}")), campo));
    return campo;
}

// An integer field from `minimo` to `massimo`; empty gives nothing.
std::optional<std::uint64_t> Intero(const QLineEdit* campo, std::uint64_t minimo,
                                    std::uint64_t massimo, bool& valido)
{
    valido = true;
    if (campo->text().isEmpty())
        return std::nullopt;
    const std::uint64_t n = campo->text().toULongLong(&valido);
    valido = valido && n >= minimo && n <= massimo;
    return n;
}

} // namespace

PannelloIngressi::PannelloIngressi(QWidget* genitore)
    : QWidget(genitore), sfogliaFile_(new QPushButton(tr("Sfog&lia..."), this)),
      sfogliaPremi_(new QPushButton(tr("Sfoglia..."), this)),
      sfogliaArchivio_(new QPushButton(tr("Sfoglia..."), this)), estratti_(new QComboBox(this)),
      tutte_(new QCheckBox(tr("&Tutte le righe"), this))
{
    setObjectName(QStringLiteral("pannelloIngressi"));
    file_ = CampoFile(QStringLiteral("campoFile"));
    file_->setToolTip(tr("Il file di testo con le combinazioni da giocare, una per riga."));
    sfogliaFile_->setObjectName(QStringLiteral("pulsanteSfogliaFile"));
    sfogliaFile_->setToolTip(tr("Sceglie il file delle combinazioni dalla cartella degli esempi o da un'altra."));
    premi_ = CampoFile(QStringLiteral("campoPremi"));
    premi_->setToolTip(tr("Facoltativa: la vincita di ogni combinazione per numeri giocati e punti, per una posta di 1."));
    sfogliaPremi_->setObjectName(QStringLiteral("pulsanteSfogliaPremi"));
    sfogliaPremi_->setToolTip(tr("Sceglie il file della tabella dei premi."));
    archivio_ = CampoFile(QStringLiteral("campoArchivio"));
    archivio_->setToolTip(tr("Facoltativo: le estrazioni reali del passato, una per riga, su cui provare le combinazioni al posto di quelle simulate."));
    sfogliaArchivio_->setObjectName(QStringLiteral("pulsanteSfogliaArchivio"));
    sfogliaArchivio_->setToolTip(tr("Sceglie il file dell'archivio delle estrazioni reali."));
    for (auto* campo : {premi_, archivio_})
        campo->setClearButtonEnabled(true);
    sfogliaFile_->setAccessibleName(tr("Sfoglia il file delle combinazioni"));
    sfogliaPremi_->setAccessibleName(tr("Sfoglia la tabella dei premi"));
    sfogliaArchivio_->setAccessibleName(tr("Sfoglia l'archivio delle estrazioni reali"));

    estratti_->setObjectName(QStringLiteral("sceltaEstratti"));
    estratti_->addItems({QStringLiteral("20"), QStringLiteral("6")});
    estratti_->setToolTip(tr("Quanti numeri su 90 escono a ogni estrazione."));
    estrazioni_ = CampoNumerico(QStringLiteral("campoEstrazioni"),
                                tr("Quante estrazioni simulare; con un archivio, quante delle più recenti usare (vuoto: tutte)."),
                                this);
    seme_ = CampoNumerico(QStringLiteral("campoSeme"),
                          tr("Lo stesso seme ripete la stessa serie; vuoto ne sceglie uno nuovo."),
                          this);
    seme_->setPlaceholderText(tr("nuovo a ogni serie"));
    tutte_->setObjectName(QStringLiteral("casellaTutte"));
    tutte_->setToolTip(tr("Gioca tutte le combinazioni del file, non solo le prime 500."));
    posta_ = new QLineEdit(QStringLiteral("1"), this);
    posta_->setObjectName(QStringLiteral("campoPosta"));
    posta_->setToolTip(tr("La posta di ogni combinazione a ogni estrazione, fino a due decimali."));
    sessione_ = CampoNumerico(QStringLiteral("campoSessione"),
                              tr("Quante estrazioni formano una sessione di gioco, per il conto dei soldi."),
                              this);
    sessione_->setText(QString::number(vortilla::SessionePredefinita));

    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(0, 0, 0, 0);
    int riga = 0;
    const auto rigaFile = [&](const QString& testo, QLineEdit* campo, QPushButton* sfoglia) {
        griglia->addWidget(Etichetta(testo, campo), riga, 0);
        griglia->addWidget(campo, riga, 1, 1, 5);
        griglia->addWidget(sfoglia, riga++, 6);
    };
    rigaFile(tr("File delle &combinazioni:"), file_, sfogliaFile_);
    rigaFile(tr("Tabella dei &premi:"), premi_, sfogliaPremi_);
    rigaFile(tr("Archi&vio delle estrazioni reali:"), archivio_, sfogliaArchivio_);
    griglia->addWidget(Etichetta(tr("Numeri &estratti:"), estratti_), riga, 0);
    griglia->addWidget(estratti_, riga, 1);
    griglia->addWidget(Etichetta(tr("Numero &di estrazioni:"), estrazioni_), riga, 2);
    griglia->addWidget(estrazioni_, riga, 3);
    griglia->addWidget(Etichetta(tr("Se&me:"), seme_), riga, 4);
    griglia->addWidget(seme_, riga++, 5);
    griglia->addWidget(tutte_, riga, 1);
    griglia->addWidget(Etichetta(tr("P&osta per combinazione:"), posta_), riga, 2);
    griglia->addWidget(posta_, riga, 3);
    griglia->addWidget(Etichetta(tr("Estrazioni per &sessione:"), sessione_), riga, 4);
    griglia->addWidget(sessione_, riga, 5);
    griglia->setColumnStretch(3, 1);
    griglia->setColumnStretch(5, 1);

    connect(sfogliaFile_, &QPushButton::clicked, this, &PannelloIngressi::ScegliFile);
    connect(sfogliaPremi_, &QPushButton::clicked, this, &PannelloIngressi::ScegliPremi);
    connect(sfogliaArchivio_, &QPushButton::clicked, this, &PannelloIngressi::ScegliArchivio);
    for (auto* campo : {premi_, archivio_})
        connect(campo, &QLineEdit::textChanged, this, &PannelloIngressi::AggiornaAbilitati);
    AggiornaAbilitati();
}

QLineEdit* PannelloIngressi::CampoFile(const QString& nome)
{
    auto* campo = new QLineEdit(this);
    campo->setObjectName(nome);
    // A file dropped on the field goes to the window, which names it.
    campo->setAcceptDrops(false);
    return campo;
}

// The stake and the session count only with a prize table; the seed only
// for simulated draws.
void PannelloIngressi::AggiornaAbilitati()
{
    const bool conPremi = !premi_->text().isEmpty();
    posta_->setEnabled(conPremi);
    sessione_->setEnabled(conPremi);
    const bool simulate = archivio_->text().isEmpty();
    seme_->setEnabled(simulate);
    // Left empty, the draws are the command line's: 10000 simulated ones,
    // or every draw of the archive.
    estrazioni_->setPlaceholderText(simulate ? QString::number(vortilla::EstrazioniPredefinite)
                                             : tr("tutte quelle dell'archivio"));
}

std::optional<vortilla::RichiestaSerie> PannelloIngressi::Richiesta(QString& errore) const
{
    vortilla::RichiestaSerie r;
    r.file = Byte(file_);
    r.premi = Byte(premi_);
    r.archivio = Byte(archivio_);
    r.estratti = estratti_->currentText().toInt();
    r.tutte = tutte_->isChecked();
    if (r.file.empty()) {
        errore = tr("Scegli il file delle combinazioni.");
        return std::nullopt;
    }
    bool valido = true;
    r.estrazioni = Intero(estrazioni_, 1, vortilla::EstrazioniMassime, valido);
    if (!valido) {
        errore = tr("Il numero di estrazioni è un intero da 1 a %1.").arg(vortilla::EstrazioniMassime);
        return std::nullopt;
    }
    r.seme = Intero(seme_, 0, UINT64_MAX, valido);
    if (!r.archivio.empty())
        r.seme.reset(); // the archive's draws need none
    else if (!valido) {
        errore = tr("Il seme è un intero da 0 a %1.").arg(UINT64_MAX);
        return std::nullopt;
    }
    if (r.premi.empty())
        return r;
    const auto posta = vortilla::LeggiPosta(posta_->text().toStdString());
    if (!posta.valore) {
        errore = tr("Posta \"%1\": %2.").arg(posta_->text(), QString::fromStdString(posta.errore));
        return std::nullopt;
    }
    r.posta = *posta.valore;
    r.sessione = Intero(sessione_, 1, vortilla::EstrazioniMassime, valido).value_or(vortilla::SessionePredefinita);
    if (!valido) {
        errore = tr("Le estrazioni per sessione sono un intero da 1 a %1.").arg(vortilla::EstrazioniMassime);
        return std::nullopt;
    }
    return r;
}

void PannelloIngressi::ImpostaFile(const QString& percorso) { file_->setText(percorso); }

void PannelloIngressi::Deposita(const QString& percorso, const QWidget* sotto)
{
    const auto dentro = [sotto](const QWidget* campo, const QWidget* sfoglia) {
        return sotto && (sotto == campo || campo->isAncestorOf(sotto) || sotto == sfoglia);
    };
    if (dentro(premi_, sfogliaPremi_))
        premi_->setText(percorso);
    else if (dentro(archivio_, sfogliaArchivio_))
        archivio_->setText(percorso);
    else
        file_->setText(percorso);
}

void PannelloIngressi::Scegli(QLineEdit* campo, const char* titolo, const std::string& filtro)
{
    const std::string percorso =
        vortilla::SceltaFileQt(window()).ApriFile(1, tr(titolo).toStdString(), "", filtro,
                                                  CartellaEsempi(), "txt");
    if (!percorso.empty())
        campo->setText(QFile::decodeName(percorso.c_str()));
}

void PannelloIngressi::ScegliFile()
{
    Scegli(file_, QT_TR_NOOP("Apri il file delle combinazioni"),
           "Sistemi\0*.txt\0Tutti i file\0*\0"s);
}

void PannelloIngressi::ScegliPremi()
{
    Scegli(premi_, QT_TR_NOOP("Apri la tabella dei premi"),
           "Tabelle dei premi\0*.txt\0Tutti i file\0*\0"s);
}

void PannelloIngressi::ScegliArchivio()
{
    Scegli(archivio_, QT_TR_NOOP("Apri l'archivio delle estrazioni"),
           "Archivi\0*.txt\0Tutti i file\0*\0"s);
}

namespace {
const QString ChiaveFile = QStringLiteral("file");
const QString ChiavePremi = QStringLiteral("premi");
const QString ChiaveArchivio = QStringLiteral("archivio");
const QString ChiaveEstratti = QStringLiteral("estratti");
const QString ChiaveEstrazioni = QStringLiteral("estrazioni");
const QString ChiaveSeme = QStringLiteral("seme");
const QString ChiaveTutte = QStringLiteral("tutte");
const QString ChiavePosta = QStringLiteral("posta");
const QString ChiaveSessione = QStringLiteral("sessione");
} // namespace

void PannelloIngressi::Salva(QSettings& s) const
{
    s.setValue(ChiaveFile, file_->text());
    s.setValue(ChiavePremi, premi_->text());
    s.setValue(ChiaveArchivio, archivio_->text());
    s.setValue(ChiaveEstratti, estratti_->currentText());
    s.setValue(ChiaveEstrazioni, estrazioni_->text());
    s.setValue(ChiaveSeme, seme_->text());
    s.setValue(ChiaveTutte, tutte_->isChecked());
    s.setValue(ChiavePosta, posta_->text());
    s.setValue(ChiaveSessione, sessione_->text());
}

void PannelloIngressi::Carica(const QSettings& s)
{
    file_->setText(s.value(ChiaveFile, file_->text()).toString());
    premi_->setText(s.value(ChiavePremi, premi_->text()).toString());
    archivio_->setText(s.value(ChiaveArchivio, archivio_->text()).toString());
    estratti_->setCurrentText(s.value(ChiaveEstratti, estratti_->currentText()).toString());
    estrazioni_->setText(s.value(ChiaveEstrazioni, estrazioni_->text()).toString());
    seme_->setText(s.value(ChiaveSeme, seme_->text()).toString());
    tutte_->setChecked(s.value(ChiaveTutte, tutte_->isChecked()).toBool());
    posta_->setText(s.value(ChiavePosta, posta_->text()).toString());
    sessione_->setText(s.value(ChiaveSessione, sessione_->text()).toString());
}
