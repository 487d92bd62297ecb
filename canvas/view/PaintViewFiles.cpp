// Saving and opening the picture.

#include "CPaintWindow.h"
#include "LException.h"
#include "PictureFile.h"

#include <QFileInfo>

// The window shows the name of the file its picture came from or went to.
void CPaintWindow::showFileName(const QString& path) {
    SetDescriptor(QFileInfo(path).fileName());
}

std::int16_t CPaintWindow::writePictureFile(const QString& path) {
    if (!mCanvas.isValid())
        return kMemoryFull;
    const std::int16_t status = ::writePictureFile(mCanvas, path);
    if (status == 0)
        showFileName(path);
    return status;
}

std::int16_t CPaintWindow::readPictureFile(const QString& path, QString* refusal) {
    bool drawn = false;
    const auto remake = [this, &drawn]() -> CGWorld* {
        clearPicture();
        drawn = mCanvas.isValid();
        return drawn ? &mCanvas : nullptr;
    };
    const std::int16_t status = ::readPictureFile(path, CalcLocalFrameRect(), remake, refusal);
    forgetCanvasDamage();
    invalidateView();
    if (status == 0 && drawn)
        showFileName(path);
    return status;
}
