#include "PaletteIcons.h"

#include "PaletteButtons.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace {

constexpr int kIconSize = 48; // drawn large, scaled down by the button

QColor qColour(const RGBColour& colour) {
    return QColor::fromRgba64(colour.red, colour.green, colour.blue);
}

using Painting = void (*)(QPainter&, CommandT);

QPixmap paintIcon(CommandT button, Painting painting) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painting(painter, button);
    return pixmap;
}

void paintPen(QPainter& painter, CommandT button) {
    // The dot grows with the width, but the widest still fits.
    const double diameters[] = {4, 8, 14, 24, 38};
    const double d = diameters[button - cmd_PenWidth2];
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF((kIconSize - d) / 2, (kIconSize - d) / 2, d, d));
}

void paintFill(QPainter& painter, CommandT) {
    QPainterPath bucket;
    bucket.addRoundedRect(QRectF(8, 16, 24, 24), 3, 3);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(QColor(90, 140, 230));
    painter.save();
    painter.translate(20, 28);
    painter.rotate(-30);
    painter.translate(-20, -28);
    painter.drawPath(bucket);
    painter.restore();
    QPainterPath drop;
    drop.moveTo(38, 20);
    drop.cubicTo(44, 30, 44, 36, 38, 38);
    drop.cubicTo(32, 36, 32, 30, 38, 20);
    painter.setPen(Qt::NoPen);
    painter.drawPath(drop);
}

void paintSymmetry(QPainter& painter, CommandT button) {
    const int copies = *symmetryOfButton(button);
    const QPointF centre(kIconSize / 2.0, kIconSize / 2.0);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < copies; ++i) {
        const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / copies;
        const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * 19;
        painter.drawLine(centre + (tip - centre) * 0.25, tip);
    }
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 2.5, 2.5);
}

void paintColour(QPainter& painter, CommandT button) {
    const QRectF swatch(6, 6, kIconSize - 12, kIconSize - 12);
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    if (button == cmd_ColourCycling) {
        QLinearGradient rainbow(swatch.topLeft(), swatch.bottomRight());
        const QColor stops[] = {Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta};
        for (int i = 0; i < 6; ++i)
            rainbow.setColorAt(i / 5.0, stops[i]);
        painter.setBrush(rainbow);
    } else if (button == cmd_ColourPicker) {
        QConicalGradient wheel(swatch.center(), 90);
        for (int i = 0; i <= 6; ++i)
            wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
        painter.setBrush(wheel);
        painter.drawEllipse(swatch);
        painter.setBrush(Qt::white);
        painter.drawEllipse(swatch.center(), 7, 7);
        return;
    } else {
        painter.setBrush(qColour(*colourOfButton(button)));
    }
    painter.drawRoundedRect(swatch, 6, 6);
}

Painting paintingOf(CommandT button) {
    if (button >= cmd_PenWidth2 && button <= cmd_PenWidth32)
        return &paintPen;
    if (button == cmd_FillTool)
        return &paintFill;
    if (button >= cmd_ColourBlack && button <= cmd_ColourPicker)
        return &paintColour;
    if (button >= cmd_Symmetry1 && button <= cmd_Symmetry8)
        return &paintSymmetry;
    return nullptr;
}

} // namespace

QIcon paletteIcon(CommandT button) {
    const Painting painting = paintingOf(button);
    return painting != nullptr ? QIcon(paintIcon(button, painting)) : QIcon();
}

QIcon applicationIcon() {
    // A green disc with the square spiral a turtle draws, in the eight palette colours.
    QPixmap pixmap(128, 128);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 90, 40), 4));
    painter.setBrush(QColor(236, 248, 228));
    painter.drawEllipse(QRectF(4, 4, 120, 120));
    QPointF at(64, 64);
    double angle = 0;
    for (int i = 1; i <= 22; ++i) {
        const QPointF next = at + QPointF(std::cos(angle), std::sin(angle)) * (i * 2.4);
        painter.setPen(
            QPen(QColor::fromHsv((i * 37) % 360, 230, 210), 5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at, next);
        at = next;
        angle += std::numbers::pi / 2 + 0.12;
    }
    return QIcon(pixmap);
}
