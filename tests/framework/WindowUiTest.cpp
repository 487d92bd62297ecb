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

constexpr ResIDT kTestWindowID = 9001;
constexpr ResIDT kFloatingWindowID = 9002;
constexpr ResIDT kBrokenWindowID = 9003;
constexpr ClassIDT kTestViewClass = FourCC("Tvew");
constexpr ClassIDT kTestWindowClass = FourCC("Twin");

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

class TestWindow : public LWindow {
public:
    explicit TestWindow(LCommander* super) : LWindow(super) {}
    void FinishCreateSelf() override { ++finishCount; }
    int finishCount = 0;
};

// A window that closes into a hide, as palettes do.
class HidingWindow : public LWindow {
public:
    explicit HidingWindow(LCommander* super) : LWindow(super) {}
    void DoClose() override { Hide(); }
};

class RefusingCommander : public LCommander {
public:
    bool AllowSubRemoval(LCommander*) override {
        ++asked;
        return false;
    }
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
            auto* placeholder = new QWidget(root); // owned by root
            placeholder->setProperty("classID", QStringLiteral("Nope"));
        });
    }
    void TearDown() override {
        UiTest::TearDown();
        UnregisterViewResource(kTestWindowID);
        UnregisterViewResource(kFloatingWindowID);
        UnregisterViewResource(kBrokenWindowID);
        UnregisterClass(kTestViewClass);
        UnregisterClass(kTestWindowClass);
    }
};

TEST_F(WindowUiTest, BuildsPanesAndReplacesThePlaceholderInItsLayoutPlace) {
    LCommander root;
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(root.OwnsSubCommander(window));
    EXPECT_EQ(window->windowTitle(), "Test Window");
    EXPECT_EQ(window->GetLayer(), WindowLayer::Regular);

    auto* view = dynamic_cast<TestView*>(window->FindPaneByID(1));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetPaneID(), 1);
    EXPECT_EQ(view->objectName(), "contentPlaceholder");
    EXPECT_EQ(view->GetSuperCommander(), window);
    EXPECT_EQ(view->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_FALSE(view->property("classID").isValid());
    EXPECT_EQ(window->centralWidget()->findChildren<QWidget*>("contentPlaceholder").size(), 1);

    QLayout* layout = window->centralWidget()->layout();
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->indexOf(view), 1);
    EXPECT_NE(qobject_cast<QLabel*>(window->FindPaneByID(2)), nullptr);
    auto* button = qobject_cast<QPushButton*>(window->FindPaneByID(3));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->property("message").toInt(), 900);
    EXPECT_EQ(window->FindPaneByID(77), nullptr);

    // Laid out between the caption and the button, filling the width.
    window->Show();
    QCoreApplication::processEvents();
    const QWidget* caption = window->FindPaneByID(2);
    EXPECT_GT(view->height(), 0);
    EXPECT_GE(view->geometry().top(), caption->geometry().bottom());
    EXPECT_LE(view->geometry().bottom(), button->geometry().top());
    EXPECT_GT(view->width(), window->width() / 2);
}

TEST_F(WindowUiTest, FinishCreateRunsOnceAfterTheWholeWindowExists) {
    LCommander root;
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    auto* view = dynamic_cast<TestView*>(window->FindPaneByID(1));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->finishCount, 1);
    EXPECT_EQ(view->windowAtFinish, window);
    FinishCreateViews(window);
    EXPECT_EQ(view->finishCount, 1);
}

TEST_F(WindowUiTest, RootClassIDChoosesTheWindowClassAndLayer) {
    LCommander root;
    auto* window = dynamic_cast<TestWindow*>(LWindow::CreateWindow(kFloatingWindowID, &root));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->finishCount, 1);
    EXPECT_EQ(window->GetLayer(), WindowLayer::Floating);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(window->windowTitle(), "Palette");
    EXPECT_EQ(window->size(), QSize(80, 60));
}

