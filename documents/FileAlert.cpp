#include "FileAlert.h"

#include "LException.h"
#include "LWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

FileAlertHandler& alertHandler() {
    static FileAlertHandler handler;
    return handler;
}

} // namespace

QString fileErrorReason(std::int16_t code) {
    switch (code) {
    case kFileNotFound:
        return QObject::tr("The file or its folder does not exist.");
    case kAccessDenied:
        return QObject::tr("You do not have permission to use it.");
    case kMemoryFull:
        return QObject::tr("There is not enough memory.");
    case kIOError:
        return QObject::tr("The disk could not be read or written (is it full?).");
    case kParamError:
        return QObject::tr(
            "It is not a picture or an image Turtlescope can read, or it is damaged.");
    case kDuplicateFileName:
        return QObject::tr("A file of that name is in the way and cannot be replaced.");
    default:
        return QObject::tr("Error %1.").arg(code);
    }
}

QString fileProblemWhat(FileProblem problem, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QString what;
    switch (problem) {
    case FileProblem::Open:
        what = QObject::tr("“%1” could not be opened.");
        break;
    case FileProblem::Save:
        what = QObject::tr("The picture could not be saved as “%1”.");
        break;
    case FileProblem::Export:
        what = QObject::tr("The picture could not be exported as “%1”.");
        break;
    }
    return what.arg(name);
}

void AlertFileProblem(FileProblem problem, const QString& path, std::int16_t code) {
    AlertFileProblem(problem, path, fileErrorReason(code));
}

void AlertFileProblem(FileProblem problem, const QString& path, const QString& why) {
    const QString what = fileProblemWhat(problem, path);
    if (alertHandler()) {
        alertHandler()(what, why);
        return;
    }
    const StFloatingWindowsSuspended suspended;
    // The last active window may be a closed one whose deletion is still pending: the alert's
    // own event loop would run it and take the alert along with it. Such a window is hidden.
    QWidget* parent = QApplication::activeWindow();
    if (parent != nullptr && !parent->isVisible())
        parent = nullptr;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), what,
                    QMessageBox::Ok, parent);
    box.setInformativeText(why);
    box.exec();
}

void SetFileAlertHandler(FileAlertHandler handler) {
    alertHandler() = std::move(handler);
}
