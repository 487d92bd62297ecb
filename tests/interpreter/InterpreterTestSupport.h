#pragma once

// Doubles for the interpreter's seams: a paint view and an application that record every call,
// and an editor widget that records what it is asked and which keys reach it.

#include "Geometry.h"
#include "LanguageTables.h"
#include "ResourceChain.h"
#include "RunContext.h"
#include "RunControl.h"
#include "RunEditor.h"
#include "RunHost.h"
#include "Ticks.h"
#include "TurtleView.h"

#include <QKeyEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline std::string PointText(Point p) {
    return std::to_string(p.h) + ',' + std::to_string(p.v);
}

class RecordingTurtleView : public TurtleView {
public:
    std::vector<std::string> calls;
    Point turtle = Point::at(100, 100);
    Rect frame{0, 0, 768, 1024};
    int modifiedMarks = 0;
    // Called by obeyCommand after it is recorded.
    std::function<void(CommandT)> onCommand;

    // The calls whose text starts with one of the prefixes.
    std::vector<std::string> only(std::initializer_list<std::string_view> prefixes) const {
        std::vector<std::string> kept;
        for (const std::string& call : calls)
            for (std::string_view prefix : prefixes)
                if (std::string_view(call).substr(0, prefix.size()) == prefix) {
                    kept.push_back(call);
                    break;
                }
        return kept;
    }

    Point turtlePoint() const override { return turtle; }
    void showTurtle(bool shown) override { record(shown ? "show" : "hide"); }
    void drawTurtle() override { record("draw"); }
    void eraseTurtle() override { record("erase"); }
    void setHeading(float degrees) override { record("heading " + number(degrees)); }
    void setPenIconFlag(bool penUp) override { record(penUp ? "icon up" : "icon down"); }
    void lineTurtleTo(Point p, float heading) override {
        turtle = p;
        record("line " + PointText(p) + " h" + number(heading));
    }
    void moveTurtleTo(Point p, float heading) override {
        turtle = p;
        record("move " + PointText(p) + " h" + number(heading));
    }
    void writeText(const LStr255& text, std::int16_t h, std::int16_t v) override {
        record("text '" + text.str() + "' " + PointText(Point::at(h, v)));
    }
    void fillAt(Point p) override { record("fill " + PointText(p)); }
    void clearPicture() override { record("clearPicture"); }
    void setPenSize(std::int16_t width) override { record("pensize " + std::to_string(width)); }
    void setSymmetry(std::int32_t mode) override { record("symmetry " + std::to_string(mode)); }
    void setTextFont(std::int16_t font) override { record("font " + std::to_string(font)); }
    void setTextSize(std::int16_t size) override { record("size " + std::to_string(size)); }
    void setTextStyle(std::int16_t style) override { record("style " + std::to_string(style)); }
    bool obeyCommand(CommandT command, void*) override {
        record("command " + std::to_string(command));
        if (onCommand)
            onCommand(command);
        return true;
    }
    void invalidateView() override { record("invalidate"); }
    Rect localFrame() const override { return frame; }
    void markDocumentModified() override { ++modifiedMarks; }

private:
    static std::string number(float f) {
        std::string s = std::to_string(f);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    }
    void record(std::string call) { calls.push_back(std::move(call)); }
};

class RecordingHost : public RunHost {
public:
    std::int32_t penButton = 2000;
    std::int32_t colourButton = 3000;
    std::int32_t symmetryButton = 4000;
    TurtleView* front = nullptr;
    std::vector<std::string> marks;
    std::vector<CommandT> commands;
    std::uint32_t sleepTime = 0;

    std::int32_t SelectedPenButton() const override { return penButton; }
    std::int32_t SelectedColourButton() const override { return colourButton; }
    std::int32_t SelectedSymmetryButton() const override { return symmetryButton; }
    void MarkPenSize(std::int32_t button) override {
        marks.push_back("pen " + std::to_string(button));
    }
    void MarkColour(std::int32_t button) override {
        marks.push_back("colour " + std::to_string(button));
    }
    void MarkSymmetry(std::int32_t button) override {
        marks.push_back("symmetry " + std::to_string(button));
    }
    TurtleView* FrontPaintView() override { return front; }
    bool ObeyHostCommand(CommandT command, void*) override {
        commands.push_back(command);
        return true;
    }
    void SetSleepTime(std::uint32_t ticks) override { sleepTime = ticks; }
};

class RecordingEditor : public QWidget, public RunEditor {
public:
    std::string text;
    std::int32_t heading = 0;
    std::vector<std::string> calls;
    int keysReceived = 0;
    // The tick count at each selection.
    std::vector<std::uint32_t> selectionTicks;
    std::function<void()> onSelect;

    std::vector<std::string> only(std::string_view prefix) const {
        std::vector<std::string> kept;
        for (const std::string& call : calls)
            if (std::string_view(call).substr(0, prefix.size()) == prefix)
                kept.push_back(call);
        return kept;
    }

    std::string_view programText() const override { return text; }
    std::int32_t runHeading() const override { return heading; }
    void setRunHeading(std::int32_t h) override { heading = h; }
    void scrollToOrigin() override { calls.push_back("scroll"); }
    void selectRange(std::int32_t start, std::int32_t end) override {
        selectionTicks.push_back(TickCount());
        if (onSelect)
            onSelect();
        calls.push_back("select " + std::to_string(start) + ".." + std::to_string(end));
    }
    void redrawNow() override { calls.push_back("redraw"); }
    void alignWithFrame() override { calls.push_back("align"); }
    void reportParseError(const RunContext& context) override {
        calls.push_back("error " + std::to_string(context.messageNumber));
    }

protected:
    void keyPressEvent(QKeyEvent*) override { ++keysReceived; }
};

// Every test starts with the shipped English words and a registered host double.
class InterpreterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    }
    void SetUp() override {
        host.front = &view;
        RunHost::SetCurrent(&host);
    }
    void TearDown() override { RunHost::SetCurrent(nullptr); }

    // Parses and runs text on the view; the context is kept so the run's end can be checked.
    std::unique_ptr<RunContext> run(std::string_view text, std::int32_t heading = 0) {
        auto context = std::make_unique<RunContext>(text, heading, &view, &editor);
        EXPECT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        ExecuteRun(*context);
        return context;
    }
    // The lines and moves the view was asked for.
    std::vector<std::string> strokes() const { return view.only({"line", "move"}); }

    RecordingTurtleView view;
    RecordingHost host;
    RecordingEditor editor;
};

inline std::int32_t VariableValue(const RunContext& context, std::string_view name) {
    for (const auto& variable : context.variables)
        if (variable->name.view() == name)
            return variable->value;
    ADD_FAILURE() << "no variable " << name;
    return 0;
}
