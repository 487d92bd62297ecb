#pragma once

// The line numbers beside the program text.

#include <QWidget>

class CTextEditView;

class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(CTextEditView* editor);

    int WidthForLines() const;
    QSize sizeHint() const override { return {WidthForLines(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CTextEditView* mEditor;
};
