#pragma once

// Answers the message boxes that become modal, as a user would: by clicking one of their buttons
// with real mouse events. A box that a few clicks do not end (its events are not getting through)
// is closed by hand after a while, so that a faulty run never hangs the test.

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button,
                                std::function<void()> onShown = {})
        : mButton(button), mOnShown(std::move(onShown)) {
        mTimer.setInterval(20);
        connect(&mTimer, &QTimer::timeout, this, &MessageBoxAnswerer::tryToAnswer);
        mTimer.start();
    }

    int shown = 0;    // boxes seen
    int stuck = 0;    // boxes that clicks did not end
    QString lastText; // the text of the last box seen

private:
    void tryToAnswer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (box != mCurrent) {
            mCurrent = box;
            mClicks = 0;
            ++shown;
            lastText = box->text();
            if (mOnShown)
                mOnShown();
        }
        if (mClicks++ < kClicksBeforeGivingUp) {
            if (QAbstractButton* button = box->button(mButton))
                QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        ++stuck;
        box->done(QMessageBox::Cancel);
    }

    static constexpr int kClicksBeforeGivingUp = 5;
    QMessageBox::StandardButton mButton;
    std::function<void()> mOnShown;
    QTimer mTimer;
    QPointer<QMessageBox> mCurrent;
    int mClicks = 0;
};
