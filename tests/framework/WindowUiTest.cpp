// Windows built from view resources: panes by ID, class placeholders, the creation-complete
// step, closing (refused or deleted), the activation order and the target, and modal dialogs.

#include "LException.h"
#include "LView.h"
#include "LWindow.h"
#include "StDialogHandler.h"
#include "UiTestSupport.h"
#include "ui_TestWindowUi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr ResIDT kTestWindowID = 9001, kFloatingWindowID = 9002, kBrokenWindowID = 9003;
constexpr ClassIDT kTestViewClass = FourCC("Tvew"), kTestWindowClass = FourCC("Twin");

struct TestView : LView, LCommander {
    TestView(QWidget* parent, LCommander* super) : LView(parent), LCommander(super) {}
    void FinishCreateSelf() override { ++finishCount, windowAtFinish = window(); }
    int finishCount = 0;
    QWidget* windowAtFinish = nullptr;
};

struct TestWindow : LWindow {
    explicit TestWindow(LCommander* super) : LWindow(super) {}
    void FinishCreateSelf() override { ++finishCount; }
    int finishCount = 0;
};

struct RefusingCommander : LCommander {
    bool AllowSubRemoval(LCommander*) override { return ++asked, false; }
    int asked = 0;
};

struct WindowUiTest : UiTest {
    void SetUp() override {
        UiTest::SetUp();
        RegisterUiViewResource<Ui::TestWindowUi>(kTestWindowID);
        RegisterCommanderViewClass<TestView>(kTestViewClass);
        RegisterWindowClass<TestWindow>(kTestWindowClass);
        RegisterViewResource(kFloatingWindowID, [](QWidget* root) {
            root->setProperty("classID", QStringLiteral("Twin"));
            root->setProperty("windowLayer", QStringLiteral("floating"));
            root->setWindowTitle(QStringLiteral("Palette"));
            root->resize(80, 60);
        });
        RegisterViewResource(kBrokenWindowID, [](QWidget* root) {
            (new QWidget(root))->setProperty("classID", QStringLiteral("Nope")); // owned by root
        });
    }
    void TearDown() override {
        UiTest::TearDown();
        for (ResIDT id : {kTestWindowID, kFloatingWindowID, kBrokenWindowID})
            UnregisterViewResource(id);
        UnregisterClass(kTestViewClass);
        UnregisterClass(kTestWindowClass);
    }
    LCommander root;
};

TEST_F(WindowUiTest, BuildsPanesInThePlaceholdersPlaceAndRefusesUnknownResources) {
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(root.OwnsSubCommander(window) && window->GetLayer() == WindowLayer::Regular);
    EXPECT_EQ(window->windowTitle(), "Test Window");

    auto* view = dynamic_cast<TestView*>(window->FindPaneByID(1));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSuperCommander(), window);
    // In the placeholder's place, with its name; the placeholder is gone.
    EXPECT_EQ(window->centralWidget()->layout()->indexOf(view), 1);
    EXPECT_EQ(window->centralWidget()->findChildren<QWidget*>("contentPlaceholder"),
              QList<QWidget*>{view});
    // The creation-complete step ran once, after the whole window existed.
    FinishCreateViews(window);
    EXPECT_EQ(view->finishCount, 1);
    EXPECT_EQ(view->windowAtFinish, window);
    EXPECT_NE(qobject_cast<QLabel*>(window->FindPaneByID(2)), nullptr);
    EXPECT_EQ(window->FindPaneByID(77), nullptr);

    // The root's class ID chooses the window class and its layer.
    auto* palette = dynamic_cast<TestWindow*>(LWindow::CreateWindow(kFloatingWindowID, &root));
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->finishCount, 1);
    EXPECT_TRUE(palette->GetLayer() == WindowLayer::Floating &&
                palette->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(palette->size(), QSize(80, 60));

    // An unknown resource or class is a clear error.
    EXPECT_THROW(LWindow::CreateWindow(4242, &root), LException);
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    // A view class cannot be a window.
    RegisterViewResource(kBrokenWindowID, [](QWidget* r) { r->setProperty("classID", "Tvew"); });
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    EXPECT_EQ(root.GetSubCommanders().size(), 2u);
}

