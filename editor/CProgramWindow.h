#pragma once

// The program window: an ordinary top-level window whose pane 1 is the program editor.

#include "LWindow.h"

#include <QPointer>
#include <cstdint>
#include <vector>

class CTextEditView;
class StartingPaceControl;
class VariablesWindow;

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

    StartingPaceControl* PaceControl() const { return mPace; }
    // Shows the level every run starts at (the application keeps it).
    void ShowStartingPace(std::int32_t level);
    // The window's variables window, made on first use when create is set.
    VariablesWindow* Variables(bool create);
    // Opens the variables window beside this one.
    void ShowVariablesWindow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void ActivateSelf() override;

private:
    StartingPaceControl* mPace = nullptr;
    QPointer<VariablesWindow> mVariables;
};
