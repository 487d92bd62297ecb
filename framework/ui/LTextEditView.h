#pragma once

// The framework's styled text editor: a plain text view that is also a commander. Typing, cut,
// paste and clear go onto the editor's own multi-level history, which command 11 walks while
// the editor is the target. The text never grows past a limit counted in UTF-8 bytes: typing,
// paste, drop and programmatic insertion are all refused when they would pass it.

#include "LCommander.h"
#include "LView.h"

#include <QPlainTextEdit>
#include <cstdint>

class LTextEditView : public QPlainTextEdit, public LCommander {
    Q_OBJECT
public:
    static constexpr std::int32_t kDefaultMaxBytes = 31744;

    explicit LTextEditView(QWidget* parent = nullptr, LCommander* superCommander = nullptr);
    ~LTextEditView() override;

    std::int32_t MaxTextBytes() const { return mMaxBytes; }
    void SetMaxTextBytes(std::int32_t bytes) { mMaxBytes = bytes; }

    // The whole text in UTF-8 bytes (cached between changes).
    std::int32_t TextBytes() const;
    std::int32_t SelectionBytes() const;
    // Whether text of that many bytes may replace the selection.
    bool MayInsertBytes(std::int64_t bytes) const;

    // Replaces the selection with text, as one undoable step; false (and nothing changes) when
    // the text would pass the limit.
    bool InsertText(const QString& text);
    // Replaces the whole text without history; not a user change.
    void SetTextQuietly(const QString& text);

    // Makes the editor the target and gives it the keyboard focus.
    void BecomeTarget();

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

protected:
    // Called after every change of the text by the user, and after InsertText.
    virtual void UserChangedText() {}
    // A key the subclass wants first; true when it took it.
    virtual bool HandleEditorKey(QKeyEvent& event);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void noteContentsChange();

    std::int32_t mMaxBytes = kDefaultMaxBytes;
    mutable std::int32_t mCachedBytes = -1;
    int mQuietDepth = 0;
};

// The character at a position: its UTF-16 units and its UTF-8 bytes (a lone surrogate is written
// as the replacement character, three bytes).
struct Utf8Step {
    int units;
    int bytes;
};
Utf8Step Utf8StepAt(QStringView text, qsizetype position);

// UTF-8 length of a text without making the bytes.
std::int64_t Utf8Length(QStringView text);
