#pragma once

// The variables of the last run, and the small tool window beside the program window that
// lists them: name and value in the order the program introduces them, the one that changed
// last marked.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

struct VariableShown {
    std::string name;
    std::int32_t value = 0;
};

// What the window shows; kept by the editor, so that the window may open after the run.
struct VariablesRecord {
    std::vector<VariableShown> variables;
    int changed = -1;     // index of the variable that changed last, -1 for none
    bool running = false; // the values are those of a run still going on

    // Takes new values; changedLast is the index of the variable whose value an assignment
    // changed last, or -1.
    void Update(std::vector<VariableShown> now, int changedLast);
    void Clear();
};

class VariablesWindow : public QWidget {
    Q_OBJECT
public:
    explicit VariablesWindow(QWidget* programWindow);

    void Show(const VariablesRecord& record);
    // Rows as the user reads them: "name = value", with " ◀" after the marked one.
    QStringList RowTexts() const;

signals:
    void shown();

private:
    QTreeWidget* mList = nullptr;
    QLabel* mStatus = nullptr;
};
