// Broadcasters and listeners, and the memory reserve.

#include "LBroadcaster.h"
#include "LGrowZone.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace {

class RecordingListener : public LListener {
public:
    void ListenToMessage(MessageT message, void* ioParam) override {
        heard.push_back(message), lastParam = ioParam, onHear();
    }
    std::vector<MessageT> heard;
    void* lastParam = nullptr;
    std::function<void()> onHear = [] {};
};

TEST(BroadcasterUiTest, ListenersHearInOrderMayLeaveWhileListeningAndEitherSideMayDieFirst) {
    auto broadcaster = std::make_unique<LBroadcaster>();
    RecordingListener first, second;
    broadcaster->AddListener(&first);
    broadcaster->AddListener(&second);
    broadcaster->AddListener(&first); // once only
    int value = 1;
    broadcaster->BroadcastMessage(-5, &value);
    EXPECT_EQ(second.lastParam, &value);
    // The first removes the second while the message is under way: the second misses it.
    first.onHear = [&] { broadcaster->RemoveListener(&second); };
    broadcaster->BroadcastMessage(7);
    first.StopListening();
    broadcaster->BroadcastMessage(8);
    EXPECT_EQ(first.heard, (std::vector<MessageT>{-5, 7}));
    EXPECT_EQ(second.heard, (std::vector<MessageT>{-5}));

    const LListener* gone = nullptr;
    {
        RecordingListener shortLived;
        broadcaster->AddListener(&shortLived);
        gone = &shortLived;
    }
    EXPECT_FALSE(broadcaster->HasListener(gone));
    broadcaster->BroadcastMessage(1); // must not reach the dead listener
    broadcaster->AddListener(&second);
    broadcaster.reset();
    // The listener forgot the dead broadcaster and still serves a new one.
    LBroadcaster next;
    next.AddListener(&second);
    next.BroadcastMessage(2);
    EXPECT_EQ(second.heard, (std::vector<MessageT>{-5, 2}));
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
        EXPECT_TRUE(zone.HasReserve());
#if defined(__SANITIZE_ADDRESS__)
        std::get_new_handler()(); // the sanitizer's allocator stops at huge requests itself
#else
        EXPECT_THROW(allocateTooMuch(), std::bad_alloc);
#endif
        EXPECT_FALSE(zone.HasReserve());
        // Replenished, the handler is in place again and gives the reserve up once more.
        EXPECT_TRUE(zone.ReplenishReserve());
        std::get_new_handler()();
        EXPECT_FALSE(zone.HasReserve());
        // Without a reserve the handler steps aside and reports the failure.
        EXPECT_THROW(std::get_new_handler()(), std::bad_alloc);
        EXPECT_EQ(std::get_new_handler(), before);
    }
    EXPECT_EQ(std::get_new_handler(), before);
}

} // namespace
