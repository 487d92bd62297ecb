#include "LTextEditView.h"

#include "LAction.h"
#include "LEventGuard.h"
#include "LUndoer.h"
#include "ResourceChain.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr std::int16_t kTypingStringsID = 150;
constexpr std::int16_t kTypingStringIndex = 1;

// Keys that produce text, as opposed to movement, shortcuts and the like.
bool insertsText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (const QChar c : text) {
        if (c.isPrint() || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n'))
            return true;
    }
    return false;
}

} // namespace

Utf8Step Utf8StepAt(QStringView text, qsizetype position) {
    const char16_t u = text[position].unicode();
    if (u < 0x80)
        return {1, 1};
    if (u < 0x800)
        return {1, 2};
    if (QChar::isHighSurrogate(u) && position + 1 < text.size() &&
        text[position + 1].isLowSurrogate())
        return {2, 4};
    return {1, 3};
}

std::int64_t Utf8Length(QStringView text) {
    std::int64_t bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const Utf8Step step = Utf8StepAt(text, i);
        bytes += step.bytes;
        i += step.units;
    }
    return bytes;
}

LTextEditView::LTextEditView(QWidget* parent, LCommander* superCommander)
    : QPlainTextEdit(parent), LCommander(superCommander) {
    setTabChangesFocus(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed == 0 && added == 0)
            return;
        mCachedBytes = -1;
        if (mQuietDepth == 0)
            noteContentsChange();
    });
}

LTextEditView::~LTextEditView() = default;

std::int32_t LTextEditView::TextBytes() const {
    if (mCachedBytes < 0)
        mCachedBytes = static_cast<std::int32_t>(Utf8Length(document()->toPlainText()));
    return mCachedBytes;
}

std::int32_t LTextEditView::SelectionBytes() const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return 0;
    // selectedText marks line breaks with U+2029 (three bytes); the text holds one byte there.
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return static_cast<std::int32_t>(Utf8Length(selected));
}

bool LTextEditView::MayInsertBytes(std::int64_t bytes) const {
    return std::int64_t{TextBytes()} - SelectionBytes() + bytes <= mMaxBytes;
}

bool LTextEditView::InsertText(const QString& text) {
    if (!MayInsertBytes(Utf8Length(text)))
        return false;
    textCursor().insertText(text);
    ensureCursorVisible();
    return true;
}

void LTextEditView::SetTextQuietly(const QString& text) {
    ++mQuietDepth;
    setPlainText(text);
    --mQuietDepth;
    mCachedBytes = -1;
}

void LTextEditView::BecomeTarget() {
    SwitchTarget(this);
    setFocus(Qt::OtherFocusReason);
}

void LTextEditView::noteContentsChange() {
    UserChangedText();
}

bool LTextEditView::ObeyCommand(CommandT command, void* ioParam) {
    switch (command) {
    case cmd_Undo:
        if (document()->isUndoAvailable())
            undo();
        else if (document()->isRedoAvailable())
            redo();
        return true;
    case cmd_Cut:
        cut();
        return true;
    case cmd_Copy:
        copy();
        return true;
    case cmd_Paste:
        paste();
        return true;
    case cmd_Clear:
        textCursor().removeSelectedText();
        return true;
    case cmd_SelectAll:
        selectAll();
        return true;
    default:
        return LCommander::ObeyCommand(command, ioParam);
    }
}

void LTextEditView::FindCommandStatus(CommandT command, CommandStatus& status) {
    const bool selection = textCursor().hasSelection();
    switch (command) {
    case cmd_Undo: {
        const bool canUndo = document()->isUndoAvailable();
        const bool canRedo = document()->isRedoAvailable();
        status.enabled = canUndo || canRedo;
        status.nameChanged = true;
        const ResourceChain& chain = TheResourceChain();
        if (!status.enabled) {
            status.name = InterfaceString(chain.GetIndString(kStringListType, kUndoStringsID, 1));
            return;
        }
        LStr255 text =
            InterfaceString(chain.GetIndString(kStringListType, kUndoStringsID, canUndo ? 2 : 3));
        text.append(" ");
        text.append(InterfaceString(
                        chain.GetIndString(kStringListType, kTypingStringsID, kTypingStringIndex))
                        .view());
        status.name = text;
        return;
    }
    case cmd_Cut:
    case cmd_Clear:
        status.enabled = selection && !isReadOnly();
        return;
    case cmd_Copy:
        status.enabled = selection;
        return;
    case cmd_Paste:
        status.enabled = !isReadOnly() && canPaste();
        return;
    case cmd_SelectAll:
        status.enabled = !document()->isEmpty();
        return;
    default:
        LCommander::FindCommandStatus(command, status);
    }
}

bool LTextEditView::HandleEditorKey(QKeyEvent& /*event*/) {
    return false;
}

bool LTextEditView::event(QEvent* event) {
    bool handled = true;
    RunGuarded([&] {
        // The editor's own history answers the undo keys, so that the menu's text and the key
        // agree.
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                event->accept();
                return;
            }
        }
        handled = QPlainTextEdit::event(event);
    });
    return handled;
}

void LTextEditView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) {
        DispatchCommand(cmd_Undo);
        return;
    }
    if (event->matches(QKeySequence::Redo)) {
        redo();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (HandleEditorKey(*event))
        return;
    if (insertsText(*event) && !MayInsertBytes(Utf8Length(event->text()))) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LTextEditView::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !MayInsertBytes(Utf8Length(event->commitString()))) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void LTextEditView::focusInEvent(QFocusEvent* event) {
    SwitchTarget(this);
    QPlainTextEdit::focusInEvent(event);
}

bool LTextEditView::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText() && !isReadOnly();
}

void LTextEditView::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText())
        return;
    // Plain text only, line breaks of any kind made one.
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!InsertText(text))
        QApplication::beep();
}
