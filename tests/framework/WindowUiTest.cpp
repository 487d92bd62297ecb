// Windows built from view resources: panes by ID, class placeholders, the creation-complete
// step, closing (refused, hidden, deleted), the activation order and the target.

#include "LException.h"
#include "LView.h"
#include "LWindow.h"
#include "UiTestSupport.h"
#include "ui_TestWindowUi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>

namespace {

constexpr ResIDT kTestWindowID = 9001, kFloatingWindowID = 9002, kBrokenWindowID = 9003;
constexpr ClassIDT kTestViewClass = FourCC("Tvew"), kTestWindowClass = FourCC("Twin");

class TestView : public LView, public LCommander {
public:
    TestView(QWidget* parent, LCommander* super) : LView(parent), LCommander(super) {}
    void FinishCreateSelf() override {
        ++finishCount;
        windowAtFinish = window();
    }
    int finishCount = 0;
    QWidget* windowAtFinish = nullptr;
};

// May close into a hide, as palettes do.
class TestWindow : public LWindow {
public:
    explicit TestWindow(LCommander* super) : LWindow(super) {}
    void FinishCreateSelf() override { ++finishCount; }
    void DoClose() override { hides ? Hide() : LWindow::DoClose(); }
    int finishCount = 0;
    bool hides = false;
};

class RefusingCommander : public LCommander {
public:
    bool AllowSubRemoval(LCommander*) override { return ++asked, false; }
    int asked = 0;
};

class WindowUiTest : public UiTest {
protected:
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

TEST_F(WindowUiTest, BuildsPanesAndReplacesThePlaceholderInItsLayoutPlace) {
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(root.OwnsSubCommander(window));
    EXPECT_EQ(window->windowTitle(), "Test Window");
    EXPECT_EQ(window->GetLayer(), WindowLayer::Regular);

    auto* view = dynamic_cast<TestView*>(window->FindPaneByID(1));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSuperCommander(), window);
    // In the placeholder's place, with its name and size policy; the placeholder is gone.
    EXPECT_EQ(window->centralWidget()->layout()->indexOf(view), 1);
    EXPECT_EQ(view->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(window->centralWidget()->findChildren<QWidget*>("contentPlaceholder"),
              QList<QWidget*>{view});
    // The creation-complete step ran once, after the whole window existed.
    EXPECT_EQ(view->finishCount, 1);
    EXPECT_EQ(view->windowAtFinish, window);
    FinishCreateViews(window);
    EXPECT_EQ(view->finishCount, 1);

    EXPECT_NE(qobject_cast<QLabel*>(window->FindPaneByID(2)), nullptr);
    auto* button = qobject_cast<QPushButton*>(window->FindPaneByID(3));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->property("message").toInt(), 900);
    EXPECT_EQ(window->FindPaneByID(77), nullptr);

    // The root's class ID chooses the window class and its layer.
    auto* palette = dynamic_cast<TestWindow*>(LWindow::CreateWindow(kFloatingWindowID, &root));
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->finishCount, 1);
    EXPECT_EQ(palette->GetLayer(), WindowLayer::Floating);
    EXPECT_TRUE(palette->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(palette->windowTitle(), "Palette");
    EXPECT_EQ(palette->size(), QSize(80, 60));
}

TEST_F(WindowUiTest, UnknownResourceOrClassIsAClearError) {
    try {
        LWindow::CreateWindow(4242, &root);
        ADD_FAILURE() << "no exception";
    } catch (const LException& e) {
        EXPECT_EQ(e.code(), kParamError);
    }
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    // A view class cannot be a window.
    RegisterViewResource(kBrokenWindowID, [](QWidget* r) { r->setProperty("classID", "Tvew"); });
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

TEST_F(WindowUiTest, ClosingDeletesAfterTheEventUnlessRefusedOrTurnedIntoHide) {
    QPointer<LWindow> window = LWindow::CreateWindow(kTestWindowID, &root);
    window->Show();
    EXPECT_FALSE(window->close()); // Qt's close box path: the window decides itself
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(root.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_TRUE(window.isNull());

    RefusingCommander refusing;
    QPointer<LWindow> kept = LWindow::CreateWindow(kTestWindowID, &refusing);
    kept->Show();
    kept->close();
    flushDeferredDeletes();
    ASSERT_FALSE(kept.isNull());
    EXPECT_TRUE(kept->isVisible());
    EXPECT_EQ(refusing.asked, 1);

    // The Close command from a view inside, for a window that hides instead.
    QPointer<TestWindow> hiding =
        static_cast<TestWindow*>(root.AdoptSubCommander(std::make_unique<TestWindow>(&root)));
    hiding->hides = true;
    LCommander view(hiding.data());
    hiding->Show();
    LCommander::SwitchTarget(&view);
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Close).enabled);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Close));
    flushDeferredDeletes();
    ASSERT_FALSE(hiding.isNull());
    EXPECT_FALSE(hiding->isVisible());
    EXPECT_TRUE(root.OwnsSubCommander(hiding.data()));
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
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Regular), first);
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Floating), palette);

    first->Hide();
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Regular), second);

    LWindow::SuspendFloatingWindows();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(LWindow::FrontWindow(WindowLayer::Floating), nullptr);
    LWindow::ResumeFloatingWindows();
    EXPECT_TRUE(palette->isVisible());
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
    EXPECT_TRUE(taken.isAccepted());
    EXPECT_FALSE(passed.isAccepted());
    EXPECT_EQ(taker.keys, 2);
}

} // namespace
