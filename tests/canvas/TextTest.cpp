#include "CanvasTestSupport.h"
#include "FontTable.h"
#include "PenDrawing.h"
#include "TextDrawing.h"
#include "WriteText.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace canvas_test;

namespace {

void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "test_canvas";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr)
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

// Everything not white.
Rect inkExtent(const CGWorld& world) {
    int top = 1 << 20, left = 1 << 20, bottom = -(1 << 20), right = -(1 << 20);
    const Rect b = world.getBounds();
    for (int v = b.top; v < b.bottom; ++v)
        for (int h = b.left; h < b.right; ++h)
            if (!(world.pixel(h, v) == kWhite)) {
                top = std::min(top, v);
                left = std::min(left, h);
                bottom = std::max(bottom, v + 1);
                right = std::max(right, h + 1);
            }
    if (bottom < top)
        return {};
    return Rect{std::int16_t(top), std::int16_t(left), std::int16_t(bottom), std::int16_t(right)};
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApplication();
        ResetCurrentPort();
        canvas.allocate(Rect{0, 0, 120, 400}, 32);
        eraseWhite(canvas);
        SetPort(*canvas.getPort());
    }
    void TearDown() override { ResetCurrentPort(); }

    Rect drawAt(std::string_view text, int h, int v, std::int16_t size, std::uint8_t face,
                std::int16_t font = 3) {
        eraseWhite(canvas);
        TextFont(font);
        TextSize(size);
        TextFace(face);
        RGBForeColor(kRed);
        MoveTo(h, v);
        DrawString(text);
        return inkExtent(canvas);
    }

    CGWorld canvas;
};

TEST_F(TextTest, InkSitsRightOfThePenAndOnTheBaseline) {
    const Rect ink = drawAt("Hello", 20, 60, 24, 0);
    EXPECT_GE(ink.left, 19);
    EXPECT_LE(ink.left, 24);
    EXPECT_LE(ink.bottom, 61); // no descenders
    EXPECT_GE(ink.bottom, 59);
    EXPECT_LE(ink.top, 60 - 15);          // capitals of a 24-pixel font
    EXPECT_GT(countOf(canvas, kRed), 50); // fully covered pixels take the pen colour exactly
    EXPECT_EQ(GetPort().penLocation, Point::at(20 + StringWidth("Hello"), 60));
    EXPECT_GT(StringWidth("Hello"), 40);
    const Rect descending = drawAt("gypsy", 20, 60, 24, 0);
    EXPECT_GT(descending.bottom, 63);
}

TEST_F(TextTest, FacesChangeTheShape) {
    TextFont(3);
    TextSize(24);
    TextFace(0);
    const int plain = StringWidth("Turtles");
    TextFace(kBoldFace);
    const int bold = StringWidth("Turtles");
    TextFace(kExtendFace);
    const int extended = StringWidth("Turtles");
    TextFace(kCondenseFace);
    const int condensed = StringWidth("Turtles");
    EXPECT_GT(bold, plain);
    EXPECT_GT(extended, plain);
    EXPECT_LT(condensed, plain);
    const Rect plainInk = drawAt("Turtles", 10, 60, 24, 0);
    const Rect underlined = drawAt("Turtles", 10, 60, 24, kUnderlineFace);
    EXPECT_GT(underlined.bottom, plainInk.bottom);
    const Rect italic = drawAt("lllll", 10, 60, 24, kItalicFace);
    const Rect upright = drawAt("lllll", 10, 60, 24, 0);
    EXPECT_GT(italic.width(), upright.width());
}

TEST_F(TextTest, SizeZeroIsTheDefaultSize) {
    TextFont(3);
    TextSize(0);
    const int byDefault = StringWidth("abc");
    TextSize(kDefaultTextSize);
    EXPECT_EQ(StringWidth("abc"), byDefault);
    TextSize(48);
    EXPECT_GT(StringWidth("abc"), 3 * byDefault);
}

TEST_F(TextTest, TextIsClippedToTheBufferWhateverTheSize) {
    ClipRect(Rect{10, 10, 110, 390});
    drawAt("Wide", -30, 150, 2048, kBoldFace); // huge and mostly outside
    const Rect ink = inkExtent(canvas);
    if (!(ink == Rect{})) {
        EXPECT_GE(ink.top, 10);
        EXPECT_GE(ink.left, 10);
        EXPECT_LE(ink.bottom, 110);
        EXPECT_LE(ink.right, 390);
    }
    EXPECT_EQ(drawAt("far away", 32000, -32000, 24, 0), Rect{});
    // The pen still advances (and wraps) past text that lands nowhere.
    EXPECT_NE(GetPort().penLocation.h, 32000);
}

