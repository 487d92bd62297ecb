// One fuzzer for everything that takes outside data: the first byte picks the target, the rest is
// its input. Each target aborts when what must hold of the result does not; the sanitizers watch
// every read and write.

#include "Brush.h"
#include "CGWorld.h"
#include "Expressions.h"
#include "FloodFill.h"
#include "GWorldGuards.h"
#include "Instruction.h"
#include "LanguageTables.h"
#include "NullTurtleView.h"
#include "OvalDrawing.h"
#include "ParseContext.h"
#include "Parser.h"
#include "PenDrawing.h"
#include "PictReader.h"
#include "PolygonDrawing.h"
#include "RectDrawing.h"
#include "ResourceChain.h"
#include "ResourceFile.h"
#include "RunContext.h"
#include "RunControl.h"
#include "Segments.h"
#include "StretchBits.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace {

void require(bool holds) {
    if (!holds)
        std::abort();
}

// The input's bytes read as numbers; past the end every byte reads 0.
struct FuzzInput {
    explicit FuzzInput(std::span<const std::uint8_t> data) : mData(data) {}
    bool empty() const { return mPos >= mData.size(); }
    std::uint8_t byte() { return mPos < mData.size() ? mData[mPos++] : 0; }
    std::uint32_t word() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i)
            w = w << 8 | byte();
        return w;
    }
    // Mostly -64..191, near a small image; below a first byte of nearBelow, else far().
    template <typename Far> auto nearOr(std::uint8_t nearBelow, Far far) {
        using Result = decltype(far());
        return byte() < nearBelow ? static_cast<Result>(int(byte()) - 64) : far();
    }
    std::span<const std::uint8_t> mData;
    std::size_t mPos = 0;
};

// Checks what must hold of every node of a parsed program, and evaluates each inner list.
void walk(ParseContext& context, const CInstruction* first, int depth) {
    require(depth <= kMaxNestingDepth + 1);
    for (const CInstruction* node = first; node; node = node->Next()) {
        const auto* run = dynamic_cast<const CRunShapeInstruction*>(node);
        require(node->Code() <= kLastTokenCode && node->StartOffset() <= node->EndOffset() &&
                node->StartOffset() >= 0 && (!run || run->Target()));
        if (const CInstruction* inner = node->FirstChild()) {
            const CInstruction* stop = nullptr;
            EvalSum(context, inner, stop);
            EvalOperand(context, node);
            walk(context, inner, depth + 1);
        }
    }
}

void fuzzParser(std::span<const std::uint8_t> bytes) {
    ParseHooks hooks;
    hooks.fontNumber = [](std::string_view name) { return static_cast<std::int16_t>(name.size()); };
    ParseContext context(std::move(hooks));
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool parsed = ParseProgram(context, text);
    require(context.nestingDepth == 0 &&
            (parsed || (context.errorStart >= 0 && context.errorStart <= context.errorEnd &&
                        static_cast<std::size_t>(context.errorEnd) <= bytes.size())));
    // The first byte seeds the variables' values, so evaluation meets zeros, signs and extremes.
    const std::int32_t seeds[] = {0, 1, -1, 2147483647, -2147483647 - 1, 7};
    for (auto& variable : context.variables)
        variable->value = bytes.empty() ? 0 : seeds[bytes[0] % 6];
    walk(context, context.firstInstruction.get(), 0);
    const CInstruction* stop = nullptr;
    EvalSum(context, context.firstInstruction.get(), stop);
}

// Fails the run when a heading leaves a whole turn, or a stroke could reach far outside the
// picture: either both ends are handed over as they are, or both lie on the square around the
// picture (centre (200, 150), half side 464).
struct CheckingView : NullTurtleView {
    CheckingView() : NullTurtleView(Rect{0, 0, 300, 400}) {}
    void setHeading(float degrees) override { require(degrees >= 0 && degrees < 360); }
    void lineTurtleTo(Point p, float heading) override {
        const auto exact = [](Point q) { return std::abs(q.h) <= 16000 && std::abs(q.v) <= 16000; };
        const auto near = [](Point q) {
            return std::abs(q.h - 200) <= 464 && std::abs(q.v - 150) <= 464;
        };
        require((exact(mTurtle) && exact(p)) || (near(mTurtle) && near(p)));
        moveTurtleTo(p, heading);
    }
    void moveTurtleTo(Point p, float heading) override {
        setHeading(heading);
        mTurtle = p;
    }
};

