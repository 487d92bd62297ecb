#pragma once

// A memory reserve set aside at start-up and released when an allocation would otherwise fail:
// while it lives it is the new-handler. The first failure frees the reserve, so the allocation
// is tried again; a failure with the reserve already gone restores the previous handler, so
// std::bad_alloc is thrown as usual.

#include <cstddef>
#include <memory>
#include <new>

class LGrowZone {
public:
    static constexpr std::size_t kDefaultReserve = 20000;

    explicit LGrowZone(std::size_t reserveBytes = kDefaultReserve);
    ~LGrowZone();
    LGrowZone(const LGrowZone&) = delete;
    LGrowZone& operator=(const LGrowZone&) = delete;

    // The zone whose handler is installed, or null.
    static LGrowZone* GetGrowZone();

    bool HasReserve() const { return mReserve != nullptr; }
    std::size_t ReserveSize() const { return mReserveSize; }
    // True once the reserve was given up.
    bool MemoryIsLow() const { return !HasReserve(); }
    // Tries to set the reserve aside again; true when it is held.
    bool ReplenishReserve() noexcept;

private:
    static void HandleAllocationFailure();

    std::unique_ptr<std::byte[]> mReserve;
    std::size_t mReserveSize;
    std::new_handler mPreviousHandler = nullptr;
    LGrowZone* mPreviousZone = nullptr;
};