TEST_F(WindowUiTest, ClosingDeletesAfterTheEventUnlessRefused) {
    QPointer<LWindow> window = LWindow::CreateWindow(kTestWindowID, &root);
    window->Show();
    EXPECT_FALSE(window->close()); // Qt's close box path: the window decides itself
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(!window->isVisible() && root.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_TRUE(window.isNull());

    RefusingCommander refusing;
    QPointer<LWindow> kept = LWindow::CreateWindow(kTestWindowID, &refusing);
    kept->Show();
    kept->close();
    flushDeferredDeletes();
    ASSERT_FALSE(kept.isNull());
    EXPECT_TRUE(kept->isVisible() && refusing.asked == 1);
}

TEST_F(WindowUiTest, SelectingPutsAWindowFirstAndMakesItsLatentSubTheTarget) {
    LWindow* first = LWindow::CreateWindow(kTestWindowID, &root);
    LWindow* second = LWindow::CreateWindow(kTestWindowID, &root);
    LWindow* palette = LWindow::CreateWindow(kFloatingWindowID, &root);
    EXPECT_EQ(LWindow::WindowsInActivationOrder(), (std::vector<LWindow*>{first, second, palette}));
    auto* view = dynamic_cast<TestView*>(first->FindPaneByID(1));
    first->SetLatentSub(view);
    // A latent sub that died is not trusted.
    second->SetLatentSub(std::make_unique<LCommander>(second).get());

    second->Select();
    EXPECT_EQ(LCommander::GetTarget(), second);
    first->Select();
    EXPECT_EQ(LCommander::GetTarget(), view);
    palette->Select();
    EXPECT_EQ(LWindow::WindowsInActivationOrder(), (std::vector<LWindow*>{palette, first, second}));
    first->Hide();
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Regular), second);
    LWindow::SuspendFloatingWindows();
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Floating), nullptr);
    LWindow::ResumeFloatingWindows();
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Floating), palette);
    EXPECT_FALSE(first->isVisible()); // resume shows only what suspend hid

    root.ReleaseSubCommander(second).reset(); // a window that dies leaves the order
    EXPECT_EQ(LWindow::WindowsInActivationOrder(), (std::vector<LWindow*>{palette, first}));
}

// The target's chain takes a key first; only a key nobody took goes on to Qt.
TEST_F(WindowUiTest, KeysGoToTheTargetAndOnlyUnhandledOnesOnToQt) {
    struct KeyTaker : LCommander {
        using LCommander::LCommander;
        bool HandleKeyPress(const QKeyEvent& event) override {
            return ++keys, event.key() == Qt::Key_A;
        }
        int keys = 0;
    };
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    KeyTaker taker(window);
    LCommander::SwitchTarget(&taker);
    QKeyEvent taken(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QKeyEvent passed(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &taken);
    QCoreApplication::sendEvent(window, &passed);
    EXPECT_TRUE(taken.isAccepted() && !passed.isAccepted() && taker.keys == 2);
}

TEST_F(WindowUiTest, DialogsRunUntilAControlBroadcastsAnEndingMessage) {
    for (const MessageT ending : {900, 901}) {
        SCOPED_TRACE(ending);
        StDialogHandler handler(kTestWindowID, &root, {ending});
        auto* ok = qobject_cast<QPushButton*>(handler.FindPaneByID(3)); // it says 900
        ASSERT_NE(ok, nullptr);
        QDialog* dialog = handler.GetDialog();
        QTimer::singleShot(0, ok, [ok] { ok->click(); });
        // Another message leaves it running; closing it then returns nothing.
        QTimer::singleShot(10, dialog, [dialog] { dialog->reject(); });
        EXPECT_EQ(handler.DoDialog(), ending == 900 ? 900 : msg_Nothing);
        EXPECT_EQ(handler.GetLastMessage(), 900);
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_THROW(StDialogHandler(4711, nullptr), LException);
}

} // namespace
