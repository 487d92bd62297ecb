#include "LDocument.h"

#include "LException.h"
#include "LWindow.h"
#include "SaveQuestion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// A free name beside path for keeping a replaced file until the new one is written.
QString asideName(const QString& path) {
    const QFileInfo info(path);
    for (int n = 0;; ++n) {
        const QString candidate =
            info.dir().filePath(QStringLiteral(".%1.replaced-%2").arg(info.fileName()).arg(n));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

} // namespace

LDocument::LDocument(LCommander* superCommander) : LCommander(superCommander) {}

LDocument::~LDocument() = default;

LFile& LDocument::GetFile() {
    if (!mFile)
        mFile = std::make_unique<LFile>();
    return *mFile;
}

QPrinter& LDocument::GetPrintSettings() {
    if (!mPrintSettings)
        mPrintSettings = std::make_unique<QPrinter>();
    return *mPrintSettings;
}

QString LDocument::GetDescriptor() const {
    if (mHasFile && mFile && mFile->HasLocation())
        return mFile->GetLocation().name();
    if (LWindow* window = GetDocumentWindow())
        return window->windowTitle();
    return QString();
}

bool LDocument::ObeyCommand(CommandT command, void* ioParam) {
    switch (command) {
    case cmd_Close:
        AttemptClose(false);
        return true;
    case cmd_Save:
        if (mModified || !mHasFile)
            Save();
        return true;
    case cmd_SaveAs:
        ChooseSaveLocation();
        return true;
    case cmd_Revert:
        if (mModified && mHasFile && ConfirmRevert())
            ReloadFile();
        return true;
    case cmd_PageSetup:
        AskPageSetup(GetPrintSettings());
        return true;
    case cmd_Print:
        if (AskPrint(GetPrintSettings()))
            PrintDocumentPicture(GetPrintSettings());
        return true;
    case cmd_PrintOne:
        PrintDocumentPicture(GetPrintSettings());
        return true;
    default:
        return LCommander::ObeyCommand(command, ioParam);
    }
}

void LDocument::FindCommandStatus(CommandT command, CommandStatus& status) {
    switch (command) {
    case cmd_Close:
    case cmd_SaveAs:
    case cmd_PageSetup:
    case cmd_Print:
    case cmd_PrintOne:
        status.enabled = true;
        return;
    case cmd_Save:
        status.enabled = mModified || !mHasFile;
        return;
    case cmd_Revert:
        status.enabled = mModified && mHasFile;
        return;
    default:
        LCommander::FindCommandStatus(command, status);
    }
}

bool LDocument::AttemptClose(bool quitting) {
    if (mClosed)
        return true;
    if (mModified) {
        if (LWindow* window = GetDocumentWindow())
            window->Select();
        switch (ConfirmCloseWithChanges(quitting)) {
        case SaveChoice::Cancel:
            return false;
        case SaveChoice::Save:
            if (!Save())
                return false;
            break;
        case SaveChoice::DontSave:
            break;
        }
    }
    Close();
    return true;
}

void LDocument::Close() {
    mClosed = true;
    if (LWindow* window = GetDocumentWindow())
        window->Hide();
    DetachAndDeleteLater();
}

bool LDocument::Save() {
    return mHasFile ? WriteFile() : ChooseSaveLocation();
}

bool LDocument::ChooseSaveLocation() {
    const std::optional<FileLocation> location = AskForSaveLocation(ProposedSaveName());
    if (!location || location->isEmpty())
        return false;
    if (mHasFile && mFile && mFile->GetLocation() == *location)
        return WriteFile();

    const QString path = location->path();
    QString aside;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        aside = asideName(path);
        if (!QFile::rename(path, aside)) {
            ReportSaveFailure(path, kAccessDenied); // it cannot be replaced: nothing is written
            return false;
        }
    }
    const bool saved = SaveToLocation(*location, DocumentFileType());
    if (!aside.isEmpty()) {
        if (saved) {
            QFile::remove(aside);
        } else {
            QFile::remove(path);
            QFile::rename(aside, path);
        }
    }
    return saved;
}

bool LDocument::ConfirmRevert() {
    QMessageBox box(QMessageBox::Question, QString(),
                    QObject::tr("Discard the changes to “%1”?").arg(GetDescriptor()),
                    QMessageBox::Discard | QMessageBox::Cancel, GetDocumentWindow());
    LabelSaveQuestionButtons(box);
    box.button(QMessageBox::Discard)->setText(QObject::tr("&Discard"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Discard;
}

LDocument::SaveChoice LDocument::ConfirmCloseWithChanges(bool /*quitting*/) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(),
                    QObject::tr("Save the changes to “%1” before closing?").arg(GetDescriptor()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    GetDocumentWindow());
    box.setInformativeText(QObject::tr("If you don't save, your changes will be lost."));
    LabelSaveQuestionButtons(box);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Save))
        return SaveChoice::Save;
    if (clicked == box.button(QMessageBox::Discard))
        return SaveChoice::DontSave;
    return SaveChoice::Cancel;
}

bool LDocument::SaveToLocation(const FileLocation& location, OSType /*fileType*/) {
    GetFile().SetLocation(location);
    return WriteFile();
}

std::optional<FileLocation> LDocument::AskForSaveLocation(const QString& proposedName) {
    const QString path = QFileDialog::getSaveFileName(GetDocumentWindow(), QString(), proposedName);
    if (path.isEmpty())
        return std::nullopt;
    return FileLocation(path);
}

bool LDocument::AskPageSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, GetDocumentWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool LDocument::AskPrint(QPrinter& printer) {
    QPrintDialog dialog(&printer, GetDocumentWindow());
    return dialog.exec() == QDialog::Accepted;
}

LSingleDoc::LSingleDoc(LCommander* superCommander) : LDocument(superCommander) {}

LSingleDoc::~LSingleDoc() = default;

LWindow* LSingleDoc::GetWindow() const {
    return mWindow.data();
}

LWindow* LSingleDoc::MakeWindow(std::int16_t resourceID) {
    LWindow* window = LWindow::CreateWindow(resourceID, this);
    if (LWindow* old = mWindow.data(); old != nullptr && old != window)
        old->DetachAndDeleteLater();
    mWindow = window;
    return window;
}

void LSingleDoc::SetWindow(std::unique_ptr<LWindow> window) {
    LWindow* raw = window.get();
    AdoptSubCommander(std::move(window));
    if (LWindow* old = mWindow.data(); old != nullptr && old != raw)
        old->DetachAndDeleteLater();
    mWindow = raw;
}

bool LSingleDoc::AllowSubRemoval(LCommander* sub) {
    if (sub != nullptr && sub == static_cast<LCommander*>(mWindow.data())) {
        // Closing the window closes the document, which takes the window with it.
        AttemptClose(false);
        return false;
    }
    return LDocument::AllowSubRemoval(sub);
}
