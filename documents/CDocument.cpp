#include "CDocument.h"

#include "CPaintWindow.h"
#include "FileAlert.h"
#include "ImageImport.h"
#include "LException.h"
#include "LUndoer.h"
#include "LWindow.h"
#include "ViewResources.h"
#include "ui_DocumentWindow.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

namespace {} // namespace

void RegisterDocumentViews() {
    RegisterUiViewResource<Ui::DocumentWindow>(kDocumentWindowResource);
}

CDocument::CDocument(LCommander* superCommander) : LSingleDoc(superCommander) {
    if (LWindow* window = MakeWindow(kDocumentWindowResource)) {
        // Each picture keeps its own last paint step for Undo.
        window->SetUndoer(std::make_unique<LUndoer>());
        window->Select();
    }
    SetModified(false);
    GetFile();
}

CDocument::~CDocument() = default;

CPaintWindow* CDocument::GetPaintView() const {
    LWindow* window = GetWindow();
    return window ? dynamic_cast<CPaintWindow*>(window->FindPaneByID(CPaintWindow::kPaintPaneID))
                  : nullptr;
}

OSType CDocument::DocumentFileType() const {
    return FourCC("PICT");
}

bool CDocument::ChooseSaveLocation() {
    StFloatingWindowsSuspended suspended;
    return LSingleDoc::ChooseSaveLocation();
}

bool CDocument::ConfirmRevert() {
    StFloatingWindowsSuspended suspended;
    return LSingleDoc::ConfirmRevert();
}

LDocument::SaveChoice CDocument::ConfirmCloseWithChanges(bool quitting) {
    StFloatingWindowsSuspended suspended;
    return LSingleDoc::ConfirmCloseWithChanges(quitting);
}

bool CDocument::SaveToLocation(const FileLocation& location, OSType /*fileType*/) {
    // Always a picture file, whatever type the caller names. A failed write keeps the file
    // the document had, so the next Save does not aim at the place that failed.
    const FileLocation previous = GetFile().GetLocation();
    GetFile().SetLocation(location);
    if (WriteFile())
        return true;
    GetFile().SetLocation(previous);
    return false;
}

bool CDocument::WriteFile() {
    CPaintWindow* view = GetPaintView();
    if (view == nullptr)
        return false;
    const QString path = GetFile().GetLocation().path();
    if (fileTransferDone(view->writePictureFile(path)))
        return true;
    // The document stays modified, so nothing is lost; the user learns why.
    ReportSaveFailure(path, mLastStatus);
    return false;
}

bool CDocument::ReloadFile() {
    CPaintWindow* view = GetPaintView();
    if (view == nullptr) {
        mReadRefusal = QObject::tr("the document has no picture to read into");
        return false;
    }
    return fileTransferDone(view->readPictureFile(GetFile().GetLocation().path(), &mReadRefusal));
}

bool CDocument::fileTransferDone(std::int16_t status) {
    mLastStatus = status;
    if (status != 0)
        return false;
    SetModified(false);
    SetHasFile(true);
    return true;
}

void CDocument::PrintDocumentPicture(QPrinter& printer) {
    if (CPaintWindow* view = GetPaintView())
        view->printPicture(&printer);
}

bool CDocument::OpenPictureFile(const FileLocation& location) {
    GetFile().SetLocation(location);
    mReadRefusal.clear();
    const bool read = ReloadFile();
    if (!read || !mReadRefusal.isEmpty()) {
        const std::int16_t code = mLastStatus != 0 ? mLastStatus : std::int16_t{kParamError};
        AlertFileProblem(FileProblem::Open, location.path(),
                         mReadRefusal.isEmpty() ? fileErrorReason(code) : mReadRefusal);
        return false;
    }
    if (detectFileType(location.path()) != kFileTypePICT) {
        // Picture bytes must never land under an image's name: no file until Save As.
        SetHasFile(false);
        GetFile().SetLocation(FileLocation());
    }
    return true;
}

QImage CDocument::PictureImage() const {
    CPaintWindow* view = GetPaintView();
    return view != nullptr && view->canvas().isValid() ? view->canvas().image().copy() : QImage();
}

QString CDocument::ProposedSaveName() const {
    // An image's title proposes a picture file of the same name.
    const QString name = GetDescriptor();
    const QFileInfo info(name);
    if (HasFile() || info.suffix().isEmpty())
        return name;
    return info.completeBaseName() + QStringLiteral(".pict");
}

bool CDocument::ObeyCommand(CommandT command, void* ioParam) {
    if (command == cmd_Copy) {
        const QImage image = PictureImage();
        if (!image.isNull())
            QGuiApplication::clipboard()->setImage(image);
        return true;
    }
    return LSingleDoc::ObeyCommand(command, ioParam);
}

void CDocument::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (command == cmd_Copy) {
        status.enabled = GetPaintView() != nullptr;
        return;
    }
    LSingleDoc::FindCommandStatus(command, status);
}

void CDocument::ReportSaveFailure(const QString& path, std::int16_t code) {
    AlertFileProblem(FileProblem::Save, path, code);
}

std::optional<FileLocation> CDocument::AskForSaveLocation(const QString& proposedName) {
    QFileDialog dialog(GetWindow(), QObject::tr("Save Picture"), QString(),
                       QObject::tr("Turtlescope pictures (*.pict *.pct)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pict"));
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pict");
    return FileLocation(path);
}
