#pragma once

// A document: a commander that owns a file object and (LSingleDoc) one window, with a modified
// flag and a has-file flag. It answers the document commands 4 Close, 5 Save, 6 Save As,
// 7 Revert, 8 Page Setup, 9 Print and 17 Print One; the program's document fills in the hooks.

#include "FileLocation.h"
#include "FourCharCode.h"
#include "LCommander.h"
#include "LFile.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class LWindow;
class QPrinter;

class LDocument : public LCommander {
public:
    explicit LDocument(LCommander* superCommander);
    ~LDocument() override;

    bool IsModified() const { return mModified; }
    virtual void SetModified(bool modified) { mModified = modified; }
    bool HasFile() const { return mHasFile; }
    void SetHasFile(bool hasFile) { mHasFile = hasFile; }

    // The file object, made on first need with no location.
    LFile& GetFile();
    bool HasFileObject() const { return mFile != nullptr; }

    // The page setup and print settings, made on first need.
    QPrinter& GetPrintSettings();

    // The name in dialogs: the file's name when it has one, else the window title.
    virtual QString GetDescriptor() const;
    // The name the save dialog proposes.
    virtual QString ProposedSaveName() const { return GetDescriptor(); }

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

    // Close (command 4, close box, quit). When modified, asks Save / Don't Save / Cancel; Save
    // saves (a cancelled or failed save keeps the document). Then Close. True when closed.
    virtual bool AttemptClose(bool quitting);
    // Hides the window; the document (with its window) is deleted soon after when its super
    // commander owns it, else it is only detached from the chain.
    virtual void Close();
    bool IsClosed() const { return mClosed; }

    // Command 5: WriteFile with a file, else ChooseSaveLocation. True when saved.
    bool Save();

    enum class SaveChoice { Save, DontSave, Cancel };

    // The hooks. Defaults: no file type, dialogs from Qt, nothing written, read or printed.
    virtual OSType DocumentFileType() const { return FourCC("????"); }
    // The Save As step: ask for a location; the document's own file is written in place. An
    // other existing file is replaced: it is moved aside, SaveToLocation writes the new one, and
    // only then is the old one deleted (a failed write puts it back). True when saved.
    virtual bool ChooseSaveLocation();
    virtual bool ConfirmRevert();
    virtual SaveChoice ConfirmCloseWithChanges(bool quitting);
    // Gives the file object the location, then WriteFile.
    virtual bool SaveToLocation(const FileLocation& location, OSType fileType);
    // Writes to the file's location; on success clears modified and sets has-file.
    virtual bool WriteFile() { return false; }
    // Reads from the file's location; on success clears modified and sets has-file.
    virtual bool ReloadFile() { return false; }
    virtual void PrintDocumentPicture(QPrinter& /*printer*/) {}
    // Tells the user that saving to path failed with the error code.
    virtual void ReportSaveFailure(const QString& /*path*/, std::int16_t /*code*/) {}

    // The platform dialogs behind the hooks (tests replace them).
    virtual std::optional<FileLocation> AskForSaveLocation(const QString& proposedName);
    virtual bool AskPageSetup(QPrinter& printer);
    virtual bool AskPrint(QPrinter& printer);

    // The window shown in front while a question is asked (LSingleDoc's window).
    virtual LWindow* GetDocumentWindow() const { return nullptr; }

private:
    std::unique_ptr<LFile> mFile;
    std::unique_ptr<QPrinter> mPrintSettings;
    bool mModified = false;
    bool mHasFile = false;
    bool mClosed = false;
};

// A document with one window, built from a view resource with the document as its super
// commander (which owns it).
class LSingleDoc : public LDocument {
public:
    explicit LSingleDoc(LCommander* superCommander);
    ~LSingleDoc() override;

    LWindow* GetWindow() const;
    LWindow* GetDocumentWindow() const override { return GetWindow(); }
    // Builds the window from view resource id (replacing any earlier one).
    LWindow* MakeWindow(std::int16_t resourceID);
    // Adopts a window made elsewhere.
    void SetWindow(std::unique_ptr<LWindow> window);

    // The window's close box comes here: the document closes instead of the window alone.
    bool AllowSubRemoval(LCommander* sub) override;

private:
    QPointer<LWindow> mWindow;
};
