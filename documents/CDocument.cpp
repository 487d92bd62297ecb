#include "CDocument.h"

#include "CPaintWindow.h"
#include "LUndoer.h"
#include "LWindow.h"
#include "ViewResources.h"
#include "ui_DocumentWindow.h"

namespace {

// Modal file questions keep the floating windows out of the way while they are open.
class StFloatingWindowsSuspended {
public:
    StFloatingWindowsSuspended() { LWindow::SuspendFloatingWindows(); }
    ~StFloatingWindowsSuspended() { LWindow::ResumeFloatingWindows(); }
    StFloatingWindowsSuspended(const StFloatingWindowsSuspended&) = delete;
    StFloatingWindowsSuspended& operator=(const StFloatingWindowsSuspended&) = delete;
};

} // namespace

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
    // Always a picture file, whatever type the caller names.
    GetFile().SetLocation(location);
    return WriteFile();
}

bool CDocument::WriteFile() {
    CPaintWindow* view = GetPaintView();
    return view != nullptr &&
           fileTransferDone(view->writePictureFile(GetFile().GetLocation().path()));
}

bool CDocument::ReloadFile() {
    CPaintWindow* view = GetPaintView();
    if (view == nullptr) {
        mReadRefusal = QStringLiteral("the document has no picture to read into");
        return false;
    }
    return fileTransferDone(view->readPictureFile(GetFile().GetLocation().path(), &mReadRefusal));
}

bool CDocument::fileTransferDone(std::int16_t status) {
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
