#include "CTextEditView.h"

#include "CPaintAction.h"
#include "CPaintWindow.h"
#include "CProgramWindow.h"
#include "CommandInsertion.h"
#include "CommandPalette.h"
#include "EditorCommands.h"
#include "EditorTranslation.h"
#include "KeywordMenus.h"
#include "LUndoer.h"
#include "LWindow.h"
#include "LineNumberGutter.h"
#include "ParamAlert.h"
#include "ParseErrorReport.h"
#include "ProgramFiles.h"
#include "ProgramHighlighter.h"
#include "ResourceChain.h"
#include "RunContext.h"
#include "RunControl.h"
#include "RunHost.h"
#include "SaveQuestion.h"
#include "TurtleView.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace {

constexpr std::int16_t kApplicationStrings = 200;
constexpr std::int16_t kProgramStrings = 201;
constexpr std::int16_t kProgramRunStringIndex = 3;

bool isPaletteCommand(CommandT command) {
    return (command >= 2000 && command <= 2004) || (command >= 3000 && command <= 3009) ||
           (command >= 4000 && command <= 4005);
}

void alertFileProblem(const QString& message, const QString& reason) {
    ParamAlert alert(kFileProblemAlert);
    alert.SetParameter(0, message);
    alert.SetParameter(1, reason);
    alert.Show();
}

} // namespace

CTextEditView::CTextEditView(QWidget* parent, LCommander* superCommander)
    : LTextEditView(parent, superCommander) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(11);
    setFont(font);
    mHighlighter = new ProgramHighlighter(document());
    mGutter = new LineNumberGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CTextEditView::layoutGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            mGutter->scroll(0, dy);
        else
            mGutter->update(0, rect.y(), mGutter->width(), rect.height());
    });
    // The current line is marked, and its number in the gutter stands out.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        QTextEdit::ExtraSelection line;
        line.format.setBackground(QColor(0xFF, 0xF8, 0xDC));
        line.format.setProperty(QTextFormat::FullWidthSelection, true);
        line.cursor = textCursor();
        line.cursor.clearSelection();
        setExtraSelections({line});
        mGutter->update();
    });
    layoutGutter();
    Q_EMIT cursorPositionChanged();
}

CTextEditView::~CTextEditView() = default;

void CTextEditView::layoutGutter() {
    const int width = mGutter->WidthForLines();
    setViewportMargins(width, 0, 0, 0);
    const QRect area = contentsRect();
    mGutter->setGeometry(area.left(), area.top(), width, area.height());
}

void CTextEditView::resizeEvent(QResizeEvent* event) {
    LTextEditView::resizeEvent(event);
    layoutGutter();
}

void CTextEditView::ReloadKeywords() {
    mHighlighter->ReloadWords();
}

// ---- file side

void CTextEditView::windowTitleFromFile() {
    if (QWidget* window = this->window(); window != this && !mProgramFile.isEmpty())
        window->setWindowTitle(mProgramFile.name());
}

void CTextEditView::SetProgramFile(const FileLocation& location) {
    mProgramFile = location;
    windowTitleFromFile();
}

bool CTextEditView::LoadProgramFile() {
    if (mProgramFile.isEmpty())
        return false;
    QString reason;
    const std::optional<QString> text =
        ReadProgramText(mProgramFile.path(), MaxTextBytes(), reason);
    if (!text) {
        alertFileProblem(tr("The program “%1” could not be opened.").arg(mProgramFile.name()),
                         reason);
        return false;
    }
    SetTextQuietly(*text);
    moveCursor(QTextCursor::Start);
    mProgramDirty = false;
    mRunAction = nullptr;
    return true;
}

bool CTextEditView::chooseSaveLocation() {
    StFloatingWindowsSuspended suspended;
    const QString proposed =
        mProgramFile.isEmpty()
            ? IndStringText(kProgramStrings, 3, QStringLiteral("Untitled.turtle"))
            : mProgramFile.path();
    const QString path = WithProgramSuffix(QFileDialog::getSaveFileName(
        window(), QString(), proposed, tr("Programs (*.turtle *.txt);;All files (*)")));
    if (path.isEmpty())
        return false;
    SetProgramFile(FileLocation(path));
    return true;
}

bool CTextEditView::saveTo(const FileLocation& location) {
    windowTitleFromFile();
    const ProgramFileResult result = WriteProgramText(location.path(), toPlainText());
    if (!result.ok) {
        alertFileProblem(tr("The program “%1” could not be saved.").arg(location.name()),
                         result.reason);
        return false;
    }
    mProgramDirty = false;
    return true;
}

bool CTextEditView::SaveProgramFile() {
    if (mProgramFile.isEmpty() && !chooseSaveLocation())
        return false;
    return saveTo(mProgramFile);
}

