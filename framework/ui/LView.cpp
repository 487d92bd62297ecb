#include "LView.h"

#include "LEventGuard.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QQueue>
#include <QResizeEvent>

namespace {
constexpr const char* kPaneIDProperty = "paneID";
}

PaneIDT paneIDOf(const QObject* object) {
    if (object == nullptr)
        return kNoPaneID;
    bool ok = false;
    const int id = object->property(kPaneIDProperty).toInt(&ok);
    return ok ? id : kNoPaneID;
}

LView::LView(QWidget* parent, PaneIDT paneID) : QWidget(parent) {
    if (paneID != kNoPaneID)
        SetPaneID(paneID);
}

LView::~LView() = default;

PaneIDT LView::GetPaneID() const {
    return paneIDOf(this);
}

void LView::SetPaneID(PaneIDT paneID) {
    setProperty(kPaneIDProperty, paneID);
}

QWidget* FindPaneBelow(QWidget* root, PaneIDT paneID) {
    if (root == nullptr)
        return nullptr;
    QQueue<QWidget*> pending;
    pending.enqueue(root);
    while (!pending.isEmpty()) {
        QWidget* widget = pending.dequeue();
        if (paneIDOf(widget) == paneID)
            return widget;
        for (QObject* child : widget->children()) {
            if (auto* childWidget = qobject_cast<QWidget*>(child))
                pending.enqueue(childWidget);
        }
    }
    return nullptr;
}

QWidget* LView::FindPaneByID(PaneIDT paneID) {
    return FindPaneBelow(this, paneID);
}

Rect LView::CalcLocalFrameRect() const {
    return Rect{0, 0, static_cast<std::int16_t>(std::min(height(), 32767)),
                static_cast<std::int16_t>(std::min(width(), 32767))};
}

void LView::Refresh() {
    update();
}

void LView::RefreshRect(const Rect& r) {
    if (!r.isEmpty())
        update(QRect(r.left, r.top, r.width(), r.height()));
}

QWidget* LView::GetContainingWindow() const {
    return isWindow() ? nullptr : window();
}

void LView::SetDescriptor(const QString& title) {
    if (QWidget* w = window())
        w->setWindowTitle(title);
}

void LView::FinishCreate() {
    if (mCreationFinished)
        return;
    mCreationFinished = true;
    FinishCreateSelf();
}

bool LView::event(QEvent* event) {
    bool handled = true;
    RunGuarded([&] {
        if (event->type() == QEvent::Enter) {
            const auto* enter = static_cast<QEnterEvent*>(event);
            AdjustMouseSelf(enter->position().toPoint(), enter->modifiers());
        } else if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            AdjustMouseSelf(move->position().toPoint(), move->modifiers());
        }
        handled = QWidget::event(event);
    });
    return handled;
}

void LView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    DrawSelf(painter, event->rect());
}

void LView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize oldSize = event->oldSize().isValid() ? event->oldSize() : QSize(0, 0);
    ResizeFrameBy(event->size().width() - oldSize.width(),
                  event->size().height() - oldSize.height());
}

void LView::DrawSelf(QPainter& /*painter*/, const QRect& /*area*/) {}

void LView::ResizeFrameBy(int /*widthDelta*/, int /*heightDelta*/) {}
