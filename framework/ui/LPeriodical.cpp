#include "LPeriodical.h"

#include "LEventGuard.h"

#include <algorithm>

namespace {

// The idlers of the one event thread.
std::vector<LPeriodical*>& idlers() {
    static std::vector<LPeriodical*> list;
    return list;
}

// Holds now alive; nested holds count.
int gIdleHolds = 0;

} // namespace

LPeriodical::StIdleHold::StIdleHold() {
    ++gIdleHolds;
}

LPeriodical::StIdleHold::~StIdleHold() {
    --gIdleHolds;
}

LPeriodical::~LPeriodical() {
    StopIdling();
}

void LPeriodical::StartIdling() {
    if (!IsIdling())
        idlers().push_back(this);
}

void LPeriodical::StopIdling() {
    auto& list = idlers();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool LPeriodical::IsIdling() const {
    const auto& list = idlers();
    return std::find(list.begin(), list.end(), this) != list.end();
}

void LPeriodical::DevoteTimeToIdlers() {
    if (gIdleHolds > 0)
        return;
    // A copy, since an idler may stop itself or others; those that stopped are skipped.
    const std::vector<LPeriodical*> snapshot = idlers();
    for (LPeriodical* idler : snapshot) {
        // Looked up by address: an idler that another one deleted is gone from the list and
        // never touched. One failing idler must not starve the others.
        const auto& list = idlers();
        if (std::find(list.begin(), list.end(), idler) != list.end())
            RunGuarded([idler] { idler->SpendTime(); });
    }
}