bool CTextEditView::ConfirmSaveProgram() {
    if (!mProgramDirty)
        return true;
    StFloatingWindowsSuspended suspended;
    QMessageBox box(QMessageBox::Warning,
                    IndStringText(kApplicationStrings, 1, QStringLiteral("Turtlescope")),
                    tr("Do you want to save the changes to “%1”?").arg(window()->windowTitle()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window());
    box.setInformativeText(tr("Your changes will be lost if you don’t save them."));
    LabelSaveQuestionButtons(box);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveProgramFile();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool CTextEditView::openProgram() {
    if (!ConfirmSaveProgram())
        return false;
    QString path;
    {
        StFloatingWindowsSuspended suspended;
        path = QFileDialog::getOpenFileName(window(), QString(), mProgramFile.folder(),
                                            tr("Programs (*.turtle *.txt);;All files (*)"));
    }
    if (path.isEmpty())
        return false;
    const FileLocation previous = mProgramFile;
    mProgramFile = FileLocation(path);
    if (!LoadProgramFile()) {
        mProgramFile = previous;
        return false;
    }
    windowTitleFromFile();
    return true;
}

bool CTextEditView::AllowSubRemoval(LCommander* sub) {
    if (!ConfirmSaveProgram())
        return false;
    return LTextEditView::AllowSubRemoval(sub);
}

// ---- editing

void CTextEditView::UserChangedText() {
    mProgramDirty = true;
    mRunAction = nullptr;
}

bool CTextEditView::HandleEditorKey(QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (event.key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
        if (!InsertText(QStringLiteral("  ")))
            QApplication::beep();
        return true;
    }
    if (event.key() == Qt::Key_Enter) {
        // The keypad's enter key is a line break here, never a run.
        if (!InsertText(QStringLiteral("\n")))
            QApplication::beep();
        return true;
    }
    if (event.key() == Qt::Key_R && modifiers == Qt::ControlModifier) {
        ObeyCommand(EditorCommand::kRunProgram, nullptr);
        return true;
    }
    return false;
}

void CTextEditView::InsertCommandWord(const QString& menuWord) {
    if (menuWord.isEmpty())
        return;
    QString word = menuWord;
    const ArgumentNeed need = ArgumentNeedFor(word);
    if (IsCommentWord(word))
        word = QStringLiteral("--");
    QString argument;
    if (need.dialog != 0) {
        std::optional<QString> asked = AskArgument(need.dialog, this, menuWord);
        if (!asked)
            return;
        argument = *asked;
    }
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionEnd());
    const bool followedByText = cursor.selectionEnd() < block.position() + block.length() - 1;
    const CommandInsertion insertion =
        MakeCommandInsertion(word, argument, need.block, followedByText);
    const int start = cursor.selectionStart();
    if (!InsertText(insertion.text)) {
        QApplication::beep();
        return;
    }
    cursor = textCursor();
    cursor.setPosition(start + insertion.caretOffset);
    setTextCursor(cursor);
    UserChangedText();
    window()->activateWindow();
    BecomeTarget();
}

// ---- commands

LCommander* CTextEditView::frontPaintCommander() const {
    RunHost* const host = RunHost::Current();
    TurtleView* const view = host != nullptr ? host->FrontPaintView() : nullptr;
    return dynamic_cast<LCommander*>(view);
}

bool CTextEditView::isRunAction(const LAction* action) const {
    // The address alone could be a later action's that took the freed place.
    return action != nullptr && action == mRunAction &&
           action->GetStringIndex() == kProgramRunStringIndex;
}

bool CTextEditView::undoRun() {
    if (mRunAction == nullptr || mRunWindow == nullptr)
        return false;
    LUndoer* undoer = nullptr;
    for (LCommander* c = mRunWindow; c != nullptr && undoer == nullptr; c = c->GetSuperCommander())
        undoer = c->GetUndoer();
    if (undoer == nullptr || !isRunAction(undoer->GetAction()))
        return false;
    return undoer->ObeyCommand(cmd_Undo);
}

bool CTextEditView::ObeyCommand(CommandT command, void* ioParam) {
    MenuIDT menu = 0;
    int item = 0;
    if (IsSyntheticCommand(command, menu, item) && menu == kTranslateMenuID) {
        TranslateEditorText(*this, item);
        return true;
    }
    if (IsSyntheticCommand(command, menu, item)) {
        const std::vector<QString> items = KeywordMenuItems(menu);
        if (item >= 1 && static_cast<std::size_t>(item) <= items.size()) {
            InsertCommandWord(items[static_cast<std::size_t>(item) - 1]);
            return true;
        }
        return LTextEditView::ObeyCommand(command, ioParam);
    }
    switch (command) {
    case EditorCommand::kRunProgram:
        RunProgram(*this);
        return true;
    case EditorCommand::kOpenProgram:
        openProgram();
        return true;
    case EditorCommand::kSaveProgram:
        SaveProgramFile();
        return true;
    case cmd_Revert:
        if (mProgramDirty)
            LoadProgramFile();
        return true;
    case EditorCommand::kInsertPaletteWord:
        InsertCommandWord(LastClickedPaletteWord());
        return true;
    case EditorCommand::kShowVariables:
        if (auto* programWindow = dynamic_cast<CProgramWindow*>(window())) {
            programWindow->ShowVariablesWindow();
            if (VariablesWindow* variables = programWindow->Variables(false))
                variables->Show(mVariables);
        }
        return true;
    case cmd_Undo:
        if (undoRun())
            return true;
        break;
    default:
        break;
    }
    if (isPaletteCommand(command)) {
        if (LCommander* paint = frontPaintCommander())
            return paint->ObeyCommand(command, ioParam);
    }
    return LTextEditView::ObeyCommand(command, ioParam);
}

void CTextEditView::FindCommandStatus(CommandT command, CommandStatus& status) {
    MenuIDT menu = 0;
    int item = 0;
    if (IsSyntheticCommand(command, menu, item) &&
        (menu == kCommandsMenuID || menu == kColoursMenuID || menu == kTranslateMenuID)) {
        status.enabled = true;
        return;
    }
    switch (command) {
    case EditorCommand::kRunProgram:
    case EditorCommand::kOpenProgram:
    case EditorCommand::kSaveProgram:
    case EditorCommand::kInsertPaletteWord:
    case EditorCommand::kShowVariables:
        status.enabled = true;
        return;
    case cmd_Revert:
        status.enabled = mProgramDirty && !mProgramFile.isEmpty();
        return;
    case cmd_Undo:
        if (mRunAction != nullptr && mRunWindow != nullptr) {
            for (LCommander* c = mRunWindow; c != nullptr; c = c->GetSuperCommander()) {
                if (LUndoer* undoer = c->GetUndoer()) {
                    if (isRunAction(undoer->GetAction()) &&
                        undoer->FindCommandStatus(command, status))
                        return;
                    break;
                }
            }
        }
        break;
    default:
        break;
    }
    if (isPaletteCommand(command)) {
        if (LCommander* paint = frontPaintCommander()) {
            paint->FindCommandStatus(command, status);
            return;
        }
    }
    LTextEditView::FindCommandStatus(command, status);
}

// ---- runs

std::string_view CTextEditView::programText() const {
    const QString text = toPlainText();
    mRunText = text.toStdString();
    return mRunText;
}

int CTextEditView::PositionOfByte(std::int32_t byteOffset) const {
    const QString text = toPlainText();
    std::int32_t bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (bytes >= byteOffset)
            return static_cast<int>(i);
        const Utf8Step step = Utf8StepAt(text, i);
        bytes += step.bytes;
        i += step.units;
    }
    return static_cast<int>(text.size());
}

