// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ArrayWidget.h"

#include "errors/ErroreNumerato.h"
#include "platform/OrdineTab.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace vortilla {

ArrayWidgetBase::ArrayWidgetBase(QString nome, std::int16_t indiceModello, QWidget* modello,
                                 Fabbrica fabbrica)
    : nome_(std::move(nome)), modello_(modello), fabbrica_(std::move(fabbrica))
{
    modello->setObjectName(NomeElemento(nome_, indiceModello));
    elementi_[indiceModello] = modello;
}

void ArrayWidgetBase::AggiungiProgettato(std::int16_t indice, QWidget* elemento)
{
    elemento->setObjectName(NomeElemento(nome_, indice));
    elementi_[indice] = elemento;
}

QString ArrayWidgetBase::NomeElemento(const QString& nome, std::int16_t indice)
{
    return nome + QLatin1Char('_') + QString::number(indice);
}

std::int16_t ArrayWidgetBase::IndiceMinimo() const { return elementi_.begin()->first; }
std::int16_t ArrayWidgetBase::IndiceMassimo() const { return elementi_.rbegin()->first; }

QWidget* ArrayWidgetBase::Elemento(std::int16_t indice) const
{
    const auto trovato = elementi_.find(indice);
    if (trovato == elementi_.end())
        throw ErroreNumerato(errori::IndiceFuoriLimiti);
    return trovato->second;
}

void ArrayWidgetBase::Crea(std::int16_t indice)
{
    if (Esiste(indice))
        throw ErroreNumerato(errori::IndiceFuoriLimiti);
    QWidget* copia = fabbrica_(modello_->parentWidget());
    copia->hide();
    CopiaAspetto(modello_, copia);
    copia->setObjectName(NomeElemento(nome_, indice));
    ImpostaGeometria(copia, GeometriaTwips(modello_));
    elementi_[indice] = copia;
}

int ArrayWidgetBase::Left(std::int16_t indice) const
{
    return GeometriaTwips(Elemento(indice)).Left;
}
int ArrayWidgetBase::Top(std::int16_t indice) const { return GeometriaTwips(Elemento(indice)).Top; }
int ArrayWidgetBase::Width(std::int16_t indice) const
{
    return GeometriaTwips(Elemento(indice)).Width;
}
int ArrayWidgetBase::Height(std::int16_t indice) const
{
    return GeometriaTwips(Elemento(indice)).Height;
}

void ArrayWidgetBase::Sposta(std::int16_t indice, int left, int top)
{
    QWidget* elemento = Elemento(indice);
    RettangoloTwips g = GeometriaTwips(elemento);
    g.Left = left;
    g.Top = top;
    ImpostaGeometria(elemento, g);
}

void ArrayWidgetBase::PortaAvanti(std::int16_t indice) { Elemento(indice)->raise(); }
void ArrayWidgetBase::Mostra(std::int16_t indice) { Elemento(indice)->show(); }

void ArrayWidgetBase::ImpostaTesto(std::int16_t indice, const std::string& testo)
{
    QWidget* elemento = Elemento(indice);
    const QString qtesto = QString::fromStdString(testo);
    if (auto* etichetta = qobject_cast<QLabel*>(elemento))
        etichetta->setText(qtesto);
    else if (auto* pulsante = qobject_cast<QAbstractButton*>(elemento))
        pulsante->setText(qtesto);
}

void ArrayWidgetBase::ImpostaTabIndex(std::int16_t indice, std::int16_t tab)
{
    ImpostaIndiceTab(Elemento(indice), tab);
}

void CopiaAspetto(const QWidget* modello, QWidget* copia)
{
    // What the arrays' templates set: the copy must look the same. Geometry
    // and identity belong to each element; a copy starts hidden.
    copia->setFont(modello->font());
    copia->setPalette(modello->palette());
    copia->setAutoFillBackground(modello->autoFillBackground());
    copia->setFocusPolicy(modello->focusPolicy());
    copia->setToolTip(modello->toolTip());
    copia->setStyleSheet(modello->styleSheet());
    if (auto* etichetta = qobject_cast<const QLabel*>(modello)) {
        auto* copiaEtichetta = static_cast<QLabel*>(copia);
        copiaEtichetta->setFrameStyle(etichetta->frameStyle());
        copiaEtichetta->setLineWidth(etichetta->lineWidth());
        copiaEtichetta->setAlignment(etichetta->alignment());
        copiaEtichetta->setTextFormat(etichetta->textFormat());
        copiaEtichetta->setScaledContents(etichetta->hasScaledContents());
        if (!etichetta->pixmap().isNull())
            copiaEtichetta->setPixmap(etichetta->pixmap());
        else
            copiaEtichetta->setText(etichetta->text());
    } else if (auto* pulsante = qobject_cast<const QAbstractButton*>(modello)) {
        auto* copiaPulsante = static_cast<QAbstractButton*>(copia);
        copiaPulsante->setText(pulsante->text());
        copiaPulsante->setIcon(pulsante->icon());
        copiaPulsante->setIconSize(pulsante->iconSize());
        if (auto* premi = qobject_cast<const QPushButton*>(modello))
            static_cast<QPushButton*>(copia)->setAutoDefault(premi->autoDefault());
    }
    for (const QByteArray& nome : modello->dynamicPropertyNames())
        copia->setProperty(nome.constData(), modello->property(nome.constData()));
}

} // namespace vortilla
