#include "Instruction.h"

#include <utility>

CInstruction::~CInstruction() {
    // Unlink each following node before it dies, so its own destructor finds no list to free.
    std::unique_ptr<CInstruction> rest = std::move(mNext);
    while (rest)
        rest = std::move(rest->mNext);
}

void CInstruction::AddChild(std::unique_ptr<CInstruction> /*node*/) {}

void CInstruction::SetNext(std::unique_ptr<CInstruction> node) {
    mNext = std::move(node);
}

void CSubInstruction::AddChild(std::unique_ptr<CInstruction> node) {
    if (!node)
        return;
    CInstruction* const appended = node.get();
    if (mLastChild)
        mLastChild->SetNext(std::move(node));
    else
        mFirstChild = std::move(node);
    mLastChild = appended;
}
