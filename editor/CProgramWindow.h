#pragma once

// The program window: an ordinary top-level window whose pane 1 is the program editor.

#include "LWindow.h"

#include <vector>

class CTextEditView;

constexpr ResIDT kProgramWindowResource = 1004;

class CProgramWindow : public LWindow {
    Q_OBJECT
public:
    static constexpr ClassIDT class_ID = 0x50726F67; // 'Prog'

    explicit CProgramWindow(LCommander* superCommander = nullptr);

    // Command 504: builds the window under superCommander, shows it and makes its editor the
    // target. Null when the window cannot be built.
    static CProgramWindow* MakeProgramWindow(LCommander* superCommander);
    CTextEditView* TextView() const;
    // The open program windows, front-most first.
    static std::vector<CProgramWindow*> ProgramWindows();

    void AttemptClose() override;
    void FinishCreateSelf() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void ActivateSelf() override;
};
