#include "CanvasTestSupport.h"
#include "FontTable.h"
#include "TextDrawing.h"
#include "WidgetTestApplication.h"
#include "WriteText.h"

using namespace canvas_test;

namespace {

class TextTest : public CanvasTest {
protected:
    TextTest() : CanvasTest(Rect{0, 0, 120, 400}) { widgetTestApplication(); }

    Rect drawAt(std::string_view text, int h, int v, std::int16_t size, std::uint8_t face,
                std::int16_t font = 3) {
        eraseWhite(canvas);
        TextFont(font);
        TextSize(size);
        TextFace(face);
        RGBForeColor(kRed);
        MoveTo(h, v);
        DrawString(text);
        return extentOf(canvas, kWhite, true);
    }
};

TEST_F(TextTest, InkSitsRightOfThePenAndOnTheBaseline) {
    const Rect ink = drawAt("Hello", 20, 60, 24, 0);
    EXPECT_TRUE(ink.left >= 19 && ink.left <= 24) << ink.left;
    EXPECT_TRUE(ink.bottom >= 59 && ink.bottom <= 61) << "no descenders: " << ink.bottom;
    EXPECT_LE(ink.top, 60 - 15);          // capitals of a 24-pixel font
    EXPECT_GT(countOf(canvas, kRed), 50); // fully covered pixels take the pen colour exactly
    EXPECT_EQ(GetPort().penLocation, Point::at(20 + StringWidth("Hello"), 60));
    EXPECT_GT(drawAt("gypsy", 20, 60, 24, 0).bottom, 63);
}

TEST_F(TextTest, TextIsClippedToTheBufferWhateverTheSize) {
    ClipRect(Rect{10, 10, 110, 390});
    const Rect ink = drawAt("Wide", -30, 150, 2048, kBoldFace); // huge and mostly outside
    EXPECT_TRUE(ink == Rect{} ||
                (ink.top >= 10 && ink.left >= 10 && ink.bottom <= 110 && ink.right <= 390));
    EXPECT_EQ(drawAt("far away", 32000, -32000, 24, 0), Rect{});
    // The pen still advances (and wraps) past text that lands nowhere.
    EXPECT_NE(GetPort().penLocation.h, 32000);
}

TEST_F(TextTest, FontNumbersMapToTheInstalledFamilies) {
    for (const int number : {0, 1, 999})
        EXPECT_FALSE(fontFamilyForNumber(std::int16_t(number)).isEmpty()) << number;
    EXPECT_EQ((std::vector{GetFNum("DejaVu Serif"), GetFNum("dejavu sans mono"),
                           GetFNum(LStr255("Helvetica")), GetFNum("no such font"), GetFNum("")}),
              (std::vector<std::int16_t>{20, 4, 21, 0, 0}));
}

TEST_F(TextTest, WriteTextDrawsInThePenColourAtThePoint) {
    PaintState state;
    state.penColour = kBlue;
    state.turtlePoint = Point::at(7, 7);
    writeText(state, LStr255("Ab"), 100, 80, TextSettings{20, 30, kBoldFace});
    const Rect ink = extentOf(canvas, kWhite, true);
    EXPECT_TRUE(ink.left >= 99 && ink.bottom <= 81) << ink.left << "," << ink.bottom;
    EXPECT_GT(countOf(canvas, kBlue), 20);
    EXPECT_EQ(countOf(canvas, kRed), 0);
    EXPECT_EQ((std::tuple{GetPort().textFont, GetPort().textSize, GetPort().textFace}),
              (std::tuple<std::int16_t, std::int16_t, std::uint8_t>{20, 30, kBoldFace}));
    EXPECT_EQ(state.turtlePoint, Point::at(7, 7));
}

} // namespace
