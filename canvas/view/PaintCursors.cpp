#include "PaintCursors.h"

#include <QPixmap>
#include <QString>

std::int16_t paintCursorID(std::int16_t penWidth, bool fillMode) {
    if (fillMode)
        return kFillCursorID;
    if (penWidth == 0)
        return 132;
    if (penWidth >= 1 && penWidth <= 2)
        return 128;
    if (penWidth >= 3 && penWidth <= 5)
        return 129;
    if (penWidth >= 6 && penWidth <= 10)
        return 130;
    if (penWidth >= 11 && penWidth <= 16)
        return 131;
    return 132;
}

QCursor paintCursor(std::int16_t cursorID) {
    const QPixmap image(QStringLiteral(":/turtlescope/cursors/%1.png").arg(cursorID));
    if (image.isNull())
        return QCursor(Qt::ArrowCursor);
    // Brush cursors point with their centre; the bucket with the tip of its spill.
    if (cursorID == kFillCursorID)
        return QCursor(image, 2, image.height() - 3);
    return QCursor(image, image.width() / 2, image.height() / 2);
}
