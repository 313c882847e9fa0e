#include "platform/ArrayWidget.h"

#include "errors/ErroreNumerato.h"
#include "platform/OrdineTab.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMetaProperty>

#include <set>

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

int ArrayWidgetBase::Left(std::int16_t indice) const { return GeometriaTwips(Elemento(indice)).Left; }
int ArrayWidgetBase::Top(std::int16_t indice) const { return GeometriaTwips(Elemento(indice)).Top; }
int ArrayWidgetBase::Width(std::int16_t indice) const { return GeometriaTwips(Elemento(indice)).Width; }
int ArrayWidgetBase::Height(std::int16_t indice) const { return GeometriaTwips(Elemento(indice)).Height; }

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
    // Geometry and identity belong to each element; visibility is the
    // layout's business (a copy starts hidden).
    static const std::set<QByteArray> escluse = {
        "objectName", "geometry", "frameGeometry", "normalGeometry", "pos", "size",
        "frameSize", "frameRect", "rect", "childrenRect", "childrenRegion", "x", "y", "width", "height",
        "visible", "hidden", "focus", "isActiveWindow", "minimized", "maximized", "fullScreen",
        "windowModality", "modal", "windowTitle", "windowIcon", "windowIconText",
        "windowFilePath", "windowModified", "windowOpacity", "layoutDirection", "inputMethodHints",
        // Setting a label's picture clears its text and the reverse: copied last.
        "text", "pixmap"};
    const QMetaObject* meta = modello->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable() || !p.isStored() || escluse.count(p.name()))
            continue;
        p.write(copia, p.read(modello));
    }
    if (auto* etichetta = qobject_cast<const QLabel*>(modello)) {
        auto* copiaEtichetta = static_cast<QLabel*>(copia);
        if (!etichetta->pixmap().isNull())
            copiaEtichetta->setPixmap(etichetta->pixmap());
        else
            copiaEtichetta->setText(etichetta->text());
    } else if (auto* pulsante = qobject_cast<const QAbstractButton*>(modello)) {
        static_cast<QAbstractButton*>(copia)->setText(pulsante->text());
    }
    for (const QByteArray& nome : modello->dynamicPropertyNames())
        copia->setProperty(nome.constData(), modello->property(nome.constData()));
    copia->setAttribute(Qt::WA_TransparentForMouseEvents,
                        modello->testAttribute(Qt::WA_TransparentForMouseEvents));
}

} // namespace vortilla
