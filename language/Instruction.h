#pragma once

// The instruction tree: one node per statement or expression element, linked in lists.
// A node owns the rest of its list and, in the CSubInstruction family, its inner list.

#include "LString.h"
#include "TokenCode.h"
#include "Variable.h"

#include <cstdint>
#include <memory>

// The interpreter's context; the run operations are defined in the interpreter.
struct RunContext;

using ShapeName = TString<unsigned char[64]>;

class CInstruction {
public:
    CInstruction() = default;
    CInstruction(const CInstruction&) = delete;
    CInstruction& operator=(const CInstruction&) = delete;
    // Frees the rest of the list one node at a time, so a long list never deepens the stack.
    virtual ~CInstruction();

    // The interpreter loop, called on the first node of a list. 0: the list ran to its end,
    // 1: the run must stop.
    virtual std::uint8_t RunList(RunContext& context, std::int32_t& accumulator);
    // The class-specific run of a compound node.
    virtual std::uint8_t Execute(RunContext& context, std::int32_t& accumulator);
    virtual CInstruction* FirstChild() const { return nullptr; }
    virtual bool EndsAtLineEnd() const { return false; }
    // Nodes without an inner list discard what they are given.
    virtual void AddChild(std::unique_ptr<CInstruction> node);

    CInstruction* Next() const { return mNext.get(); }
    CVariable* Variable() const { return mVariable; }
    std::int32_t Number() const { return mNumber; }
    std::uint8_t Code() const { return mCode; }
    std::int32_t StartOffset() const { return mStartOffset; }
    std::int32_t EndOffset() const { return mEndOffset; }
    // The bound variable's current value, else the literal number.
    std::int32_t Value() const { return mVariable ? mVariable->value : mNumber; }

    void SetVariable(CVariable* variable) { mVariable = variable; }
    void SetNumber(std::int32_t number) { mNumber = number; }
    void SetCode(std::uint8_t code) { mCode = code; }
    void SetStartOffset(std::int32_t offset) { mStartOffset = offset; }
    void SetEndOffset(std::int32_t offset) { mEndOffset = offset; }
    // Makes node the next of this one; a next node it had before is freed.
    void SetNext(std::unique_ptr<CInstruction> node);

private:
    std::unique_ptr<CInstruction> mNext;
    CVariable* mVariable = nullptr;
    std::int32_t mNumber = 0;
    std::uint8_t mCode = 0;
    std::int32_t mStartOffset = 0;
    std::int32_t mEndOffset = 0;
};

// A parenthesised group, and the base of every node that holds an inner list.
class CSubInstruction : public CInstruction {
public:
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
    CInstruction* FirstChild() const override { return mFirstChild.get(); }
    void AddChild(std::unique_ptr<CInstruction> node) override;
    CInstruction* LastChild() const { return mLastChild; }

private:
    std::unique_ptr<CInstruction> mFirstChild;
    CInstruction* mLastChild = nullptr;
};

class CRepeatInstruction : public CSubInstruction {
public:
    CRepeatInstruction() { SetCode(kRepeat); }
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
};

// An assignment: the inner list is the expression, the variable receives its value.
class CVariableInstruction : public CSubInstruction {
public:
    CVariableInstruction() { SetCode(kAssign); }
    explicit CVariableInstruction(CVariable* variable) : CVariableInstruction() {
        SetVariable(variable);
    }
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
    bool EndsAtLineEnd() const override { return true; }
};

class CShapeInstruction : public CSubInstruction {
public:
    CShapeInstruction() {
        SetCode(kShape);
        SetNumber(1);
    }
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
    const ShapeName& Name() const { return mName; }
    void SetName(std::string_view name) { mName.assign(name); }

private:
    ShapeName mName;
};

class CRunShapeInstruction : public CInstruction {
public:
    CRunShapeInstruction() { SetCode(kRunShape); }
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
    CShapeInstruction* Target() const { return mTarget; }
    void SetTarget(CShapeInstruction* target) { mTarget = target; }

private:
    CShapeInstruction* mTarget = nullptr; // not owned: a node of the same tree
};

class CWriteInstruction : public CInstruction {
public:
    CWriteInstruction() { SetCode(kWrite); }
    std::uint8_t Execute(RunContext& context, std::int32_t& accumulator) override;
    const LStr255& Text() const { return mText; }
    void SetText(std::string_view text) { mText.assign(text); }

private:
    LStr255 mText;
};
