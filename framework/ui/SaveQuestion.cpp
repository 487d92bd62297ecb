#include "SaveQuestion.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

struct SaveQuestion {
    Q_DECLARE_TR_FUNCTIONS(SaveQuestion)
};

void label(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
    if (QAbstractButton* button = box.button(which))
        button->setText(text);
}

} // namespace

void LabelSaveQuestionButtons(QMessageBox& box) {
    label(box, QMessageBox::Save, SaveQuestion::tr("&Save"));
    label(box, QMessageBox::Discard, SaveQuestion::tr("&Don't Save"));
    label(box, QMessageBox::Cancel, SaveQuestion::tr("Cancel"));
}
