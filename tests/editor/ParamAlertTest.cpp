// The alert with parameters: placeholders, one alert at a time, and which form it is shown in.

#include "ParamAlert.h"

#include "../app/ApplicationTestSupport.h"

#include <QCheckBox>
#include <QVBoxLayout>

// Two texts and buttons fit the standard message box; a check box needs the dialog itself.
TEST_F(EditorTest, AlertsTakeTheStandardFormOnlyWhenTheyFitIt) {
    for (const ResIDT id : {30001, 30002}) {
        RegisterViewResource(id, [id](QWidget* root) {
            auto* layout = new QVBoxLayout(root);
            layout->addWidget(new QLabel(QStringLiteral("Message ^0"), root));
            layout->addWidget(new QLabel(QStringLiteral("Why: ^1 (^0)"), root));
            if (id == 30002)
                layout->addWidget(new QCheckBox(QStringLiteral("Again"), root));
            for (const auto& [title, message] : {std::pair{"Cancel", 901}, std::pair{"Go", 900}}) {
                layout->addWidget(new QPushButton(QString::fromLatin1(title), root));
                root->findChildren<QPushButton*>().back()->setProperty("message", message);
            }
        });
        for (const auto& [pressed, result] : {std::pair{"Cancel", 2}, std::pair{"Go", 1}}) {
            SCOPED_TRACE(std::to_string(id) + pressed);
            ParamAlert alert(id);
            alert.SetParameter(0, QStringLiteral("a ^0 b ^1"));
            alert.SetParameter(1, QStringLiteral("one"));
            QStringList texts;
            const unsigned long beeps = ParamAlert::BeepCount();
            std::int16_t nested = 0;
            ModalAnswers user({[&](QWidget* modal) {
                EXPECT_EQ(qobject_cast<QMessageBox*>(modal) != nullptr, id == 30001);
                for (QLabel* label : modal->findChildren<QLabel*>())
                    texts << label->text();
                texts.removeAll(QString());
                // A second alert while this one is up shows nothing and does not beep.
                nested = ParamAlert(id).Show();
                for (QPushButton* button : modal->findChildren<QPushButton*>()) {
                    if (button->text() == QLatin1String(pressed))
                        QTest::mouseClick(button, Qt::LeftButton);
                }
            }});
            const std::int16_t shown = alert.Show();
            EXPECT_EQ(std::tuple(shown, texts, nested, ParamAlert::BeepCount() - beeps),
                      std::tuple(result, QStringList{"Message a ^0 b ^1", "Why: one (a ^0 b ^1)"},
                                 1, 1ul));
        }
    }
    // A missing dialog: one more beep, and 1.
    const unsigned long beeps = ParamAlert::BeepCount();
    EXPECT_EQ(ParamAlert(29999).Show(), 1);
    EXPECT_EQ(ParamAlert::BeepCount(), beeps + 2);
}
