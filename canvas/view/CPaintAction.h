#pragma once

// The undoable paint step: a copy of the picture from before a click or a clear, exchanged
// with the canvas by both undo and redo.

#include "CGWorld.h"
#include "LAction.h"

#include <QPointer>

class CPaintWindow;

constexpr std::int16_t kPaintActionStringsID = 150;
constexpr std::int16_t kPaintActionStringIndex = 2;

class CPaintAction : public LAction {
public:
    // Copies the view's canvas now. Without a view, a canvas or the memory for the copy, the
    // action can never be undone.
    // stringIndex names the step in 'STR#' 150 (painting, a program run).
    explicit CPaintAction(CPaintWindow* view, std::int16_t stringIndex = kPaintActionStringIndex);
    ~CPaintAction() override;

    bool CanUndo() const override;
    bool CanRedo() const override;

    // Exchanges the picture and the copy. When the canvas has been remade with another size
    // since the copy was taken, only the part both share, aligned at their top-left corners, is
    // exchanged.
    void swapSnapshot();

    const CGWorld& paintSnapshot() const { return mPaintSnapshot; }

protected:
    void UndoSelf() override { swapSnapshot(); }
    void RedoSelf() override { swapSnapshot(); }

private:
    bool canSwap() const;

    CGWorld mPaintSnapshot;
    // Guarded: the undoer may outlive the view's window.
    QPointer<CPaintWindow> mPaintView;
};
