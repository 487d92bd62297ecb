#include "ParamAlert.h"

#include "LBroadcaster.h"
#include "StDialogHandler.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <optional>
#include <vector>

namespace {

bool gAlertShowing = false;
unsigned long gBeeps = 0;

constexpr MessageT kOKMessage = 900;
constexpr MessageT kCancelMessage = 901;

void beep() {
    ++gBeeps;
    QApplication::beep();
}

class StAlertShowing {
public:
    StAlertShowing() { gAlertShowing = true; }
    ~StAlertShowing() { gAlertShowing = false; }
    StAlertShowing(const StAlertShowing&) = delete;
    StAlertShowing& operator=(const StAlertShowing&) = delete;
};

bool isIcon(const QWidget* widget) {
    return widget->property(kAlertIconProperty).isValid();
}

// The dialog's static texts: labels that are not icons.
std::vector<QLabel*> staticTexts(QWidget* root) {
    std::vector<QLabel*> texts;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!isIcon(label))
            texts.push_back(label);
    }
    return texts;
}

// Each placeholder ^0..^3 replaced by its parameter in one pass, so a parameter's own text is
// never substituted again.
bool substitute(WideString& text, const std::array<WideString, 4>& parameters) {
    WideString result;
    bool replaced = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'^' && i + 1 < text.size() && text[i + 1] >= U'0' && text[i + 1] <= U'3') {
            result += parameters[static_cast<std::size_t>(text[i + 1] - U'0')];
            replaced = true;
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    if (replaced)
        text = std::move(result);
    return replaced;
}

void setPaneValue(QWidget* pane, std::int16_t value) {
    if (auto* button = qobject_cast<QAbstractButton*>(pane))
        button->setChecked(value != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(pane))
        spin->setValue(value);
    else if (auto* slider = qobject_cast<QAbstractSlider*>(pane))
        slider->setValue(value);
    else if (auto* field = qobject_cast<QLineEdit*>(pane))
        field->setText(QString::number(value));
}

// What the standard message box needs, when the dialog fits its form.
struct StandardForm {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString message;
    QString explanation;
    struct Button {
        QString title;
        std::int16_t item = 1;
        bool isDefault = false;
        bool isCancel = false;
    };
    std::vector<Button> buttons;
};

bool isPlainContainer(const QWidget* widget) {
    const QByteArray name = widget->metaObject()->className();
    return (name == "QWidget" || name == "QFrame") && paneIDOf(widget) == kNoPaneID;
}

std::optional<StandardForm> standardFormOf(QWidget* root) {
    if (root->layout())
        root->layout()->activate();
    StandardForm form;
    std::vector<std::pair<int, QString>> texts;
    bool iconSeen = false;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!isIcon(label)) {
                texts.emplace_back(label->mapTo(root, QPoint(0, 0)).y(), label->text());
                continue;
            }
            if (iconSeen)
                return std::nullopt;
            iconSeen = true;
            switch (label->property(kAlertIconProperty).toInt()) {
            case 0:
                form.icon = QMessageBox::Critical;
                break;
            case 1:
                form.icon = QMessageBox::Information;
                break;
            case 2:
                form.icon = QMessageBox::Warning;
                break;
            default:
                return std::nullopt;
            }
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            if (form.buttons.size() == 2)
                return std::nullopt;
            const MessageT message = messageOf(push);
            const auto number = static_cast<std::int16_t>(form.buttons.size() + 1);
            StandardForm::Button button{push->text(), number, false, false};
            if (message == kOKMessage) {
                button.item = 1;
                button.isDefault = true;
            } else if (message == kCancelMessage) {
                button.item = 2;
                button.isCancel = true;
            } else {
                button.isDefault = push->isDefault();
                button.isCancel = number == 2 && !push->isDefault();
            }
            form.buttons.push_back(button);
        } else if (!isPlainContainer(widget)) {
            return std::nullopt;
        }
    }
    if (texts.size() > 2)
        return std::nullopt;
    std::sort(texts.begin(), texts.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (!texts.empty())
        form.message = texts[0].second;
    if (texts.size() > 1)
        form.explanation = texts[1].second;
    return form;
}

// The arrow while an alert is up, whatever cursor a tool or a run had set.
class StArrowCursor {
public:
    StArrowCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~StArrowCursor() { QApplication::restoreOverrideCursor(); }
    StArrowCursor(const StArrowCursor&) = delete;
    StArrowCursor& operator=(const StArrowCursor&) = delete;
};

