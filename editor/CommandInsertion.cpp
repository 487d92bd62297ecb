#include "CommandInsertion.h"

#include "LanguageTables.h"
#include "StDialogHandler.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <memory>

namespace {

constexpr MessageT kOKMessage = 900;
constexpr MessageT kCancelMessage = 901;

QString keyword(int slot) {
    return QString::fromUtf8(KeywordSet1(slot).view());
}

bool sameWord(const QString& word, int slot) {
    const QString key = keyword(slot);
    return !key.isEmpty() && word.toUpper() == key.toUpper();
}

struct SlotNeed {
    int keywordSlots[5];
    int count;
    ArgumentNeed need;
};

// In the order the words are compared.
constexpr SlotNeed kNeeds[] = {
    {{2}, 1, {kCountDialog, false}},
    {{3}, 1, {kSymmetryDialog, false}},
    {{6, 7, 8, 9, 10}, 5, {kDistanceDialog, false}},
    {{11, 12}, 2, {kAngleDialog, false}},
    {{13}, 1, {kCountDialog, true}},
    {{15, 16}, 2, {kColourDialog, false}},
    {{20}, 1, {kDistanceDialog, false}},
    {{19}, 1, {kCountDialog, false}},
    {{0}, 1, {kShapeDialog, true}},
    {{kCommentSlot}, 1, {kCommentDialog, false}},
};

// Messages from 0 to 899 do not end an argument dialog; any other does.
class ArgumentDialogHandler : public StDialogHandler {
public:
    using StDialogHandler::StDialogHandler;
    void ListenToMessage(MessageT message, void* ioParam) override {
        if (message >= 0 && message < kOKMessage)
            return;
        StDialogHandler::ListenToMessage(message, ioParam);
    }
};

// The colour buttons carry 1000 times their colour's place in the first colour list.
void titleColourButtons(StDialogHandler& dialog) {
    for (QAbstractButton* button : dialog.GetDialog()->findChildren<QAbstractButton*>()) {
        const MessageT message = messageOf(button);
        const int place = message / 1000;
        if (message >= 1000 && message % 1000 == 0 && place <= kColourSlots) {
            const QString name = QString::fromUtf8(ColourName1(place - 1).view());
            if (!name.isEmpty())
                button->setText(name);
        }
    }
}

} // namespace

ArgumentNeed ArgumentNeedFor(const QString& word) {
    InitLanguageTables();
    for (const SlotNeed& entry : kNeeds) {
        for (int i = 0; i < entry.count; ++i) {
            if (sameWord(word, entry.keywordSlots[i]))
                return entry.need;
        }
    }
    return {};
}

bool IsCommentWord(const QString& word) {
    InitLanguageTables();
    return sameWord(word, kCommentSlot);
}

std::optional<QString> AskArgument(ResIDT dialogID, LCommander* superCommander,
                                   const QString& word) {
    std::unique_ptr<ArgumentDialogHandler> dialog;
    try {
        dialog = std::make_unique<ArgumentDialogHandler>(dialogID, superCommander,
                                                         std::vector<MessageT>{});
    } catch (...) {
        return QString();
    }
    if (dialogID == kColourDialog)
        titleColourButtons(*dialog);
    if (!word.isEmpty())
        dialog->GetDialog()->setWindowTitle(word);
    auto* field = qobject_cast<QLineEdit*>(dialog->FindPaneByID(3));
    if (field != nullptr) {
        field->selectAll();
        field->setFocus();
    }
    const MessageT message = dialog->DoDialog();
    if (message == kCancelMessage || message == msg_Nothing)
        return std::nullopt;
    if (message == kOKMessage)
        return field != nullptr ? field->text().trimmed() : QString();
    if (message == -1)
        return QStringLiteral("0");
    const int place = message / 1000;
    if (dialogID == kColourDialog && place >= 1 && place <= kColourSlots)
        return QString::fromUtf8(ColourName1(place - 1).view());
    return QString::number(place);
}

CommandInsertion MakeCommandInsertion(const QString& word, const QString& argument, bool block,
                                      bool followedByText) {
    CommandInsertion insertion;
    insertion.text = word;
    if (!argument.isEmpty())
        insertion.text += QLatin1Char(' ') + argument;
    insertion.text += QLatin1Char('\n');
    insertion.caretOffset = static_cast<int>(insertion.text.size());
    if (block) {
        insertion.text += QLatin1Char('\n') + keyword(14);
        if (followedByText)
            insertion.text += QLatin1Char('\n');
    }
    if (!block)
        insertion.caretOffset = static_cast<int>(insertion.text.size());
    return insertion;
}
