#include "StartingPace.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <array>

namespace {

constexpr std::array<NamedPace, 5> kPaces = {{
    {QT_TRANSLATE_NOOP("StartingPace", "Fastest"), 0},
    {QT_TRANSLATE_NOOP("StartingPace", "Normal"), 1},
    {QT_TRANSLATE_NOOP("StartingPace", "Slow"), 5},
    {QT_TRANSLATE_NOOP("StartingPace", "Step by Step"), 12},
    {QT_TRANSLATE_NOOP("StartingPace", "Very Slow"), 30},
}};

} // namespace

std::span<const NamedPace> NamedPaces() {
    return kPaces;
}

std::int32_t ValidStartingPace(std::int32_t level) {
    for (const NamedPace& pace : kPaces) {
        if (pace.level == level)
            return level;
    }
    return kDefaultStartingPace;
}

StartingPaceControl::StartingPaceControl(QWidget* parent)
    : QWidget(parent), mChoice(new QComboBox(this)) {
    auto* label = new QLabel(QCoreApplication::translate("StartingPace", "Pace:"), this);
    label->setBuddy(mChoice);
    for (const NamedPace& pace : kPaces)
        mChoice->addItem(QCoreApplication::translate("StartingPace", pace.name), pace.level);
    mChoice->setToolTip(QCoreApplication::translate(
        "StartingPace", "How fast a run starts; speed and delay in the program still change it."));
    mChoice->setFocusPolicy(Qt::TabFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(label);
    layout->addWidget(mChoice);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    ShowLevel(kDefaultStartingPace);
    connect(mChoice, &QComboBox::activated, this, [this](int) { emit levelChosen(Level()); });
}

std::int32_t StartingPaceControl::Level() const {
    return mChoice->currentData().toInt();
}

void StartingPaceControl::ShowLevel(std::int32_t level) {
    const QSignalBlocker quiet(mChoice);
    mChoice->setCurrentIndex(std::max(0, mChoice->findData(ValidStartingPace(level))));
}
