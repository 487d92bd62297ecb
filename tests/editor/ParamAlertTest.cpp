// The alert with parameters: placeholders, one alert at a time, and which form it is shown in.

#include "ParamAlert.h"

#include "EditorTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace editor_test;

namespace {

constexpr ResIDT kTwoTexts = 30001;
constexpr ResIDT kTwoTextsAndCheckbox = 30002;

void buildAlert(QWidget* root, bool checkbox) {
    auto* layout = new QVBoxLayout(root);
    auto* message = new QLabel(QStringLiteral("Message ^0"), root);
    auto* explanation = new QLabel(QStringLiteral("Why: ^1 (^0)"), root);
    layout->addWidget(message);
    layout->addWidget(explanation);
    if (checkbox)
        layout->addWidget(new QCheckBox(QStringLiteral("Again"), root));
    for (const auto& [title, message] : {std::pair{"Cancel", 901}, std::pair{"Go", 900}}) {
        auto* button = new QPushButton(QString::fromLatin1(title), root);
        button->setProperty("message", message);
        layout->addWidget(button);
    }
}

} // namespace

TEST_F(EditorTest, AlertsTakeTheStandardFormOnlyWhenTheyFitIt) {
    RegisterViewResource(kTwoTexts, [](QWidget* root) { buildAlert(root, false); });
    RegisterViewResource(kTwoTextsAndCheckbox, [](QWidget* root) { buildAlert(root, true); });
    struct Case {
        ResIDT id;
        bool standard;
        const char* press;
        std::int16_t result;
    };
    const Case cases[] = {{kTwoTexts, true, "Cancel", 2},
                          {kTwoTexts, true, "Go", 1},
                          {kTwoTextsAndCheckbox, false, "Cancel", 2},
                          {kTwoTextsAndCheckbox, false, "Go", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.press) + (c.standard ? " standard" : " dialog"));
        ParamAlert alert(c.id);
        alert.SetParameter(0, QStringLiteral("a ^0 b ^1"));
        alert.SetParameter(1, QStringLiteral("one"));
        QStringList texts;
        bool wasStandard = false;
        const unsigned long beeps = ParamAlert::BeepCount();
        std::int16_t nested = 0;
        ModalAnswer answer([&](QWidget* modal) {
            wasStandard = qobject_cast<QMessageBox*>(modal) != nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                texts << box->text() << box->informativeText();
            else
                for (QLabel* label : modal->findChildren<QLabel*>())
                    texts << label->text();
            // A second alert while this one is up shows nothing and does not beep.
            ParamAlert second(c.id);
            nested = second.Show();
            for (QPushButton* button : modal->findChildren<QPushButton*>()) {
                if (button->text() == QLatin1String(c.press))
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        EXPECT_EQ(alert.Show(), c.result);
        EXPECT_EQ(answer.calls, 1);
        EXPECT_EQ(wasStandard, c.standard);
        EXPECT_EQ(texts, (QStringList{"Message a ^0 b ^1", "Why: one (a ^0 b ^1)"}));
        EXPECT_EQ(nested, 1);
        EXPECT_EQ(ParamAlert::BeepCount(), beeps + 1);
    }
    // A missing dialog: one more beep, and 1.
    const unsigned long beeps = ParamAlert::BeepCount();
    EXPECT_EQ(ParamAlert(29999).Show(), 1);
    EXPECT_EQ(ParamAlert::BeepCount(), beeps + 2);
}
