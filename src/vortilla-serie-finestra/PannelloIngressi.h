// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "serie/PreparaSerie.h"

#include <QString>
#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSettings;

// The run's inputs: the three files and the options, as vortilla-serie
// takes them, with their defaults.
class PannelloIngressi : public QWidget {
    Q_OBJECT

public:
    explicit PannelloIngressi(QWidget* genitore = nullptr);

    // The request the fields make, or nothing with the reason in `errore`.
    std::optional<vortilla::RichiestaSerie> Richiesta(QString& errore) const;

    void ImpostaFile(const QString& percorso);
    // A file dropped on `sotto`: the prize table or the archive when it is
    // one of theirs, the combination file anywhere else.
    void Deposita(const QString& percorso, const QWidget* sotto);

    void Salva(QSettings& impostazioni) const;
    void Carica(const QSettings& impostazioni);

public slots:
    void ScegliFile();
    void ScegliPremi();
    void ScegliArchivio();

private:
    QLineEdit* CampoFile(const QString& nome);
    void Scegli(QLineEdit* campo, const char* titolo, const std::string& filtro);
    void AggiornaAbilitati();

    QLineEdit* file_;
    QLineEdit* premi_;
    QLineEdit* archivio_;
    QPushButton* sfogliaFile_;
    QPushButton* sfogliaPremi_;
    QPushButton* sfogliaArchivio_;
    QComboBox* estratti_;
    QLineEdit* estrazioni_;
    QLineEdit* seme_;
    QCheckBox* tutte_;
    QLineEdit* posta_;
    QLineEdit* sessione_;
};
