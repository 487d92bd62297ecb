#include "CHideWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Room left between stacked palettes for the lower one's title bar.
constexpr int kStackGap = 32;

} // namespace

CHideWindow::CHideWindow(LCommander* superCommander)
    : LWindow(superCommander, WindowLayer::Floating) {
    // A title and a close box: a palette is neither minimised nor maximised.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
}

CHideWindow* CHideWindow::MakePalette(ResIDT id, LCommander* superCommander) {
    auto window = std::make_unique<CHideWindow>(superCommander);
    auto content = std::make_unique<QWidget>();
    BuildViewResource(id, content.get(), window.get());
    if (!content->windowTitle().isEmpty())
        window->setWindowTitle(content->windowTitle());
    content->setProperty("classID", QVariant());
    QWidget* contentView = content.get();
    const QSize size = content->sizeHint().expandedTo(content->size());
    window->setCentralWidget(content.release());
    window->setFixedSize(size);
    FinishCreateViews(contentView);
    window->FinishCreateSelf();
    window->PlaceAtTopRight();
    if (superCommander == nullptr)
        return window.release();
    return static_cast<CHideWindow*>(superCommander->AdoptSubCommander(std::move(window)));
}

void CHideWindow::PlaceAtTopRight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect bounds = screen->geometry();
    setGeometry(QRect(
        QPoint(bounds.right() + 1 - width() - kRightOffset, bounds.top() + kTopOffset), size()));
}

void CHideWindow::PlaceBelow(const QWidget& above) {
    const QRect upper = above.geometry();
    setGeometry(QRect(QPoint(upper.right() + 1 - width(), upper.bottom() + 1 + kStackGap), size()));
}

void CHideWindow::AttemptClose() {
    LCommander* super = GetSuperCommander();
    if (super != nullptr && !super->AllowSubRemoval(this))
        return;
    Hide();
}
