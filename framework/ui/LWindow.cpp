#include "LWindow.h"

#include "LApplication.h"
#include "LEventGuard.h"
#include "LException.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <algorithm>

namespace {

// The application's window list, most recently activated first.
std::vector<LWindow*>& activationOrder() {
    static std::vector<LWindow*> order;
    return order;
}

WindowLayer layerNamed(const QVariant& value, WindowLayer fallback) {
    const QString name = value.toString().toLower();
    if (name == QLatin1String("floating"))
        return WindowLayer::Floating;
    if (name == QLatin1String("modal"))
        return WindowLayer::Modal;
    if (name == QLatin1String("regular"))
        return WindowLayer::Regular;
    return fallback;
}

std::unique_ptr<LWindow> makeWindowOfClass(ClassIDT classID, LCommander* superCommander) {
    if (classID == 0 || classID == LWindow::class_ID)
        return std::make_unique<LWindow>(superCommander);
    std::unique_ptr<QWidget> made = MakeRegisteredObject(classID, nullptr, superCommander);
    auto* window = qobject_cast<LWindow*>(made.get());
    if (window == nullptr)
        throw LException(kParamError); // the class is a view, not a window
    (void)made.release();
    return std::unique_ptr<LWindow>(window);
}

} // namespace

LWindow::LWindow(LCommander* superCommander, WindowLayer layer)
    : QMainWindow(nullptr), LCommander(superCommander), mLayer(WindowLayer::Regular) {
    SetLayer(layer);
    setAcceptDrops(true); // files dropped on a window are opened (see LApplication)
    activationOrder().push_back(this);
    InstallMenuBar();
}

LWindow::~LWindow() {
    auto& order = activationOrder();
    order.erase(std::remove(order.begin(), order.end(), this), order.end());
}

LWindow* LWindow::CreateWindow(ResIDT id, LCommander* superCommander) {
    auto content = std::make_unique<QWidget>();
    RunViewResourceBuilder(id, content.get());

    std::unique_ptr<LWindow> window = makeWindowOfClass(classIDOf(content.get()), superCommander);
    window->SetLayer(layerNamed(content->property("windowLayer"), window->GetLayer()));
    if (!content->windowTitle().isEmpty())
        window->setWindowTitle(content->windowTitle());
    const QSize size = content->size();
    content->setProperty("classID", QVariant()); // the root named the window, not a view
    QWidget* contentView = content.get();
    window->setCentralWidget(content.release());
    ReplaceClassPlaceholders(contentView, window.get());
    window->resize(size);
    window->InstallMenuBar();

    FinishCreateViews(contentView);
    window->FinishCreateSelf();

    if (superCommander == nullptr)
        return window.release(); // the caller owns it
    return static_cast<LWindow*>(superCommander->AdoptSubCommander(std::move(window)));
}

void LWindow::SetLayer(WindowLayer layer) {
    mLayer = layer;
    setWindowFlag(Qt::Tool, layer == WindowLayer::Floating);
    // Floating windows stay above the documents; they are hidden while the program is in the
    // background (see LApplication), so they never cover other programs.
    setWindowFlag(Qt::WindowStaysOnTopHint, layer == WindowLayer::Floating);
    setWindowModality(layer == WindowLayer::Modal ? Qt::ApplicationModal : Qt::NonModal);
}

QWidget* LWindow::FindPaneByID(PaneIDT paneID) const {
    return FindPaneBelow(centralWidget(), paneID);
}

void LWindow::Show() {
    mSuspended = false;
    show();
}

void LWindow::Select() {
    Show();
    raise();
    activateWindow();
    moveToFrontOfOrder();
    ActivateSelf();
}

void LWindow::Hide() {
    mSuspended = false;
    hide();
}

void LWindow::AttemptClose() {
    LCommander* super = GetSuperCommander();
    if (super != nullptr && !super->AllowSubRemoval(this))
        return;
    DoClose();
}

void LWindow::DoClose() {
    Hide();
    LCommander* super = GetSuperCommander();
    if (super != nullptr && super->OwnsSubCommander(this))
        DetachAndDeleteLater();
}

bool LWindow::hasInSubtree(const LCommander* commander) const {
    std::vector<const LCommander*> pending{this};
    while (!pending.empty()) {
        const LCommander* c = pending.back();
        pending.pop_back();
        if (c == commander)
            return true;
        for (const LCommander* sub : c->GetSubCommanders())
            pending.push_back(sub);
    }
    return false;
}

LCommander* LWindow::GetLatentSub() const {
    // The sub may have died since it was noted; only a pointer still in the tree is trusted.
    return mLatentSub != nullptr && hasInSubtree(mLatentSub) ? mLatentSub : nullptr;
}

bool LWindow::ObeyCommand(CommandT command, void* ioParam) {
    if (command == cmd_Close) {
        AttemptClose();
        return true;
    }
    return LCommander::ObeyCommand(command, ioParam);
}

void LWindow::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (command == cmd_Close) {
        status.enabled = true;
        return;
    }
    LCommander::FindCommandStatus(command, status);
}

std::vector<LWindow*> LWindow::WindowsInActivationOrder() {
    return activationOrder();
}

LWindow* LWindow::FrontWindow(WindowLayer layer) {
    for (LWindow* window : activationOrder()) {
        if (window->GetLayer() == layer && window->isVisible())
            return window;
    }
    return nullptr;
}

void LWindow::SuspendFloatingWindows() {
    for (LWindow* window : activationOrder()) {
        if (window->GetLayer() == WindowLayer::Floating && window->isVisible()) {
            window->hide();
            window->mSuspended = true;
        }
    }
}

void LWindow::ResumeFloatingWindows() {
    for (LWindow* window : activationOrder()) {
        if (window->mSuspended) {
            window->mSuspended = false;
            window->show();
        }
    }
}

void LWindow::InstallMenuBar() {
    LApplication* app = LApplication::GetCurrent();
    if (app == nullptr || mLayer != WindowLayer::Regular) // palettes and dialogs carry no menu
        return;
    app->GetMenuBar().InstallOn(menuBar());
}

bool LWindow::event(QEvent* event) {
    bool handled = true;
    RunGuarded([&] { handled = QMainWindow::event(event); });
    return handled;
}

void LWindow::closeEvent(QCloseEvent* event) {
    // The window decides itself: refuse, hide or close and delete.
    event->ignore();
    AttemptClose();
}

void LWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        moveToFrontOfOrder();
        ActivateSelf();
    } else if (LCommander* target = GetTarget(); target != nullptr && target->IsInChainOf(this)) {
        mLatentSub = target;
    }
}

void LWindow::keyPressEvent(QKeyEvent* event) {
    if (!LCommander::DispatchKeyPress(*event))
        QMainWindow::keyPressEvent(event);
}

void LWindow::ActivateSelf() {
    LCommander* target = GetTarget();
    if (target != nullptr && target->IsInChainOf(this))
        return;
    LCommander* latent = GetLatentSub();
    SwitchTarget(latent != nullptr ? latent : this);
}

void LWindow::moveToFrontOfOrder() {
    auto& order = activationOrder();
    const auto it = std::find(order.begin(), order.end(), this);
    if (it != order.end())
        std::rotate(order.begin(), it, it + 1);
}
