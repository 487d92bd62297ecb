#pragma once

// A modal dialog built from a view resource. Every button in it that carries the dynamic
// property "message" broadcasts that message when clicked; the handler listens and ends the
// dialog on one of its ending messages (any message when none are given).

#include "LBroadcaster.h"
#include "LCommander.h"
#include "LView.h"
#include "ViewResources.h"

#include <QDialog>
#include <memory>
#include <vector>

class QAbstractButton;

class StDialogHandler : public LListener, public LCommander {
public:
    // Throws LException when the view resource is not registered.
    StDialogHandler(ResIDT id, LCommander* superCommander,
                    std::vector<MessageT> endingMessages = {});
    ~StDialogHandler() override;

    QDialog* GetDialog() const { return mDialog.get(); }
    QWidget* FindPaneByID(PaneIDT paneID) const;
    // The broadcaster of a button with a "message" property, so others can listen too.
    LBroadcaster& GetControlBroadcaster() { return mControls; }

    // Runs the dialog until an ending message; returns it, or msg_Nothing when the dialog was
    // closed otherwise (close box, Escape).
    MessageT DoDialog();
    // The last message heard (also non-ending ones).
    MessageT GetLastMessage() const { return mLastMessage; }

    void ListenToMessage(MessageT message, void* ioParam) override;

private:
    std::unique_ptr<QDialog> mDialog;
    LBroadcaster mControls;
    std::vector<MessageT> mEndingMessages;
    MessageT mLastMessage = msg_Nothing;
    MessageT mEndingMessage = msg_Nothing;
};

// The message a widget carries in its "message" property, or msg_Nothing.
MessageT messageOf(const QObject* object);
