#include "TextDrawing.h"

#include "FontTable.h"
#include "PixelAccess.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace {

QFont portFont(const GrafPort& port) {
    return fontForTextSettings(port.textFont, port.textSize, port.textFace);
}

QString decode(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Blends the coverage of the rendered text into the port's pixels in the foreground
// colour; buffers without 32-bit pixels take the pixels at least half covered.
void compositeCoverage(GrafPort& port, const QImage& coverage, const PixelBox& box) {
    PixMap& target = *port.pixMap;
    const std::uint32_t fore = packRGB24(port.foreColour);
    const bool direct = target.image.format() == QImage::Format_RGB32;
    const std::uint32_t encoded = encodeColour(target, port.foreColour);
    for (int y = 0; y < coverage.height(); ++y) {
        const auto* cover = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        const int v = box.top + y;
        const int ty = v - target.bounds.top;
        for (int x = 0; x < coverage.width(); ++x) {
            const int alpha = qAlpha(cover[x]);
            if (alpha == 0)
                continue;
            const int tx = box.left + x - target.bounds.left;
            if (!direct) {
                if (alpha >= 128)
                    target.image.setPixel(tx, ty, encoded);
                continue;
            }
            auto* pixel = reinterpret_cast<std::uint32_t*>(target.image.scanLine(ty)) + tx;
            std::uint32_t mixed = 0xFF000000u;
            for (const int shift : {16, 8, 0}) {
                const int f = int((fore >> shift) & 0xFF);
                const int d = int((*pixel >> shift) & 0xFF);
                mixed |= std::uint32_t((f * alpha + d * (255 - alpha) + 127) / 255) << shift;
            }
            *pixel = mixed;
        }
    }
    port.damage |= QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

} // namespace

void TextFont(std::int16_t font) {
    GetPort().textFont = font;
}

void TextSize(std::int16_t size) {
    GetPort().textSize = size;
}

void TextFace(std::uint8_t face) {
    GetPort().textFace = face;
}

QFont fontForTextSettings(std::int16_t font, std::int16_t size, std::uint8_t face) {
    QFont result(fontFamilyForNumber(font));
    result.setPixelSize(size <= 0 ? kDefaultTextSize : std::min(size, kMaxTextSize));
    result.setBold((face & kBoldFace) != 0);
    result.setItalic((face & kItalicFace) != 0);
    result.setUnderline((face & kUnderlineFace) != 0);
    if ((face & kCondenseFace) != 0 && (face & kExtendFace) == 0)
        result.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    else if ((face & kExtendFace) != 0 && (face & kCondenseFace) == 0)
        result.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    return result;
}

int StringWidth(std::string_view text) {
    if (QGuiApplication::instance() == nullptr)
        return 0;
    return QFontMetrics(portFont(GetPort())).horizontalAdvance(decode(text));
}

void DrawString(std::string_view text) {
    if (QGuiApplication::instance() == nullptr || text.empty())
        return;
    GrafPort& port = GetPort();
    const QFont font = portFont(port);
    const QString string = decode(text);
    const QFontMetrics metrics(font);
    const int h = port.penLocation.h;
    const int v = port.penLocation.v;

    // Render only the part of the text's box that can land in the port, so that huge sizes
    // or far-off positions never need a large scratch image.
    const QRect ink = metrics.boundingRect(string).adjusted(-2, -2, metrics.averageCharWidth() + 2,
                                                            metrics.descent() + 2);
    const PixelBox textBox{v + ink.top(), h + ink.left(), v + ink.bottom() + 1,
                           h + ink.right() + 1};
    const PixelBox visible = textBox.intersected(drawableArea(port));
    if (!visible.isEmpty()) {
        QImage coverage(visible.right - visible.left, visible.bottom - visible.top,
                        QImage::Format_ARGB32_Premultiplied);
        if (!coverage.isNull()) {
            coverage.fill(Qt::transparent);
            {
                QPainter painter(&coverage);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QPoint(h - visible.left, v - visible.top), string);
            }
            compositeCoverage(port, coverage, visible);
        }
    }
    const int advance = metrics.horizontalAdvance(string);
    port.penLocation.h = static_cast<std::int16_t>(static_cast<std::uint16_t>(h + advance));
}
