#pragma once

// Counts one level of block nesting in the run context for as long as it lives.

#include "ParseContext.h"

class StNestingGuard {
public:
    StNestingGuard(ParseContext& context, bool nested) : mContext(context), mNested(nested) {
        if (mNested)
            ++mContext.nestingDepth;
    }
    ~StNestingGuard() {
        if (mNested)
            --mContext.nestingDepth;
    }
    StNestingGuard(const StNestingGuard&) = delete;
    StNestingGuard& operator=(const StNestingGuard&) = delete;

    bool tooDeep() const { return mContext.nestingDepth > kMaxNestingDepth; }

private:
    ParseContext& mContext;
    const bool mNested;
};
