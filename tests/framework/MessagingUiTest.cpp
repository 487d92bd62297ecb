// Broadcasters and listeners, modal dialogs built from view resources, and the memory reserve.

#include "LBroadcaster.h"
#include "LException.h"
#include "LGrowZone.h"
#include "StDialogHandler.h"
#include "UiTestSupport.h"
#include "ui_TestWindowUi.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

class RecordingListener : public LListener {
public:
    void ListenToMessage(MessageT message, void* ioParam) override {
        heard.push_back(message);
        lastParam = ioParam;
        if (onHear)
            onHear();
    }
    std::vector<MessageT> heard;
    void* lastParam = nullptr;
    std::function<void()> onHear;
};

TEST(BroadcasterUiTest, ListenersHearInOrderAndMayLeaveWhileListening) {
    LBroadcaster broadcaster;
    RecordingListener first, second;
    broadcaster.AddListener(&first);
    broadcaster.AddListener(&second);
    broadcaster.AddListener(&first); // once only
    int value = 1;
    broadcaster.BroadcastMessage(-5, &value);
    EXPECT_EQ(first.heard, (std::vector<MessageT>{-5}));
    EXPECT_EQ(second.lastParam, &value);

    // The first removes the second while the message is under way: the second misses it.
    first.onHear = [&] { broadcaster.RemoveListener(&second); };
    broadcaster.BroadcastMessage(7);
    EXPECT_EQ(second.heard.size(), 1u);

    first.StopListening();
    broadcaster.BroadcastMessage(8);
    EXPECT_EQ(first.heard.size(), 2u);
}

TEST(BroadcasterUiTest, EitherSideMayDieFirst) {
    auto broadcaster = std::make_unique<LBroadcaster>();
    const LListener* gone = nullptr;
    {
        RecordingListener shortLived;
        broadcaster->AddListener(&shortLived);
        EXPECT_TRUE(broadcaster->HasListener(&shortLived));
        gone = &shortLived;
    }
    EXPECT_FALSE(broadcaster->HasListener(gone));
    broadcaster->BroadcastMessage(1); // must not reach the dead listener
    RecordingListener listener;
    broadcaster->AddListener(&listener);
    broadcaster.reset();
    // The listener forgot the dead broadcaster and still serves a new one.
    LBroadcaster next;
    next.AddListener(&listener);
    next.BroadcastMessage(2);
    EXPECT_EQ(listener.heard, (std::vector<MessageT>{2}));
}

constexpr ResIDT kDialogID = 9101;
constexpr ClassIDT kPlainViewClass = FourCC("Tvew");

class DialogUiTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterUiViewResource<Ui::TestWindowUi>(kDialogID);
        RegisterViewClass<LView>(kPlainViewClass);
    }
    void TearDown() override {
        UiTest::TearDown();
        UnregisterViewResource(kDialogID);
        UnregisterClass(kPlainViewClass);
    }
};

TEST_F(DialogUiTest, RunsUntilAControlBroadcastsAnEndingMessage) {
    LCommander root;
    StDialogHandler handler(kDialogID, &root, {900, 901});
    auto* ok = qobject_cast<QPushButton*>(handler.FindPaneByID(3));
    ASSERT_NE(ok, nullptr);
    EXPECT_NE(dynamic_cast<LView*>(handler.FindPaneByID(1)), nullptr);
    RecordingListener other;
    handler.GetControlBroadcaster().AddListener(&other);
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    EXPECT_EQ(handler.DoDialog(), 900);
    EXPECT_EQ(other.heard, (std::vector<MessageT>{900}));
    EXPECT_FALSE(handler.GetDialog()->isVisible());
}

TEST_F(DialogUiTest, OtherMessagesDoNotEndItAndClosingReturnsNothing) {
    LCommander root;
    StDialogHandler handler(kDialogID, &root, {901});
    auto* ok = qobject_cast<QPushButton*>(handler.FindPaneByID(3));
    QDialog* dialog = handler.GetDialog();
    QTimer::singleShot(0, ok, [ok] { ok->click(); });
    QTimer::singleShot(10, dialog, [dialog] {
        EXPECT_TRUE(dialog->isVisible()); // still running after message 900
        dialog->reject();
    });
    EXPECT_EQ(handler.DoDialog(), msg_Nothing);
    EXPECT_EQ(handler.GetLastMessage(), 900);
}

TEST(DialogUiErrorTest, UnknownResourceIsAClearError) {
    uiTestApplication();
    EXPECT_THROW(StDialogHandler(4711, nullptr), LException);
}

// Asks for more than any machine has; the new-handler runs on the way to std::bad_alloc.
[[maybe_unused]] void* allocateTooMuch() {
    volatile std::size_t size = std::numeric_limits<std::size_t>::max() / 4;
    return ::operator new(size);
}

TEST(GrowZoneUiTest, FailingAllocationReleasesTheReserveThenThrows) {
    const std::new_handler before = std::get_new_handler();
    {
        LGrowZone zone(20000);
        EXPECT_EQ(LGrowZone::GetGrowZone(), &zone);
        EXPECT_TRUE(zone.HasReserve());
        EXPECT_EQ(zone.ReserveSize(), 20000u);
#if defined(__SANITIZE_ADDRESS__)
        std::get_new_handler()(); // the sanitizer's allocator stops at huge requests itself
#else
        EXPECT_THROW(allocateTooMuch(), std::bad_alloc);
#endif
        EXPECT_FALSE(zone.HasReserve());
        EXPECT_TRUE(zone.MemoryIsLow());

        // Replenished, the handler is in place again and gives the reserve up once more.
        EXPECT_TRUE(zone.ReplenishReserve());
        std::get_new_handler()();
        EXPECT_FALSE(zone.HasReserve());
        // Without a reserve the handler steps aside and reports the failure.
        EXPECT_THROW(std::get_new_handler()(), std::bad_alloc);
        EXPECT_EQ(std::get_new_handler(), before);
    }
    EXPECT_EQ(std::get_new_handler(), before);
    EXPECT_EQ(LGrowZone::GetGrowZone(), nullptr);
}

} // namespace
