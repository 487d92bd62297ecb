#pragma once

// Doubles for the interpreter's seams: a paint view and an application (the fixture) that
// record every call, and an editor widget that records what it is asked and which keys reach it.
// The tests' main installs the shipped English words.

#include "NullTurtleView.h"
#include "RunContext.h"
#include "RunControl.h"
#include "RunEditor.h"
#include "RunHost.h"
#include "Ticks.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>

using Calls = std::vector<std::string>;

template <typename... T> std::string Str(const T&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

// Starts at (100, 100) in a 768 by 1024 picture; counts the lines and moves it is asked for.
class RecordingTurtleView : public NullTurtleView {
public:
    RecordingTurtleView() { mTurtle = Point::at(100, 100); }
    Calls calls;
    int modifiedMarks = 0, strokes = 0;

    void placeTurtle(std::int16_t h, std::int16_t v) { mTurtle = Point::at(h, v); }
    // The calls that start with one of the prefixes, blank-separated.
    std::string only(std::initializer_list<std::string_view> prefixes) const {
        std::string kept;
        for (const std::string& call : calls)
            if (std::ranges::any_of(prefixes, [&](auto p) { return call.starts_with(p); }))
                kept += (kept.empty() ? "" : " ") + call;
        return kept;
    }
    void showTurtle(bool shown) override { calls.push_back(shown ? "show" : "hide"); }
    void drawTurtle() override { calls.push_back("draw"); }
    void eraseTurtle() override { calls.push_back("erase"); }
    void setHeading(float degrees) override { calls.push_back(Str("heading ", degrees)); }
    void setPenIconFlag(bool up) override { calls.push_back(up ? "icon up" : "icon down"); }
    void lineTurtleTo(Point p, float heading) override { moveOrLine("line", p, heading); }
    void moveTurtleTo(Point p, float heading) override { moveOrLine("move", p, heading); }
    void writeText(const LStr255& text, std::int16_t h, std::int16_t v) override {
        calls.push_back(Str("text '", text.view(), "' ", h, ',', v));
    }
    void fillAt(Point p) override { calls.push_back(Str("fill ", p.h, ',', p.v)); }
    void clearPicture() override { calls.push_back("clearPicture"); }
    void setPenSize(std::int16_t width) override { calls.push_back(Str("pensize ", width)); }
    void setSymmetry(std::int32_t mode) override { calls.push_back(Str("symmetry ", mode)); }
    void setTextFont(std::int16_t font) override { calls.push_back(Str("font ", font)); }
    void setTextSize(std::int16_t size) override { calls.push_back(Str("size ", size)); }
    void setTextStyle(std::int16_t style) override { calls.push_back(Str("style ", style)); }
    bool obeyCommand(CommandT command, void*) override {
        calls.push_back(Str("command ", command));
        if (const auto hook = onCommand) // a copy: the hook may delete this view
            hook(command);
        return true;
    }
    std::function<void(CommandT)> onCommand;
    void invalidateView() override { calls.push_back("invalidate"); }
    void markDocumentModified() override { ++modifiedMarks; }

private:
    void moveOrLine(std::string_view what, Point p, float heading) {
        mTurtle = p;
        ++strokes;
        calls.push_back(Str(what, ' ', p.h, ',', p.v, " h", heading));
    }
};

class RecordingEditor : public QWidget, public RunEditor {
public:
    std::string text;
    std::int32_t heading = 0;
    Calls calls;
    int keysReceived = 0;
    const RecordingTurtleView* watched = nullptr; // its strokes are noted with each selection

    std::string_view programText() const override { return text; }
    std::int32_t runHeading() const override { return heading; }
    void setRunHeading(std::int32_t h) override { heading = h; }
    void scrollToOrigin() override { calls.push_back("scroll"); }
    void selectRange(std::int32_t start, std::int32_t end) override {
        const std::string after = watched ? Str(" after ", watched->strokes, " lines") : "";
        calls.push_back(Str("select ", start, "..", end, after));
    }
    void redrawNow() override { calls.push_back("redraw"); }
    void alignWithFrame() override { calls.push_back("align"); }
    void reportParseError(const RunContext& c) override {
        calls.push_back(Str("error ", c.messageNumber));
    }

protected:
    void keyPressEvent(QKeyEvent*) override { ++keysReceived; }
};

// The fixture is the application, recording the palette marks and the commands it is asked for.
class InterpreterTest : public ::testing::Test, public RunHost {
protected:
    void SetUp() override { RunHost::SetCurrent(this); }
    void TearDown() override { RunHost::SetCurrent(nullptr); }

    std::int32_t SelectedPenButton() const override { return penButton; }
    std::int32_t SelectedColourButton() const override { return colourButton; }
    std::int32_t SelectedSymmetryButton() const override { return symmetryButton; }
    void MarkPenSize(std::int32_t button) override { marks.push_back(Str("pen ", button)); }
    void MarkColour(std::int32_t b) override { marks.push_back(Str("colour ", b)); }
    void MarkSymmetry(std::int32_t b) override { marks.push_back(Str("symmetry ", b)); }
    TurtleView* FrontPaintView() override { return front; }
    bool ObeyHostCommand(CommandT command, void*) override {
        commands.push_back(command);
        return true;
    }
    void SetSleepTime(std::uint32_t ticks) override { sleepTime = ticks; }

    // Parses and runs text on the view; the context is kept so the run's end can be checked.
    std::unique_ptr<RunContext> run(std::string_view text, std::int32_t heading = 0) {
        auto context = std::make_unique<RunContext>(text, heading, &view, &editor);
        EXPECT_TRUE(context->parseSucceeded) << context->errorMessage.str();
        ExecuteRun(*context);
        return context;
    }
    RecordingTurtleView view;
    RecordingEditor editor;
    std::int32_t penButton = 2000, colourButton = 3000, symmetryButton = 4000;
    TurtleView* front = &view;
    Calls marks;
    std::vector<CommandT> commands;
    std::uint32_t sleepTime = 0;
};

// The run's variables as "name=value", blank-separated in the order they were made.
inline std::string Variables(const RunContext& context) {
    std::string out;
    for (const auto& variable : context.variables)
        out += Str(out.empty() ? "" : " ", variable->name.view(), '=', variable->value);
    return out;
}
