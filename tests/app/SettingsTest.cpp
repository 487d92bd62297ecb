// The settings file: made empty at the first launch, every resource written at quit and read
// at the next launch, and short, long, foreign and hostile contents read without harm.

#include "ApplicationTestSupport.h"
#include "ResourceFile.h"

#include <QtEndian>
#include <cstring>

// The type, number and bytes of a resource.
using Setting = std::tuple<const char*, std::int16_t, ResourceBytes>;

static ResType typeOf(const char* text) {
    return static_cast<ResType>(text[0] << 24 | text[1] << 16 | text[2] << 8 | text[3]);
}

// A selection as this machine stores it.
static ResourceBytes native(std::uint32_t value) {
    ResourceBytes bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

class SettingsTest : public ApplicationTest {
protected:
    // A launch on the settings file as it is and a quit; the file read back.
    std::unique_ptr<ResourceFile> launchAndQuit(const std::function<void()>& whileRunning) {
        makeApplication();
        application->Initialize();
        whileRunning();
        application.reset();
        return ResourceFile::open(path("settings.json"));
    }
};

TEST_F(SettingsTest, FirstLaunchMakesAnEmptyFileQuitWritesEveryResourceTheNextLaunchReads) {
    auto file = launchAndQuit([this] {
        auto empty = ResourceFile::open(path("settings.json"));
        ASSERT_TRUE(empty);
        EXPECT_EQ(std::pair(empty->count(), empty->fileType()),
                  std::pair(std::size_t{0}, FourCC("pref")));
        CHideWindow* tools = application->PaletteWindow(0);
        tools->setGeometry(QRect(QPoint(80, 120), tools->size()));
        for (CommandT button : {2003, 3006, 4004})
            QTest::mouseClick(application->PaletteButton(button), Qt::LeftButton);
        application->ObeyCommand(700, nullptr); // mouse mode on
        application->ObeyCommand(508, nullptr); // connect mode off
    });
    ASSERT_TRUE(file);
    EXPECT_EQ(file->count(), 12u); // the eleven of the palettes and modes, and the pace
    // Places are stored big-endian, top first; the next launch reads what this one wrote.
    EXPECT_EQ(*file->get(typeOf("WPos"), 0), (ResourceBytes{0, 120, 0, 80}));
    const QByteArray first = readFile(path("settings.json"));
    launchAndQuit([this] {
        EXPECT_EQ(application->PaletteWindow(0)->geometry().topLeft(), QPoint(80, 120));
        EXPECT_FALSE(application->PaletteWindow(2)->isVisible());
        EXPECT_EQ(std::tuple(application->SelectedPenButton(), application->SelectedColourButton(),
                             application->SelectedSymmetryButton(), application->mouseMode(),
                             application->connectMode()),
                  std::tuple(2003, 3006, 4004, true, false));
    });
    EXPECT_EQ(readFile(path("settings.json")), first);
}

// The tool palette's place (left -1: where it stands by default), and colour mark read;
// the first pen stays.
TEST_F(SettingsTest, ContentsAreReadAsFarAsTheyAreSoundAndHostileOnesReplaced) {
    const std::tuple<QPoint, CommandT, std::vector<Setting>> rows[] = {
        {{-1, 60}, 3000, {{"WPos", 0, {0, 100}}}},              // a short place
        {{80, 120}, 3000, {{"WPos", 0, {0, 120, 0, 80, 9}}}},   // a long one: four bytes
        {{-1, 60}, 3000, {{"WPos", 0, {0x80, 0, 0x80, 0}}}},    // off every screen
        {{-1, 60}, 3000, {{"WVis", 0, {0}}}},                   // tools always come back
        {{-1, 60}, 3000, {{"PenT", 0, native(qbswap(2003u))}}}, // the other byte order
        {{-1, 60}, 3009, {{"PenT", 0, native(2010)}, {"ColT", 0, native(3009)}}}, // fill
        {{-1, 60}, 3000, {{"ColT", 0, native(10)}, {"PenT", 0, native(4005)}}},   // other group
    };
    for (const auto& row : rows) {
        const auto& [toolsAt, colour, settings] = row;
        SCOPED_TRACE(&row - rows);
        ResourceFile written;
        for (const auto& [type, id, bytes] : settings)
            written.put(typeOf(type), id, bytes);
        ASSERT_TRUE(written.save(path("settings.json")));
        auto file = launchAndQuit([&] {
            const QRect tools = application->PaletteWindow(0)->geometry();
            EXPECT_TRUE(toolsAt.x() < 0 || tools.left() == toolsAt.x());
            // Both palettes shown unless stored hidden; the first pen and the modes stay.
            EXPECT_EQ(std::tuple(tools.top(), application->PaletteWindow(0)->isVisible(),
                                 application->PaletteWindow(2)->isVisible(),
                                 application->SelectedPenButton(),
                                 application->SelectedColourButton(), application->mouseMode(),
                                 application->connectMode()),
                      std::tuple(toolsAt.y(), true, true, 2000, colour, false, true));
        });
        ASSERT_TRUE(file);
        EXPECT_EQ(*file->get(typeOf("PenT"), 0), native(2000))
            << "rewritten in this machine's order";
    }
    EXPECT_EQ(pickerCalls, 0);
    // A hostile file is survived and replaced, but a deleted one stays deleted.
    for (const QByteArray& junk :
         {QByteArray("{\"format\": 7, \"resources\": [ {"), QByteArray(3000, '\xff')}) {
        ASSERT_TRUE(writeFile(path("settings.json"), junk));
        auto rewritten = launchAndQuit([] {});
        ASSERT_TRUE(rewritten);
        EXPECT_EQ(rewritten->count(), 12u);
    }
    EXPECT_FALSE(launchAndQuit([this] { QFile::remove(path("settings.json")); }));
}