std::int16_t showStandardAlert(const StandardForm& form, int autoDismissSeconds) {
    const StArrowCursor arrow;
    QMessageBox box(form.icon, QString(), form.message, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setInformativeText(form.explanation);
    std::vector<std::pair<QPushButton*, std::int16_t>> items;
    QPushButton* defaultButton = nullptr;
    for (const StandardForm::Button& button : form.buttons) {
        QPushButton* made = box.addButton(button.title, button.isCancel ? QMessageBox::RejectRole
                                                                        : QMessageBox::AcceptRole);
        items.emplace_back(made, button.item);
        if (button.isDefault)
            defaultButton = made;
        if (button.isCancel)
            box.setEscapeButton(made);
    }
    if (items.empty()) {
        defaultButton = box.addButton(QMessageBox::Ok);
        items.emplace_back(defaultButton, 1);
    }
    if (defaultButton == nullptr)
        defaultButton = items.front().first;
    box.setDefaultButton(defaultButton);
    if (autoDismissSeconds > 0)
        QTimer::singleShot(autoDismissSeconds * 1000, &box,
                           [defaultButton] { defaultButton->click(); });
    box.exec();
    for (const auto& [button, item] : items) {
        if (box.clickedButton() == button)
            return item;
    }
    return 1;
}

} // namespace

ParamAlert::ParamAlert(ResIDT alertID) : mAlertID(alertID) {}

ParamAlert::~ParamAlert() = default;

void ParamAlert::SetParameter(int index, const QString& text) {
    if (index < 0 || index > 3)
        return;
    mParameters[static_cast<std::size_t>(index)] = WideFromQString(text);
}

void ParamAlert::SetParameter(int index, const LStr255& text) {
    if (index < 0 || index > 3)
        return;
    mParameters[static_cast<std::size_t>(index)] = Str255ToWide(text);
}

bool ParamAlert::AlertShowing() {
    return gAlertShowing;
}

unsigned long ParamAlert::BeepCount() {
    return gBeeps;
}

std::int16_t ParamAlert::Show(LCommander* super, std::int16_t pane3Value, int autoDismissSeconds) {
    if (pane3Value == kDontShow || gAlertShowing)
        return 1;
    const StAlertShowing showing;
    beep();
    std::int16_t result = 1;
    bool failed = false;
    try {
        result = showOrFail(super, pane3Value, autoDismissSeconds);
    } catch (...) {
        failed = true;
    }
    if (failed) {
        beep();
        return 1;
    }
    return result;
}

std::int16_t ParamAlert::showOrFail(LCommander* super, std::int16_t pane3Value,
                                    int autoDismissSeconds) {
    if (!mDialog) {
        mDialog = std::make_unique<StDialogHandler>(
            mAlertID, super != nullptr ? super : LCommander::GetTarget(), std::vector<MessageT>{});
    }
    QDialog* dialog = mDialog->GetDialog();
    if (QWidget* pane3 = mDialog->FindPaneByID(3))
        setPaneValue(pane3, pane3Value);
    if (QWidget* pane4 = mDialog->FindPaneByID(4))
        SetPaneTextWide(pane4, mParameters[0]);
    const std::vector<QLabel*> texts = staticTexts(dialog);
    for (QLabel* label : texts) {
        if (paneIDOf(label) == 4)
            continue; // holds parameter 0 as it is
        WideString text = GetPaneTextWide(label);
        if (substitute(text, mParameters))
            SetPaneTextWide(label, text);
    }
    if (texts.size() <= 2) {
        if (const std::optional<StandardForm> form = standardFormOf(dialog))
            return showStandardAlert(*form, autoDismissSeconds);
    }
    if (autoDismissSeconds > 0)
        QTimer::singleShot(autoDismissSeconds * 1000, dialog,
                           [this] { mDialog->ListenToMessage(kOKMessage, nullptr); });
    dialog->setWindowModality(Qt::ApplicationModal);
    const MessageT message = mDialog->DoDialog();
    dialog->hide();
    switch (message) {
    case kOKMessage:
        return 1;
    case kCancelMessage:
    case msg_Nothing:
        return 2;
    default:
        return static_cast<std::int16_t>(message);
    }
}
