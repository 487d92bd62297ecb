// The run operations of the instruction nodes: the interpreter loop over a list and the
// class-specific runs of the compound nodes.

#include "DecimalConversion.h"
#include "Expressions.h"
#include "Instruction.h"
#include "RunContext.h"
#include "RunControl.h"
#include "RunHost.h"
#include "Turtle.h"
#include "TurtleView.h"
#include "WrappingArithmetic.h"

namespace {

constexpr std::uint8_t kGoOn = 0;
constexpr std::uint8_t kStop = 1;

// Highlighting and palette marks follow the program from this level on.
constexpr std::int32_t kFirstHighlightLevel = 10;

constexpr CommandT kClearCommand = 4005;
constexpr std::int32_t kFirstColourCommand = 3000;
constexpr std::int32_t kColourCommandsFromVariables = 9;

// Counts one running list for as long as it lives.
class StRunDepth {
public:
    explicit StRunDepth(RunContext& context) : mContext(context) { ++mContext.runDepth; }
    ~StRunDepth() { --mContext.runDepth; }
    StRunDepth(const StRunDepth&) = delete;
    StRunDepth& operator=(const StRunDepth&) = delete;

    bool tooDeep() const { return mContext.runDepth > kMaxRunDepth; }

private:
    RunContext& mContext;
};

// The local pace of one running list.
struct ListPace {
    std::int32_t level = 0;
    bool highlight = false;

    void set(std::int32_t newLevel) {
        level = newLevel;
        highlight = newLevel >= kFirstHighlightLevel;
    }
};

std::int32_t penSizeCommand(std::int32_t width) {
    if (width <= 2)
        return 2000;
    if (width <= 4)
        return 2001;
    if (width <= 8)
        return 2002;
    if (width <= 16)
        return 2003;
    return 2004;
}

std::int32_t symmetryCommand(std::int32_t images) {
    if (images <= 1)
        return 4000;
    if (images == 2)
        return 4001;
    if (images <= 4)
        return 4002;
    if (images <= 6)
        return 4003;
    return 4004;
}

void changeSpeed(RunContext& context, ListPace& pace, std::int32_t level) {
    context.slowness = level;
    pace.set(level);
    context.paintView->showTurtle(level != 0);
    if (level == 0)
        context.paintView->eraseTurtle();
}

// False when the command took the paint view away (it may dispatch events).
bool sendColour(RunContext& context, const CInstruction& node, std::int32_t value,
                const ListPace& pace) {
    const std::int32_t command = node.Variable()
                                     ? kFirstColourCommand + value % kColourCommandsFromVariables
                                     : node.Number();
    if (command == 0)
        return true;
    context.paintView->obeyCommand(command, nullptr);
    if (!context.checkSeams())
        return false;
    if (pace.level != 0)
        context.paintView->eraseTurtle();
    if (pace.highlight) {
        if (RunHost* const host = RunHost::Current())
            host->MarkColour(command);
    }
    context.colourCommand = command;
    return true;
}

void setPenSize(RunContext& context, std::int32_t value, const ListPace& pace) {
    context.paintView->setPenSize(static_cast<std::int16_t>(value));
    const std::int32_t command = penSizeCommand(value);
    context.penSizeCommand = command;
    if (pace.highlight) {
        if (RunHost* const host = RunHost::Current())
            host->MarkPenSize(command);
    }
}

void setSymmetry(RunContext& context, std::int32_t value, const ListPace& pace) {
    context.paintView->setSymmetry(value);
    const std::int32_t command = symmetryCommand(value);
    if (pace.highlight) {
        if (RunHost* const host = RunHost::Current())
            host->MarkSymmetry(command);
    }
    context.symmetryCommand = command;
    context.paintView->invalidateView();
}

void goHome(RunContext& context, const ListPace& pace) {
    TurtleView& view = *context.paintView;
    if (pace.level != 0)
        view.eraseTurtle();
    SetTurtleHeading(context, 0);
    const Point centre = rectCentre(view.localFrame());
    context.x = centre.h;
    context.y = centre.v;
    view.moveTurtleTo(centre, 0.0f);
    context.viewAtTurtle = true;
    if (pace.level != 0)
        view.drawTurtle();
}

void writeText(RunContext& context, const CInstruction& node) {
    const auto* const write = dynamic_cast<const CWriteInstruction*>(&node);
    if (!write)
        return;
    const Point at = TurtlePoint(context);
    if (node.Variable())
        context.paintView->writeText(LStr255(NumToString(node.Variable()->value)), at.h, at.v);
    else
        context.paintView->writeText(write->Text(), at.h, at.v);
}

} // namespace

