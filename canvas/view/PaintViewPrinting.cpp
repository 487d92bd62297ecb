// Printing: the picture on one page, scaled down only when it does not fit.

#include "CPaintWindow.h"
#include "LException.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

namespace {

// The busy cursor for the length of a print job.
class StBusyCursor {
public:
    StBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~StBusyCursor() { QApplication::restoreOverrideCursor(); }
    StBusyCursor(const StBusyCursor&) = delete;
    StBusyCursor& operator=(const StBusyCursor&) = delete;
};

// The target rectangle: the picture at its size, or shrunk to the page keeping its shape.
QRectF placeOnPage(const QSizeF& picture, const QRectF& page) {
    QSizeF size = picture;
    if (size.width() > page.width() || size.height() > page.height())
        size = picture.scaled(page.size(), Qt::KeepAspectRatio);
    return QRectF(page.topLeft(), size);
}

} // namespace

std::int16_t CPaintWindow::printPicture(QPrinter* printer) {
    if (printer == nullptr)
        return kParamError;
    if (FindPaneByID(kPaintPaneID) == nullptr)
        return kParamError;
    StBusyCursor busy;
    QPainter painter;
    if (!painter.begin(printer))
        return printer->printerState() == QPrinter::Aborted ? kNoError : kParamError;
    if (mCanvas.isValid()) {
        const QImage& picture = mCanvas.image();
        const QRectF page(QPointF(0, 0), QSizeF(painter.viewport().size()));
        // The printer's resolution makes a pixel of the picture about as large as on screen.
        const qreal scale = printer->resolution() / qreal(logicalDpiX() > 0 ? logicalDpiX() : 96);
        const QSizeF onPaper(picture.width() * scale, picture.height() * scale);
        painter.drawImage(placeOnPage(onPaper, page), picture);
    }
    if (!painter.end())
        return kMemoryFull;
    if (printer->printerState() == QPrinter::Aborted)
        return kNoError;
    return printer->printerState() == QPrinter::Error ? kMemoryFull : kNoError;
}
