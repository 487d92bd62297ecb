#pragma once

// A top-level window whose content is a view hierarchy, usually built from a view resource.
// It is also a commander: the views inside it are its sub commanders, and it answers the close
// command. Windows belong to a layer and keep a process-wide activation order.

#include "LCommander.h"
#include "LView.h"
#include "ViewResources.h"

#include <QMainWindow>
#include <vector>

enum class WindowLayer { Floating, Regular, Modal };

class LWindow : public QMainWindow, public LCommander {
    Q_OBJECT
public:
    static constexpr ClassIDT class_ID = FourCC("wind");

    explicit LWindow(LCommander* superCommander = nullptr,
                     WindowLayer layer = WindowLayer::Regular);
    ~LWindow() override;

    // Builds the window of view resource id. The window class is the one registered under the
    // root's "classID" property (LWindow when there is none); the root's "windowLayer"
    // property ("floating", "regular", "modal") sets the layer, its title and size the window's. A
    // non-null super commander adopts the window and owns it from then on; without one the caller
    // owns it (hold it in a std::unique_ptr). Throws LException when the resource or a named class
    // is not registered.
    static LWindow* CreateWindow(ResIDT id, LCommander* superCommander);

    WindowLayer GetLayer() const { return mLayer; }
    void SetLayer(WindowLayer layer);

    // The first widget in the content with the pane ID, or null.
    QWidget* FindPaneByID(PaneIDT paneID) const;

    void Show();
    // Shows, raises and activates; the window becomes the first of the activation order.
    void Select();
    void Hide();

    // Close box and command 4. Asks the super commander (AllowSubRemoval); if it agrees,
    // DoClose. Subclasses may refuse or hide instead.
    virtual void AttemptClose();
    // Hides the window; when its super commander owns it the window is also deleted soon after.
    virtual void DoClose();

    // Called once after the window and all its views are built.
    virtual void FinishCreateSelf() {}

    // The commander that becomes the target when this window is activated.
    void SetLatentSub(LCommander* sub) { mLatentSub = sub; }
    LCommander* GetLatentSub() const;

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

    // Every live window, the most recently activated first (new windows join at the back).
    static std::vector<LWindow*> WindowsInActivationOrder();
    // The first visible window of the layer in activation order, or null.
    static LWindow* FrontWindow(WindowLayer layer);

    // Hide the visible floating windows around a modal dialog, and show them again.
    static void SuspendFloatingWindows();
    static void ResumeFloatingWindows();

    // Rebuilds the menu bar from the application's definition (no-op without an application).
    void InstallMenuBar();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Called when the window becomes the active one: makes its latent sub (or itself) the target.
    virtual void ActivateSelf();

private:
    void moveToFrontOfOrder();
    bool hasInSubtree(const LCommander* commander) const;

    WindowLayer mLayer;
    LCommander* mLatentSub = nullptr;
    bool mSuspended = false;
};

// Registers a window class whose constructor takes (LCommander* superCommander).
template <typename Window> void RegisterWindowClass(ClassIDT classID) {
    RegisterClass(classID, [](QWidget*, LCommander* super) -> std::unique_ptr<QWidget> {
        return std::make_unique<Window>(super);
    });
}

// Hides the floating windows for the life of a modal dialog, on every way out.
class StFloatingWindowsSuspended {
public:
    StFloatingWindowsSuspended() { LWindow::SuspendFloatingWindows(); }
    ~StFloatingWindowsSuspended() { LWindow::ResumeFloatingWindows(); }
    StFloatingWindowsSuspended(const StFloatingWindowsSuspended&) = delete;
    StFloatingWindowsSuspended& operator=(const StFloatingWindowsSuspended&) = delete;
};