std::uint8_t CInstruction::RunList(RunContext& context, std::int32_t& accumulator) {
    accumulator = 0;
    if (!context.paintView)
        return kGoOn;
    const StRunDepth depth(context);
    if (depth.tooDeep())
        return kStop;
    ListPace pace;
    pace.set(context.slowness);
    context.paintView->showTurtle(pace.level != 0);

    for (CInstruction* node = this; node; node = node->Next()) {
        if (PaceRun(context, pace.level))
            return kStop;
        if (pace.highlight)
            SelectRunningInstruction(context, node->StartOffset(), node->EndOffset());
        const std::int32_t value = node->Value();
        TurtleView& view = *context.paintView;
        switch (node->Code()) {
        case kForward:
            MoveTurtle(context, value);
            break;
        case kBack:
            MoveTurtle(context, wrapping::negate(value));
            break;
        case kLeft:
            TurnTurtle(context, wrapping::negate(value));
            break;
        case kRight:
            TurnTurtle(context, value);
            break;
        case kPenSize:
            setPenSize(context, value, pace);
            break;
        case kSymmetry:
            setSymmetry(context, value, pace);
            break;
        case kDelay:
            changeSpeed(context, pace, value);
            break;
        case kSpeed: {
            const std::int32_t level = wrapping::subtract(100, value);
            changeSpeed(context, pace, level < 0 ? 0 : level);
            break;
        }
        case kRepeat:
        case kRunShape:
        case kAssign:
            accumulator = 0;
            if (node->Execute(context, accumulator) != kGoOn)
                return kStop;
            break;
        case kColor:
            if (!sendColour(context, *node, value, pace))
                return kStop;
            break;
        case kPenUp:
            SetPenUp(context, 1);
            break;
        case kPenDown:
            SetPenUp(context, 0);
            break;
        case kClear:
            view.obeyCommand(kClearCommand, nullptr);
            if (!context.checkSeams())
                return kStop;
            if (pace.level != 0)
                context.paintView->drawTurtle();
            break;
        case kErase:
            view.clearPicture();
            if (pace.level != 0)
                view.drawTurtle();
            break;
        case kHome:
            goHome(context, pace);
            break;
        case kPen:
            SetPenUp(context, value != 0 ? 1 : 0);
            break;
        case kVariable:
            if (node->Variable())
                accumulator = wrapping::add(accumulator, value);
            break;
        case kPlus:
        case kMinus: {
            const CInstruction* stop = nullptr;
            const std::int32_t rest = EvalSum(context, node->Next(), stop);
            accumulator = node->Code() == kPlus ? wrapping::add(accumulator, rest)
                                                : wrapping::subtract(accumulator, rest);
            // Go on after the node at which the rest gave up; none ends the list.
            node = const_cast<CInstruction*>(stop);
            if (!node)
                return kGoOn;
            break;
        }
        case kTimes:
            accumulator = wrapping::multiply(accumulator, EvalOperand(context, node->Next()));
            if (!(node = node->Next()))
                return kGoOn;
            break;
        case kDivide:
        case kModulo: {
            const std::int32_t divisor = EvalOperand(context, node->Next());
            if (divisor == 0)
                return kStop;
            accumulator = node->Code() == kDivide ? wrapping::divide(accumulator, divisor)
                                                  : wrapping::remainder(accumulator, divisor);
            if (!(node = node->Next()))
                return kGoOn;
            break;
        }
        case kOpenParen: {
            const CInstruction* unused = nullptr;
            accumulator = wrapping::add(accumulator, EvalSum(context, node->FirstChild(), unused));
            break;
        }
        case kNumber:
            accumulator = wrapping::add(accumulator, value);
            break;
        case kWrite:
            writeText(context, *node);
            break;
        case kFont:
            view.setTextFont(static_cast<std::int16_t>(value));
            break;
        case kTextSize:
            view.setTextSize(static_cast<std::int16_t>(value));
            break;
        case kTextStyle:
            view.setTextStyle(static_cast<std::int16_t>(value));
            break;
        case kFill:
            view.fillAt(TurtlePoint(context));
            break;
        default:
            break; // no instruction, a definition, brackets, '=', or an unknown code
        }
    }
    return kGoOn;
}

std::uint8_t CInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return kGoOn;
}

std::uint8_t CSubInstruction::Execute(RunContext& context, std::int32_t& accumulator) {
    CInstruction* const first = FirstChild();
    return first ? first->RunList(context, accumulator) : kGoOn;
}

std::uint8_t CRepeatInstruction::Execute(RunContext& context, std::int32_t& accumulator) {
    CInstruction* const body = FirstChild();
    // The count is fixed when the repeat begins, whatever the body does to its variable.
    const std::int32_t count = body ? Value() : 0;
    for (std::int32_t pass = 0; pass < count; ++pass) {
        accumulator = 0;
        if (body->RunList(context, accumulator) != kGoOn) {
            accumulator = 0;
            return kStop;
        }
    }
    accumulator = 0;
    return kGoOn;
}

std::uint8_t CVariableInstruction::Execute(RunContext& context, std::int32_t& accumulator) {
    accumulator = 0;
    CInstruction* const expression = FirstChild();
    const std::uint8_t result = expression ? expression->RunList(context, accumulator) : kGoOn;
    if (result == kGoOn && Variable()) {
        if (Variable()->value != accumulator)
            context.lastChanged = Variable();
        Variable()->value = accumulator;
    }
    return result;
}

std::uint8_t CShapeInstruction::Execute(RunContext& context, std::int32_t& accumulator) {
    return CSubInstruction::Execute(context, accumulator);
}

std::uint8_t CRunShapeInstruction::Execute(RunContext& context, std::int32_t& accumulator) {
    accumulator = 0;
    return Target() ? Target()->Execute(context, accumulator) : kGoOn;
}

std::uint8_t CWriteInstruction::Execute(RunContext& /*context*/, std::int32_t& /*accumulator*/) {
    return kGoOn;
}
