#pragma once

// The program editor: the text of one program, the heading its next run starts with, its file,
// the keys and commands of the program window, and the insertion of command words.

#include "FileLocation.h"
#include "LTextEditView.h"
#include "RunEditor.h"
#include "VariablesWindow.h"

#include <QPointer>
#include <cstdint>
#include <string>

class CPaintWindow;
class LAction;
class ProgramHighlighter;
class LineNumberGutter;

class CTextEditView : public LTextEditView, public RunEditor {
    Q_OBJECT
public:
    static constexpr std::uint32_t class_ID = 0x54787476; // 'Txtv'
    static constexpr PaneIDT kTextPaneID = 1;

    explicit CTextEditView(QWidget* parent = nullptr, LCommander* superCommander = nullptr);
    ~CTextEditView() override;

    // Stores the location and names the window after the file.
    void SetProgramFile(const FileLocation& location);
    const FileLocation& ProgramFile() const { return mProgramFile; }
    // False (and an alert naming the file and the reason) when it cannot be read; the text stays.
    bool LoadProgramFile();
    // Asks for a location when there is none; false when cancelled or failed.
    bool SaveProgramFile();
    // Save / Don't Save / Cancel when the text is dirty; false only for Cancel (or a failed save).
    bool ConfirmSaveProgram();
    bool programDirty() const { return mProgramDirty; }

    // Colours the text with the keyword tables as they are now (after a language change).
    void ReloadKeywords();

    // Inserts a command word as a menu item or palette button does (asking for its argument).
    void InsertCommandWord(const QString& word);

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;
    bool AllowSubRemoval(LCommander* sub) override;

    // RunEditor
    std::string_view programText() const override;
    std::int32_t runHeading() const override { return mRunHeading; }
    void setRunHeading(std::int32_t heading) override { mRunHeading = heading; }
    void scrollToOrigin() override;
    void selectRange(std::int32_t start, std::int32_t end) override;
    void redrawNow() override;
    void alignWithFrame() override;
    void reportParseError(const RunContext& context) override;
    void runStarting(TurtleView& view) override;
    std::int32_t startingLevel() const override;
    void showVariables(const RunContext& context, VariablesMoment moment) override;

    // The last run's variables, as the variables window shows them.
    const VariablesRecord& Variables() const { return mVariables; }

    // Byte offset in the text's UTF-8 to the editor's position, and back.
    int PositionOfByte(std::int32_t byteOffset) const;
    std::int32_t ByteOfPosition(int position) const;

    void resizeEvent(QResizeEvent* event) override;

protected:
    void UserChangedText() override;
    bool HandleEditorKey(QKeyEvent& event) override;

private:
    friend class LineNumberGutter;
    bool saveTo(const FileLocation& location);
    bool chooseSaveLocation();
    bool openProgram();
    void windowTitleFromFile();
    LCommander* frontPaintCommander() const;
    bool undoRun();
    bool isRunAction(const LAction* action) const;
    void layoutGutter();

    FileLocation mProgramFile;
    std::int32_t mRunHeading = 0;
    bool mProgramDirty = false;
    // The text a run reads.
    mutable std::string mRunText;
    // The last run's undo step, while it is the last thing the user did here.
    QPointer<CPaintWindow> mRunWindow;
    const LAction* mRunAction = nullptr;
    ProgramHighlighter* mHighlighter = nullptr;
    LineNumberGutter* mGutter = nullptr;
    VariablesRecord mVariables;
};