TEST_F(TextTest, FontNumbersMapToTheInstalledFamilies) {
    EXPECT_FALSE(fontFamilyForNumber(0).isEmpty());
    EXPECT_FALSE(fontFamilyForNumber(1).isEmpty());
    EXPECT_FALSE(fontFamilyForNumber(999).isEmpty());
    EXPECT_EQ(GetFNum("DejaVu Serif"), 20);
    EXPECT_EQ(GetFNum("dejavu sans mono"), 4);
    EXPECT_EQ(GetFNum(LStr255("Helvetica")), 21);
    EXPECT_EQ(GetFNum("no such font anywhere"), 0);
    EXPECT_EQ(GetFNum(""), 0);
    // Families without a fixed number get stable numbers that lead back to them, by their full
    // name and by their plain name without the foundry ("P052" for "P052 [urw]").
    for (const QString& family : QFontDatabase::families()) {
        const std::int16_t number = GetFNum(family.toStdString());
        ASSERT_NE(number, 0) << family.toStdString();
        if (number >= kFirstInstalledFontNumber) {
            EXPECT_EQ(fontFamilyForNumber(number), family);
        }
        const QString plain = family.section(QStringLiteral(" ["), 0, 0);
        const std::int16_t plainNumber = GetFNum(plain.toUpper().toStdString());
        ASSERT_NE(plainNumber, 0) << family.toStdString();
        if (plainNumber >= kFirstInstalledFontNumber) {
            EXPECT_EQ(fontFamilyForNumber(plainNumber).section(QStringLiteral(" ["), 0, 0), plain);
        }
    }
}

TEST_F(TextTest, EveryClassicFontNumberDrawsInTheKindItNames) {
    enum Kind { Sans, Serif, Mono };
    const std::pair<std::int16_t, Kind> table[] = {
        {2, Serif},  {3, Sans},  {4, Mono},  {14, Serif}, {15, Sans},  {16, Serif},
        {20, Serif}, {21, Sans}, {22, Mono}, {33, Sans},  {34, Serif},
    };
    for (const auto& [number, kind] : table) {
        SCOPED_TRACE(number);
        // A capital I: serifs make its top row much wider than its stem.
        const Rect ink = drawAt("I", 20, 100, 60, 0, number);
        const auto inkWidthAt = [this, &ink](int v) {
            int width = 0;
            for (int h = ink.left; h < ink.right; ++h)
                width += canvas.pixel(h, v) == kWhite ? 0 : 1;
            return width;
        };
        EXPECT_EQ(StringWidth("iiii") == StringWidth("WWWW"), kind == Mono);
        if (kind != Mono) {
            EXPECT_EQ(inkWidthAt(ink.top + 1) > inkWidthAt((ink.top + ink.bottom) / 2) * 3 / 2,
                      kind == Serif);
        }
    }
}

TEST_F(TextTest, WriteTextDrawsInThePenColourAtThePoint) {
    PaintState state;
    state.penColour = kBlue;
    state.turtlePoint = Point::at(7, 7);
    writeText(state, LStr255("Ab"), 100, 80, TextSettings{20, 30, kBoldFace});
    const Rect ink = inkExtent(canvas);
    EXPECT_GE(ink.left, 99);
    EXPECT_LE(ink.bottom, 81);
    EXPECT_GT(countOf(canvas, kBlue), 20);
    EXPECT_EQ(countOf(canvas, kRed), 0);
    EXPECT_EQ(GetPort().textFont, 20);
    EXPECT_EQ(GetPort().textSize, 30);
    EXPECT_EQ(GetPort().textFace, kBoldFace);
    EXPECT_EQ(state.turtlePoint, Point::at(7, 7));
}

TEST_F(TextTest, OneBitBuffersTakeHalfCoveredPixels) {
    CGWorld mono(Rect{0, 0, 60, 200}, 1);
    StGWorldDraw draw(mono, kWhite);
    RGBForeColor(kBlack);
    TextFont(3);
    TextSize(30);
    MoveTo(5, 40);
    DrawString("Mono");
    EXPECT_GT(countOf(mono, kBlack), 100);
    EXPECT_GE(extentOf(mono, kBlack).left, 4);
}

} // namespace