// Receives the key presses that stop runs. Never destroyed: at exit its children (the keyboard
// device of the key events) would be torn down after the GUI state they refer to.
QObject* keyTarget() {
    static QObject* const target = new QObject;
    return target;
}

// A run that goes on too long is stopped the way a user stops one: by a key press.
void fuzzInterpreter(std::span<const std::uint8_t> bytes) {
    CheckingView view;
    RunContext context(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       0, &view, nullptr);
    QObject thisRun; // ends the stop timer with the run
    QTimer::singleShot(30, &thisRun, [] {
        QCoreApplication::postEvent(
            keyTarget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    ExecuteRun(context);
    require(context.runDepth == 0 && !RunInProgress());
}

// As a picture document file and as a bare picture, under tighter limits than the defaults.
void fuzzPictReader(std::span<const std::uint8_t> bytes) {
    const PictLimits limits{2048, std::int64_t{16} << 20};
    const PictDecodeResult file = decodePictureFileData(bytes, limits);
    require(
        file.status != 0 || file.image.isNull() ||
        (file.image.width() == file.frame.width() && file.image.height() == file.frame.height()));
    (void)decodePicture(bytes, limits);
}

// Every resource file the reader accepts reads item by item, writes out and comes back byte for
// byte.
void fuzzResourceFile(std::span<const std::uint8_t> bytes) {
    const auto file = ResourceFile::fromJson(
        QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    if (!file)
        return;
    for (const auto& [key, resource] : file->resources()) {
        for (int index = -1; index <= 40; ++index)
            (void)file->GetIndString(key.first, key.second, index);
        (void)DecodeStringList(resource.bytes);
        (void)DecodeVersion(resource.bytes);
        (void)ReadVersionKey(resource.bytes);
    }
    const auto copy = ResourceFile::fromJson(file->toJson());
    require(copy && copy->count() == file->count());
    for (const auto& [key, resource] : file->resources()) {
        const ResourceBytes* bytesBack = copy->get(key.first, key.second);
        require(bytesBack != nullptr && *bytesBack == resource.bytes);
    }
}

// Mostly near the canvas, sometimes anywhere.
std::int16_t nearCoordinate(FuzzInput& in) {
    return in.nearOr(200, [&in] { return static_cast<std::int16_t>(in.word()); });
}

// Raster operations with arbitrary 16-bit coordinates on a small canvas: the pixels outside the
// clip stay white.
void fuzzRaster(std::span<const std::uint8_t> bytes) {
    FuzzInput in(bytes);
    ResetCurrentPort();
    CGWorld canvas(Rect{0, 0, 48, 64}, 32);
    StGWorldDraw draw(canvas, kWhite);
    const Rect clip{4, 4, 44, 60};
    ClipRect(clip);
    RGBForeColor(RGBColour{0, 0, 0});
    PaintState state;
    for (int operations = 1; !in.empty() && operations < 64; ++operations) {
        // Every operation reads the same fields and uses what it needs.
        const std::uint8_t op = in.byte(), a = in.byte(), b = in.byte();
        const Rect r{nearCoordinate(in), nearCoordinate(in), nearCoordinate(in),
                     nearCoordinate(in)};
        const Point from = Point::at(r.left, r.top), to = Point::at(r.right, r.bottom);
        switch (op % 8) {
        case 0:
            PenSize(a % 40, b % 40);
            MoveTo(from.h, from.v);
            LineTo(to.h, to.v);
            break;
        case 1:
            PaintOval(r);
            break;
        case 2:
            PenSize(a % 8, b % 8);
            FrameOval(r);
            break;
        case 3: {
            std::vector<Point> points(a % 7);
            for (Point& p : points)
                p = Point{nearCoordinate(in), nearCoordinate(in)};
            PaintPoly(points);
            break;
        }
        case 4:
            state.penWidth = static_cast<std::int16_t>(a % 40);
            state.symmetry = static_cast<std::int32_t>(b % 10) - 1;
            state.turtlePoint = Point{nearCoordinate(in), nearCoordinate(in)};
            state.strokeStart = (op & 8) != 0;
            drawStroke(state, from, to);
            break;
        case 5:
            state.symmetry = static_cast<std::int32_t>(b % 10);
            state.penColour = RGBColour{std::uint16_t(a << 8), 0, 0};
            floodFill(state, canvas, from, to);
            break;
        case 6:
            RGBForeColor(RGBColour{std::uint16_t(a << 8), 0x1111, 0x2222});
            break;
        default:
            PaintRect(r);
        }
    }
    for (int v = 0; v < 48; ++v)
        for (int h = 0; h < 64; ++h)
            require((v >= clip.top && v < clip.bottom && h >= clip.left && h < clip.right) ||
                    canvas.pixel(h, v) == kWhite);
}

// Mostly near the images, sometimes as far as a picture's scaled coordinates reach.
int coordinate(FuzzInput& in) {
    return in.nearOr(220, [&in] { return static_cast<int>(in.word() % (1u << 31)) - (1 << 30); });
}

PixelBox box(FuzzInput& in) {
    return {coordinate(in), coordinate(in), coordinate(in), coordinate(in)}; // in this order
}

// Indexed pixels take the top bits of the random value: two colours or four.
QImage makeImage(FuzzInput& in) {
    constexpr QImage::Format kFormats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                           QImage::Format_Mono, QImage::Format_Indexed8,
                                           QImage::Format_RGB888};
    constexpr int kIndexBits[] = {0, 0, 1, 2, 0};
    const int kind = in.byte() % 5, width = 1 + in.byte() % 40;
    QImage image(width, 1 + in.byte() % 40, kFormats[kind]);
    const int indexBits = kIndexBits[kind];
    const QList<QRgb> palette = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0),
                                 qRgb(0, 0, 255)};
    if (indexBits != 0)
        image.setColorTable(palette.first(1 << indexBits));
    std::uint32_t s = in.word();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            s = s * 1664525u + 1013904223u;
            image.setPixel(x, y, indexBits != 0 ? s >> (32 - indexBits) : 0xFF000000u | (s >> 8));
        }
    return image;
}

