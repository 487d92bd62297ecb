#pragma once

// Answers each message box that becomes modal by clicking one of its buttons, as a user would.
// A box that five clicks do not end (its events are not getting through) is closed by hand, so
// that a fault never hangs the test.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

struct MessageBoxAnswerer {
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button) {
        timer.callOnTimeout([this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            if (box != current) {
                current = box;
                clicks = 0;
                ++shown;
            }
            if (clicks++ < 5 && box->button(button) != nullptr) {
                QTest::mouseClick(box->button(button), Qt::LeftButton);
            } else {
                ++stuck;
                box->done(QMessageBox::Cancel);
            }
        });
        timer.start(20);
    }

    int shown = 0; // boxes seen
    int stuck = 0; // boxes that the clicks did not end
    QTimer timer;
    QPointer<QMessageBox> current;
    int clicks = 0;
};
