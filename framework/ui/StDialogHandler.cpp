#include "StDialogHandler.h"

#include "LEventGuard.h"
#include "LView.h"

#include <QAbstractButton>
#include <QVBoxLayout>
#include <algorithm>

MessageT messageOf(const QObject* object) {
    if (object == nullptr)
        return msg_Nothing;
    bool ok = false;
    const int message = object->property("message").toInt(&ok);
    return ok ? message : msg_Nothing;
}

StDialogHandler::StDialogHandler(ResIDT id, LCommander* superCommander,
                                 std::vector<MessageT> endingMessages)
    : LCommander(superCommander), mDialog(std::make_unique<QDialog>()),
      mEndingMessages(std::move(endingMessages)) {
    BuildViewResource(id, mDialog.get(), this);
    mControls.AddListener(this);
    for (QAbstractButton* button : mDialog->findChildren<QAbstractButton*>()) {
        const MessageT message = messageOf(button);
        if (message == msg_Nothing)
            continue;
        QObject::connect(button, &QAbstractButton::clicked, mDialog.get(), [this, button, message] {
            RunGuarded([&] {
                int value = button->isChecked() ? 1 : 0;
                mControls.BroadcastMessage(message, &value);
            });
        });
    }
    FinishCreateViews(mDialog.get());
}

StDialogHandler::~StDialogHandler() = default;

QWidget* StDialogHandler::FindPaneByID(PaneIDT paneID) const {
    return FindPaneBelow(mDialog.get(), paneID);
}

MessageT StDialogHandler::DoDialog() {
    mEndingMessage = msg_Nothing;
    mDialog->exec();
    return mEndingMessage;
}

void StDialogHandler::ListenToMessage(MessageT message, void* /*ioParam*/) {
    mLastMessage = message;
    const bool ends =
        mEndingMessages.empty() ||
        std::find(mEndingMessages.begin(), mEndingMessages.end(), message) != mEndingMessages.end();
    if (!ends)
        return;
    mEndingMessage = message;
    mDialog->done(QDialog::Accepted);
}
