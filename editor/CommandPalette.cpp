#include "CommandPalette.h"

#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorCommands.h"
#include "KeywordMenus.h"
#include "LCommander.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString& lastClickedWord() {
    static QString word;
    return word;
}

} // namespace

QString LastClickedPaletteWord() {
    return lastClickedWord();
}

CCommandPaletteView::CCommandPaletteView(QWidget* parent)
    : LView(parent), mLayout(new QVBoxLayout(this)) {
    mLayout->setContentsMargins(4, 4, 4, 4);
    mLayout->setSpacing(2);
    RebuildButtons();
}

void CCommandPaletteView::RebuildButtons() {
    while (QLayoutItem* item = mLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const QString& word : StatementWords()) {
        auto* button = new QPushButton(word, this);
        button->setFocusPolicy(Qt::NoFocus); // the editor keeps the keyboard
        connect(button, &QPushButton::clicked, this, [word] {
            lastClickedWord() = word;
            // A click may have made the palette itself the target: the words are meant for the
            // front program window.
            const std::vector<CProgramWindow*> programs = CProgramWindow::ProgramWindows();
            CTextEditView* editor = programs.empty() ? nullptr : programs.front()->TextView();
            if (editor != nullptr && !dynamic_cast<CTextEditView*>(LCommander::GetTarget()))
                editor->ObeyCommand(EditorCommand::kInsertPaletteWord, nullptr);
            else
                LCommander::DispatchCommand(EditorCommand::kInsertPaletteWord);
        });
        mLayout->addWidget(button);
    }
    mLayout->addStretch(1);
}