// The block-copy engine with arbitrary boxes, formats, modes and colours, the source sometimes
// the destination itself: the area reported is inside the clip, the destination box and the
// image, and every pixel outside it keeps its value.
void fuzzStretchBits(std::span<const std::uint8_t> bytes) {
    FuzzInput in(bytes);
    QImage dest = makeImage(in);
    const bool ontoItself = (in.byte() & 3) == 0;
    const QImage other = makeImage(in);
    const QImage& source = ontoItself ? dest : other;
    const Stretch stretch{box(in), box(in), box(in)};
    const auto mode = static_cast<TransferMode>(in.byte() % 8);
    TransferColours colours;
    if ((in.byte() & 1) == 0)
        colours = TransferColours{in.word() & 0xFFFFFFu, in.word() & 0xFFFFFFu};

    const QImage before = dest.copy();
    const PixelBox expected = stretchedArea(dest, source, stretch);
    const PixelBox written = stretchBits(dest, source, stretch, mode, colours);
    const PixelBox allowed =
        stretch.clip.intersected(stretch.destination).intersected(PixelBox::of(dest));
    require(written == expected && (written.isEmpty() || written.intersected(allowed) == written));
    for (int y = 0; y < dest.height(); ++y)
        for (int x = 0; x < dest.width(); ++x)
            require((x >= written.left && x < written.right && y >= written.top &&
                     y < written.bottom) ||
                    dest.pixel(x, y) == before.pixel(x, y));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        static int argc = 1;
        static char name[] = "fuzz_turtlescope";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv); // never destroyed, for the same reason as keyTarget()
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
        return keyTarget() != nullptr;
    }();
    using Target = void (*)(std::span<const std::uint8_t>);
    constexpr Target kTargets[] = {fuzzParser,       fuzzInterpreter, fuzzPictReader,
                                   fuzzResourceFile, fuzzRaster,      fuzzStretchBits};
    if (ready && size > 0)
        kTargets[data[0] % 6](std::span<const std::uint8_t>(data + 1, size - 1));
    return 0;
}
