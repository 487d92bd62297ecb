#pragma once

// A rectangular pane with a pane ID and local coordinates (origin at its top-left corner).
// Views are widgets; a view resource builds them and sets the pane ID as the dynamic property
// "paneID". The virtual steps are the view's part of the framework: draw, click, cursor,
// resize and the creation-complete step after the whole window is built.

#include "Geometry.h"

#include <QWidget>
#include <cstdint>

using PaneIDT = std::int32_t;
constexpr PaneIDT kNoPaneID = 0;

class LView : public QWidget {
    Q_OBJECT
public:
    explicit LView(QWidget* parent = nullptr, PaneIDT paneID = kNoPaneID);
    ~LView() override;

    PaneIDT GetPaneID() const;
    void SetPaneID(PaneIDT paneID);

    // The first widget at or below this one with the pane ID (breadth first), or null.
    QWidget* FindPaneByID(PaneIDT paneID);

    // (0, 0, height, width).
    Rect CalcLocalFrameRect() const;
    // Redraw all or part at the next update.
    void Refresh();
    void RefreshRect(const Rect& r);

    // The window that contains the view (the top-level widget), or null when the view is one.
    QWidget* GetContainingWindow() const;

    virtual void SetDescriptor(const QString& title);

    // The creation-complete step: runs FinishCreateSelf the first time only. The window
    // builder calls it on every view once the whole window is built.
    void FinishCreate();
    bool IsCreationFinished() const { return mCreationFinished; }
    // Called once after the view hierarchy this view belongs to is built.
    virtual void FinishCreateSelf() {}

    // Makes the view ready for drawing into the current port; painting itself goes through
    // paintEvent, so here there is nothing to prepare. True when drawing may go on.
    virtual bool FocusDraw() { return true; }
    // The cursor step: called when the mouse enters or moves over the view (local position).
    virtual void AdjustMouseSelf(const QPoint& /*where*/, Qt::KeyboardModifiers /*modifiers*/) {}

protected:
    // Every event of the view runs inside a guard: an exception ends that event only.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Draws the given part of the view; the painter is clipped to it.
    virtual void DrawSelf(QPainter& painter, const QRect& area);
    virtual void ResizeFrameBy(int widthDelta, int heightDelta);

private:
    bool mCreationFinished = false;
};

// The pane ID of any widget (0 when it has none).
PaneIDT paneIDOf(const QObject* object);

// The first widget at or below root with the pane ID (breadth first), or null.
QWidget* FindPaneBelow(QWidget* root, PaneIDT paneID);
