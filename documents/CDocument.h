#pragma once

// A picture document: one window (view resource 1000) whose pane 1 is the paint view. The
// picture is written and read as a picture document file.

#include "LDocument.h"
#include "ViewResources.h"

#include <QImage>
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

    // Reads a picture or image file into this new document. A picture file becomes the
    // document's file; an image of another kind only lends its name to the title, so that
    // Save asks where to put the picture rather than overwrite the image. A failure is
    // reported to the user; false then.
    bool OpenPictureFile(const FileLocation& location);
    // The picture as an image (null without a canvas).
    QImage PictureImage() const;

    QString ProposedSaveName() const override;
    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

    OSType DocumentFileType() const override;
    bool ChooseSaveLocation() override;
    bool ConfirmRevert() override;
    SaveChoice ConfirmCloseWithChanges(bool quitting) override;
    bool SaveToLocation(const FileLocation& location, OSType fileType) override;
    bool WriteFile() override;
    bool ReloadFile() override;
    void PrintDocumentPicture(QPrinter& printer) override;
    void ReportSaveFailure(const QString& path, std::int16_t code) override;
    std::optional<FileLocation> AskForSaveLocation(const QString& proposedName) override;

    // Why the last ReloadFile drew no picture, in words for the user (for an alert naming the
    // file); empty when it drew one.
    const QString& ReadRefusal() const { return mReadRefusal; }

private:
    // After a write or read with that status: in step with the file when it succeeded.
    bool fileTransferDone(std::int16_t status);

    // The code of the last failed write or read, 0 after a success.
    std::int16_t mLastStatus = 0;
    QString mReadRefusal;
};

// Registers view resource 1000 (the document window).
void RegisterDocumentViews();
