#pragma once

// The buttons of the questions that may lose changes, labelled in the interface language whether
// or not Qt's own catalogues are installed.

#include <QMessageBox>

// Save, Don't Save (the Discard button) and Cancel, where the box has them.
void LabelSaveQuestionButtons(QMessageBox& box);
