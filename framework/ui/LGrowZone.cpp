#include "LGrowZone.h"

namespace {

LGrowZone*& activeZone() {
    static LGrowZone* zone = nullptr;
    return zone;
}

} // namespace

LGrowZone::LGrowZone(std::size_t reserveBytes) : mReserveSize(reserveBytes) {
    ReplenishReserve();
    mPreviousZone = activeZone();
    activeZone() = this;
    mPreviousHandler = std::set_new_handler(&LGrowZone::HandleAllocationFailure);
}

LGrowZone::~LGrowZone() {
    std::set_new_handler(mPreviousHandler);
    activeZone() = mPreviousZone;
}

LGrowZone* LGrowZone::GetGrowZone() {
    return activeZone();
}

bool LGrowZone::ReplenishReserve() noexcept {
    if (!mReserve && mReserveSize > 0)
        mReserve.reset(new (std::nothrow) std::byte[mReserveSize]);
    // The handler stepped aside when the reserve ran out; with a reserve again it returns.
    if (HasReserve() && activeZone() == this)
        std::set_new_handler(&LGrowZone::HandleAllocationFailure);
    return HasReserve();
}

void LGrowZone::HandleAllocationFailure() {
    LGrowZone* zone = activeZone();
    if (zone != nullptr && zone->mReserve) {
        zone->mReserve.reset(); // the allocation is tried again with this memory free
        return;
    }
    // Nothing left to give: the previous handler, or none, so that operator new throws.
    const std::new_handler previous = zone != nullptr ? zone->mPreviousHandler : nullptr;
    std::set_new_handler(previous);
    if (previous == nullptr)
        throw std::bad_alloc();
    previous();
}