TEST_F(WindowUiTest, UnknownResourceOrClassIsAClearError) {
    LCommander root;
    try {
        LWindow::CreateWindow(4242, &root);
        FAIL() << "no exception";
    } catch (const LException& e) {
        EXPECT_EQ(e.code(), kParamError);
    }
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    EXPECT_TRUE(root.GetSubCommanders().empty());
    // A view class cannot be a window.
    RegisterViewResource(kBrokenWindowID, [](QWidget* r) { r->setProperty("classID", "Tvew"); });
    EXPECT_THROW(LWindow::CreateWindow(kBrokenWindowID, &root), LException);
    EXPECT_TRUE(root.GetSubCommanders().empty());
}

TEST_F(WindowUiTest, CloseBoxDeletesAnOwnedWindowAfterTheEvent) {
    LCommander root;
    QPointer<LWindow> window = LWindow::CreateWindow(kTestWindowID, &root);
    window->Show();
    EXPECT_FALSE(window->close()); // Qt's close box path: the window decides itself
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(root.GetSubCommanders().empty());
    flushDeferredDeletes();
    EXPECT_TRUE(window.isNull());
}

TEST_F(WindowUiTest, CloseRefusedBySuperKeepsTheWindow) {
    RefusingCommander root;
    QPointer<LWindow> window = LWindow::CreateWindow(kTestWindowID, &root);
    window->Show();
    window->close();
    flushDeferredDeletes();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(root.asked, 1);
}

TEST_F(WindowUiTest, CloseCommandFromAViewCanTurnIntoHide) {
    LCommander root;
    auto owned = std::make_unique<HidingWindow>(&root);
    QPointer<LWindow> window = owned.get();
    root.AdoptSubCommander(std::move(owned));
    LCommander view(window.data());
    window->Show();
    LCommander::SwitchTarget(&view);
    EXPECT_TRUE(LCommander::DispatchCommandStatus(cmd_Close).enabled);
    EXPECT_TRUE(LCommander::DispatchCommand(cmd_Close));
    flushDeferredDeletes();
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(root.OwnsSubCommander(window.data()));
}

TEST_F(WindowUiTest, ActivationOrderPutsTheLastSelectedFirst) {
    LCommander root;
    LWindow* first = LWindow::CreateWindow(kTestWindowID, &root);
    LWindow* second = LWindow::CreateWindow(kTestWindowID, &root);
    LWindow* palette = LWindow::CreateWindow(kFloatingWindowID, &root);
    EXPECT_EQ(LWindow::WindowsInActivationOrder(), (std::vector<LWindow*>{first, second, palette}));

    second->Select();
    first->Select();
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

TEST_F(WindowUiTest, SelectingAWindowMakesItsLatentSubTheTarget) {
    LCommander root;
    LWindow* first = LWindow::CreateWindow(kTestWindowID, &root);
    LWindow* second = LWindow::CreateWindow(kTestWindowID, &root);
    auto* view = dynamic_cast<TestView*>(first->FindPaneByID(1));
    first->SetLatentSub(view);
    second->Select();
    EXPECT_EQ(LCommander::GetTarget(), second);
    first->Select();
    EXPECT_EQ(LCommander::GetTarget(), view);
    // A latent sub that died is not trusted.
    auto temporary = std::make_unique<LCommander>(second);
    second->SetLatentSub(temporary.get());
    temporary.reset();
    second->Select();
    EXPECT_EQ(LCommander::GetTarget(), second);
}

// The target's chain takes a key first; only a key nobody took goes on to Qt.
TEST_F(WindowUiTest, KeysGoToTheTargetAndOnlyUnhandledOnesOnToQt) {
    struct KeyTaker : LCommander {
        using LCommander::LCommander;
        bool HandleKeyPress(const QKeyEvent& event) override {
            ++keys;
            return event.key() == Qt::Key_A;
        }
        int keys = 0;
    };
    LCommander root;
    LWindow* window = LWindow::CreateWindow(kTestWindowID, &root);
    KeyTaker taker(window);
    LCommander::SwitchTarget(&taker);
    QKeyEvent taken(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &taken);
    EXPECT_TRUE(taken.isAccepted());
    QKeyEvent passed(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &passed);
    EXPECT_FALSE(passed.isAccepted());
    EXPECT_EQ(taker.keys, 2);
}

} // namespace
