#include "VariablesWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

void VariablesRecord::Update(std::vector<VariableShown> now, int changedLast) {
    variables = std::move(now);
    changed = changedLast >= 0 && static_cast<std::size_t>(changedLast) < variables.size()
                  ? changedLast
                  : -1;
}

void VariablesRecord::Clear() {
    variables.clear();
    changed = -1;
}

VariablesWindow::VariablesWindow(QWidget* programWindow)
    : QWidget(programWindow, Qt::Tool), mList(new QTreeWidget(this)), mStatus(new QLabel(this)) {
    setWindowTitle(tr("Variables"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    mList->setColumnCount(2);
    mList->setHeaderLabels({tr("Name"), tr("Value")});
    mList->setRootIsDecorated(false);
    mList->setSelectionMode(QAbstractItemView::NoSelection);
    mList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    mStatus->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(mList);
    layout->addWidget(mStatus);
    resize(220, 260);
}

void VariablesWindow::Show(const VariablesRecord& record) {
    mList->clear();
    for (std::size_t i = 0; i < record.variables.size(); ++i) {
        const VariableShown& variable = record.variables[i];
        auto* row = new QTreeWidgetItem(mList);
        row->setText(0, QString::fromUtf8(variable.name.data(),
                                          static_cast<qsizetype>(variable.name.size())));
        row->setText(1, QString::number(variable.value));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (static_cast<int>(i) == record.changed) {
            QFont bold = row->font(0);
            bold.setBold(true);
            row->setFont(0, bold);
            row->setFont(1, bold);
            row->setText(0, row->text(0) + QStringLiteral("  ◀"));
            row->setToolTip(0, tr("Changed last"));
        }
    }
    if (record.running)
        mStatus->setText(tr("Running…"));
    else if (record.variables.empty())
        mStatus->setText(tr("The last run had no variables."));
    else
        mStatus->setText(tr("Values at the end of the last run."));
    emit shown();
}

QStringList VariablesWindow::RowTexts() const {
    QStringList rows;
    for (int i = 0; i < mList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = mList->topLevelItem(i);
        QString name = row->text(0);
        const bool marked = name.endsWith(QStringLiteral("  ◀"));
        if (marked)
            name.chop(3);
        rows << name + QStringLiteral(" = ") + row->text(1) +
                    (marked ? QStringLiteral(" ◀") : QString());
    }
    return rows;
}
