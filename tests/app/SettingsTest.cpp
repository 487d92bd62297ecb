// The settings file: made empty at the first launch, every resource written at quit, and
// short, long, foreign and hostile contents read without harm and rewritten.

#include "ApplicationTestSupport.h"
#include "CHideWindow.h"
#include "ResourceFile.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {

using app_test::ApplicationTest;

ResourceBytes bytesOf(std::initializer_list<int> values) {
    ResourceBytes bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

ResourceBytes native(std::uint32_t value) {
    ResourceBytes bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

class SettingsTest : public ApplicationTest {
protected:
    // A launch with the file as given and a quit; the file read back.
    std::unique_ptr<ResourceFile> launchAndQuit(const std::function<void()>& whileRunning = {}) {
        makeApplication();
        application->Initialize();
        if (whileRunning)
            whileRunning();
        application.reset();
        return ResourceFile::open(settingsPath());
    }
    void writeSettings(const std::vector<std::tuple<const char*, int, ResourceBytes>>& resources) {
        ResourceFile file;
        for (const auto& [type, id, bytes] : resources)
            file.put(FourCharCodeFromText(type), static_cast<std::int16_t>(id), bytes);
        ASSERT_TRUE(file.save(settingsPath()));
    }
    static FourCharCode FourCharCodeFromText(const char* text) {
        return static_cast<FourCharCode>(text[0] << 24 | text[1] << 16 | text[2] << 8 | text[3]);
    }
};

TEST_F(SettingsTest, FirstLaunchMakesAnEmptyFileAndQuitWritesEveryResource) {
    makeApplication();
    application->Initialize();
    auto empty = ResourceFile::open(settingsPath());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->count(), 0u);
    EXPECT_EQ(empty->fileType(), FourCC("pref"));
    const QRect tools = application->PaletteWindow(0)->geometry();
    application->ObeyCommand(700, nullptr); // mouse mode on

    application.reset();
    auto file = ResourceFile::open(settingsPath());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->count(), 12u); // the eleven of the palettes and modes, and the pace
    EXPECT_EQ(*file->get(FourCC("WPos"), 0), bytesOf({tools.top() >> 8, tools.top() & 0xFF,
                                                      tools.left() >> 8, tools.left() & 0xFF}));
    EXPECT_EQ(*file->get(FourCC("WVis"), 0), bytesOf({1}));
    EXPECT_EQ(*file->get(FourCC("WVis"), 2), bytesOf({0}));
    EXPECT_EQ(*file->get(FourCC("Mous"), 0), bytesOf({1}));
    EXPECT_EQ(*file->get(FourCC("Draw"), 0), bytesOf({1}));
    EXPECT_EQ(*file->get(FourCC("PenT"), 0), native(2000));
    EXPECT_EQ(*file->get(FourCC("ColT"), 0), native(3000));
    EXPECT_EQ(*file->get(FourCC("Zorv"), 0), native(4000));
}

TEST_F(SettingsTest, ContentsAreReadAsFarAsTheyAreSound) {
    const QPoint standard(-1, -1);
    struct Row { // by default, what a launch without settings shows
        const char* what;
        std::vector<std::tuple<const char*, int, ResourceBytes>> resources;
        QPoint toolsAt = QPoint(-1, -1); // (-1, -1): where it stands by default
        CommandT pen = 2000, colour = 3000, symmetry = 4000;
        bool mouseMode = false, connectMode = true, commandPaletteShown = true;
    };
    const Row rows[] = {
        {"short place ignored", {{"WPos", 0, bytesOf({0, 100})}}},
        {"long place read from its first four bytes",
         {{"WPos", 0, bytesOf({0, 120, 0, 80, 9, 9})}},
         QPoint(80, 120)},
        {"place off every screen ignored", {{"WPos", 0, bytesOf({0x80, 0, 0x80, 0})}}},
        {"selections and flags",
         {{"PenT", 0, native(2003)},
          {"ColT", 0, native(3006)},
          {"Zorv", 0, native(4004)},
          {"Mous", 0, bytesOf({1})},
          {"Draw", 0, bytesOf({0})},
          {"WVis", 2, bytesOf({0})},
          {"WVis", 0, bytesOf({0})}},
         standard,
         2003,
         3006,
         4004,
         true,
         false,
         false},
        {"other byte order ignored",
         {{"PenT", 0, native(qbswap<std::uint32_t>(2003))},
          {"ColT", 0, native(qbswap<std::uint32_t>(3006))}}},
        {"fill is not marked, the picker only selected",
         {{"PenT", 0, native(2010)}, {"ColT", 0, native(3009)}},
         standard,
         2000,
         3009},
        {"a command of another group is not run",
         {{"ColT", 0, native(10)}, {"PenT", 0, native(4005)}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        writeSettings(row.resources);
        auto file = launchAndQuit([&] {
            CHideWindow* tools = application->PaletteWindow(0);
            if (row.toolsAt != standard)
                EXPECT_EQ(tools->geometry().topLeft(), row.toolsAt);
            else
                EXPECT_EQ(tools->geometry().top(), 60);
            EXPECT_TRUE(tools->isVisible()) << "the tool palette always comes back";
            EXPECT_EQ(application->PaletteWindow(2)->isVisible(), row.commandPaletteShown);
            EXPECT_EQ(application->SelectedPenButton(), row.pen);
            EXPECT_EQ(application->SelectedColourButton(), row.colour);
            EXPECT_EQ(application->SelectedSymmetryButton(), row.symmetry);
            EXPECT_EQ(application->mouseMode(), row.mouseMode);
            EXPECT_EQ(application->connectMode(), row.connectMode);
            EXPECT_FALSE(application->IsQuitting());
        });
        ASSERT_TRUE(file);
        EXPECT_EQ(*file->get(FourCC("PenT"), 0), native(static_cast<std::uint32_t>(row.pen)))
            << "rewritten in this machine's order";
    }
    EXPECT_EQ(pickerCalls, 0);
}

TEST_F(SettingsTest, AHostileFileIsSurvivedAndReplacedButADeletedOneStaysDeleted) {
    for (const QByteArray& junk :
         {QByteArray("{\"format\": 7, \"resources\": [ {"), QByteArray(3000, '\xff')}) {
        ASSERT_TRUE(app_test::writeFile(settingsPath(), junk));
        auto rewritten = launchAndQuit();
        ASSERT_TRUE(rewritten);
        EXPECT_EQ(rewritten->count(), 12u);
    }
    EXPECT_FALSE(launchAndQuit([this] { QFile::remove(settingsPath()); }));
}

} // namespace