std::int32_t CTextEditView::ByteOfPosition(int position) const {
    const QString text = toPlainText();
    return static_cast<std::int32_t>(
        Utf8Length(QStringView(text).first(std::clamp<qsizetype>(position, 0, text.size()))));
}

void CTextEditView::scrollToOrigin() {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void CTextEditView::selectRange(std::int32_t start, std::int32_t end) {
    // The run's offsets are signed 16-bit numbers.
    const auto from = static_cast<std::int16_t>(start);
    const auto to = static_cast<std::int16_t>(end);
    QTextCursor cursor(document());
    cursor.setPosition(PositionOfByte(std::max<std::int32_t>(from, 0)));
    cursor.setPosition(PositionOfByte(std::max<std::int32_t>(to, 0)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CTextEditView::redrawNow() {
    viewport()->repaint();
    mGutter->repaint();
}

void CTextEditView::alignWithFrame() {
    ensureCursorVisible();
}

void CTextEditView::reportParseError(const RunContext& context) {
    selectRange(context.errorStart, context.errorEnd);
    ensureCursorVisible();
    redrawNow();
    ReportParseError(context, mRunText);
}

void CTextEditView::runStarting(TurtleView& view) {
    auto* paintWindow = dynamic_cast<CPaintWindow*>(&view);
    if (paintWindow == nullptr)
        return;
    auto action = std::make_unique<CPaintAction>(paintWindow, kProgramRunStringIndex);
    mRunAction = action.get();
    mRunWindow = paintWindow;
    paintWindow->PostAction(std::move(action));
}

std::int32_t CTextEditView::startingLevel() const {
    std::int32_t level = 1;
    if (LCommander* super = GetSuperCommander())
        super->ObeyCommand(EditorCommand::kStartingPace, &level);
    return level;
}

void CTextEditView::showVariables(const RunContext& context, VariablesMoment moment) {
    if (moment == VariablesMoment::kRunStarts) {
        mVariables.Clear();
    } else {
        std::vector<VariableShown> now;
        int changedLast = -1;
        now.reserve(context.variables.count());
        for (const auto& variable : context.variables) {
            if (variable.get() == context.lastChanged)
                changedLast = static_cast<int>(now.size());
            now.push_back({variable->name.str(), variable->value});
        }
        mVariables.Update(std::move(now), changedLast);
    }
    mVariables.running = moment != VariablesMoment::kRunEnded;
    auto* programWindow = dynamic_cast<CProgramWindow*>(window());
    if (VariablesWindow* variables = programWindow ? programWindow->Variables(false) : nullptr;
        variables && variables->isVisible()) {
        variables->Show(mVariables);
        if (moment == VariablesMoment::kBeforeInstruction)
            variables->repaint();
    }
}
