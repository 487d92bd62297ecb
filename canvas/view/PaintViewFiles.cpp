// Saving and opening the picture.

#include "CPaintWindow.h"
#include "LException.h"
#include "PictureFile.h"

std::int16_t CPaintWindow::writePictureFile(const QString& path) {
    if (!mCanvas.isValid())
        return kMemoryFull;
    return ::writePictureFile(mCanvas, path);
}

std::int16_t CPaintWindow::readPictureFile(const QString& path) {
    const std::int16_t status = ::readPictureFile(path, [this]() -> CGWorld* {
        clearPicture();
        return mCanvas.isValid() ? &mCanvas : nullptr;
    });
    forgetCanvasDamage();
    invalidateView();
    return status;
}
