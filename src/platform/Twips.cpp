// SPDX-FileCopyrightText: 2026 The Vortilla developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Twips.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace vortilla {
namespace {
constexpr const char* ProprietaTwips = "vortillaTwips";
constexpr const char* ProprietaAltezzaEsterna = "vortillaAltezzaEsterna";
} // namespace

int InPixel(int twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }

QRect InPixel(const RettangoloTwips& t)
{
    const int left = InPixel(t.Left);
    const int top = InPixel(t.Top);
    return QRect(left, top, InPixel(t.Left + t.Width) - left, InPixel(t.Top + t.Height) - top);
}

void ImpostaGeometria(QWidget* widget, const RettangoloTwips& twips)
{
    widget->setProperty(ProprietaTwips, QRect(twips.Left, twips.Top, twips.Width, twips.Height));
    widget->setGeometry(InPixel(twips));
}

RettangoloTwips GeometriaTwips(const QWidget* widget)
{
    const QVariant salvata = widget->property(ProprietaTwips);
    if (salvata.isValid()) {
        const QRect r = salvata.toRect();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {g.x() * TwipsPerPixel, g.y() * TwipsPerPixel, g.width() * TwipsPerPixel,
            g.height() * TwipsPerPixel};
}

void ImpostaAreaClienteFissa(QWidget* finestra, int widthTwips, int heightTwips)
{
    finestra->setProperty(ProprietaTwips, QRect(0, 0, widthTwips, heightTwips));
    finestra->setFixedSize(InPixel(widthTwips), InPixel(heightTwips));
}

void ImpostaAltezzaEsterna(QWidget* finestra, int heightTwips)
{
    finestra->setProperty(ProprietaAltezzaEsterna, heightTwips);
    const RettangoloTwips area = GeometriaTwips(finestra);
    ImpostaAreaClienteFissa(finestra, area.Width, heightTwips - AltezzaCorniceTwips);
}

int AltezzaEsternaTwips(const QWidget* finestra)
{
    return finestra->property(ProprietaAltezzaEsterna).toInt();
}

QFont Carattere(const QString& famiglia, double punti, int peso)
{
    QFont font(famiglia);
    font.setPixelSize(static_cast<int>(std::lround(punti * 20 / TwipsPerPixel)));
    font.setWeight(static_cast<QFont::Weight>(peso));
    return font;
}

} // namespace vortilla
