#pragma once

// A picture document: one window (view resource 1000) whose pane 1 is the paint view. The
// picture is written and read as a picture document file.

#include "LDocument.h"
#include "ViewResources.h"

#include <QString>

class CPaintWindow;

constexpr ResIDT kDocumentWindowResource = 1000;

class CDocument : public LSingleDoc {
public:
    // Builds the window, shows it and brings it to the front.
    explicit CDocument(LCommander* superCommander);
    ~CDocument() override;

    // The window's pane 1, or null.
    CPaintWindow* GetPaintView() const;

    OSType DocumentFileType() const override;
    bool ChooseSaveLocation() override;
    bool ConfirmRevert() override;
    SaveChoice ConfirmCloseWithChanges(bool quitting) override;
    bool SaveToLocation(const FileLocation& location, OSType fileType) override;
    bool WriteFile() override;
    bool ReloadFile() override;
    void PrintDocumentPicture(QPrinter& printer) override;

    // Why the last ReloadFile drew no picture, in words for the user (for an alert naming the
    // file); empty when it drew one.
    const QString& ReadRefusal() const { return mReadRefusal; }

private:
    // After a write or read with that status: in step with the file when it succeeded.
    bool fileTransferDone(std::int16_t status);

    QString mReadRefusal;
};

// Registers view resource 1000 (the document window).
void RegisterDocumentViews();
