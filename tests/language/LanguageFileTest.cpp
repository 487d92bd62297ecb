#include "LanguageFile.h"

#include "RegionCode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct FileTraits {
    int major = 1;
    int minor = 0;
    int bugfix = 0;
    std::int16_t region = 3;
    OSType fileType = kLanguageFileType;
    OSType creator = kApplicationCreator;
    bool withVersion = true;
};

// A language file whose long version string names it, so a test can tell which one was chosen.
void writeLanguageFile(const QString& path, const std::string& marker,
                       const FileTraits& traits = {}) {
    ResourceFile file;
    file.setFileType(traits.fileType);
    file.setCreator(traits.creator);
    if (traits.withVersion) {
        VersionRecord version;
        version.major = traits.major;
        version.minor = traits.minor;
        version.bugfix = traits.bugfix;
        version.region = traits.region;
        version.longVersion = marker;
        file.put(kVersionType, 1, *EncodeVersion(version));
    }
    file.put(kStringListType, 130, EncodeStringList({marker}));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(file.save(path));
}

std::string markerOf(const std::unique_ptr<ResourceFile>& file) {
    if (!file)
        return "(none)";
    const auto item = file->GetIndString(kStringListType, 130, 1);
    return item ? item->str() : "(no marker)";
}

std::unique_ptr<ResourceFile> applicationResources(int major = 1, int minor = 0) {
    auto file = std::make_unique<ResourceFile>();
    VersionRecord version;
    version.major = major;
    version.minor = minor;
    file->put(kVersionType, 1, *EncodeVersion(version));
    return file;
}

class LanguageFileChoice : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mDir.isValid()); }

    QString languages() const { return mDir.filePath(QStringLiteral("Languages")); }
    QString inLanguages(const QString& name) const { return languages() + "/" + name; }

    std::string choose(std::int16_t systemRegion = 3) const {
        const auto application = applicationResources();
        return markerOf(LoadLanguageFile(languages(), systemRegion, application.get()));
    }

    QTemporaryDir mDir;
};

struct PlacedFile {
    const char* path; // inside the Languages folder
    const char* marker;
    FileTraits traits = {};
};

struct Choice {
    const char* what;
    std::vector<PlacedFile> files;
    std::int16_t systemRegion;
    const char* chosen;
};

TEST_F(LanguageFileChoice, ChoosesTheDefaultOrTheFirstFileOfTheRegion) {
    const FileTraits otherRegionAndFix{.bugfix = 7, .region = 49, .fileType = FourCC("TEXT")};
    const FileTraits french{.region = 1};
    const std::vector<PlacedFile> frenchAndGerman = {{"fr/French.json", "french", french},
                                                     {"de/German.json", "german"}};
    const Choice cases[] = {
        {"an empty folder", {}, 3, "(none)"},
        {"a default of the same major and minor, whatever its region, fix and type",
         {{"Default", "default", otherRegionAndFix}, {"German.json", "german"}},
         3,
         "default"},
        {"a default of another major version",
         {{"Default", "default", {.major = 2}}, {"Deutsch/German.json", "german"}},
         3,
         "german"},
        {"a default of another minor version",
         {{"Default", "default", {.minor = 1}}, {"Deutsch/German.json", "german"}},
         3,
         "german"},
        {"a default without version",
         {{"Default", "default", {.withVersion = false}}, {"German.json", "german"}},
         3,
         "german"},
        {"two levels deep", {{"A/B/Deep.json", "deep"}}, 3, "(none)"},
        {"one level deep",
         {{"A/B/Deep.json", "deep"}, {"C/Shallow.json", "shallow"}},
         3,
         "shallow"},
        {"Austria", frenchAndGerman, 92, "german"},
        {"German Switzerland", frenchAndGerman, 19, "german"},
        {"French Canada", frenchAndGerman, 11, "french"},
        {"France", frenchAndGerman, 1, "french"},
        {"no file of the region", frenchAndGerman, 0, "(none)"},
        {"wrong type, creator or version",
         {{"a.json", "type", {.fileType = FourCC("TEXT")}},
          {"b.json", "creator", {.creator = FourCC("ttxt")}},
          {"c.json", "major", {.major = 2}},
          {"d.json", "minor", {.minor = 1}},
          {"e.json", "noversion", {.withVersion = false}}},
         3,
         "(none)"},
        {"the first match in name order",
         {{"m/Second.json", "second"}, {"b.json", "first"}, {"z.json", "third"}},
         3,
         "first"},
    };
    for (const Choice& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString languages = dir.filePath(QStringLiteral("Languages"));
        for (const PlacedFile& file : c.files)
            writeLanguageFile(languages + "/" + file.path, file.marker, file.traits);
        const auto application = applicationResources();
        EXPECT_EQ(markerOf(LoadLanguageFile(languages, c.systemRegion, application.get())),
                  c.chosen);
        EXPECT_TRUE(QFileInfo(languages).isDir()) << "the folder is made when missing";
    }
}

TEST_F(LanguageFileChoice, AFileInThePlaceOfTheFolderMeansNoLanguageFile) {
    QFile blocker(languages());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(choose(), "(none)");
}

TEST_F(LanguageFileChoice, AnUnreadableDefaultIsSkipped) {
    writeLanguageFile(inLanguages("German.json"), "german");
    QFile broken(inLanguages("Default"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("{\"format\": \"turtlescope-resources\", \"version\": 1, \"resources\": [");
    broken.close();
    EXPECT_EQ(choose(3), "german");

    QFile::remove(inLanguages("Default"));
    ASSERT_EQ(mkfifo(QFile::encodeName(inLanguages("Default")).constData(), 0600), 0);
    EXPECT_EQ(choose(3), "german");
}

TEST_F(LanguageFileChoice, ADefaultThatIsALinkOpensItsTarget) {
    writeLanguageFile(mDir.filePath(QStringLiteral("elsewhere/Mine.json")), "target");
    ASSERT_TRUE(QDir().mkpath(languages()));
    ASSERT_TRUE(
        QFile::link(mDir.filePath(QStringLiteral("elsewhere/link2")), inLanguages("Default")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("Mine.json"), mDir.filePath(QStringLiteral("elsewhere/link2"))));
    EXPECT_EQ(choose(0), "target");
}

TEST_F(LanguageFileChoice, LinkLoopsEndWithoutAFile) {
    ASSERT_TRUE(QDir().mkpath(languages()));
    ASSERT_TRUE(QFile::link(inLanguages("Other"), inLanguages("Default")));
    ASSERT_TRUE(QFile::link(inLanguages("Default"), inLanguages("Other")));
    ASSERT_TRUE(QFile::link(languages(), inLanguages("Loop"))); // a folder link back to itself
    ASSERT_TRUE(QFile::link(QStringLiteral("Self"), inLanguages("Self")));
    EXPECT_EQ(choose(3), "(none)");

    writeLanguageFile(inLanguages("Zz.json"), "german");
    EXPECT_EQ(choose(3), "german");
}

TEST_F(LanguageFileChoice, WithoutAnApplicationVersionAnyDefaultIsTaken) {
    const FileTraits odd{.major = 9};
    writeLanguageFile(inLanguages("Default"), "default", odd);
    EXPECT_EQ(markerOf(LoadLanguageFile(languages(), 3, nullptr)), "default");
    QFile::remove(inLanguages("Default"));
    writeLanguageFile(inLanguages("x.json"), "region only", odd);
    EXPECT_EQ(markerOf(LoadLanguageFile(languages(), 3, nullptr)), "region only");
}

TEST_F(LanguageFileChoice, InstallPutsTheFileFirstInTheChain) {
    writeLanguageFile(inLanguages("German.json"), "german");
    ResourceChain chain(applicationResources());
    EXPECT_TRUE(InstallLanguageFile(chain, languages(), 3));
    EXPECT_EQ(chain.GetIndString(kStringListType, 130, 1).str(), "german");
    EXPECT_FALSE(InstallLanguageFile(chain, languages(), 0));
    EXPECT_FALSE(chain.hasLanguageFile());
}

TEST(RegionCodes, LocaleNamesMapToTheirRegions) {
    const std::pair<const char*, int> examples[] = {
        {"de_DE.UTF-8", 3},  {"de_AT", 92},      {"de_CH", 19},
        {"fr_CA", 11},       {"fr_BE", 98},      {"en_GB", 2},
        {"en_CA", 82},       {"en_AU", 15},      {"pt_BR", 71},
        {"es_MX", 86},       {"nl_BE", 6},       {"it_CH", 36},
        {"el_GR", 20},       {"en_US", 0},       {"C", 0},
        {"C.UTF-8", 0},      {"POSIX", 0},       {"", 0},
        {"sr_RS@latin", 65}, {"nb_NO", 12},      {"no_NO", 12},
        {"nn_NO", 101},      {"zh_HK", 53},      {"zh_SG", 52},
        {"de_LU", 3},        {"pt_AO", 10},      {"es_ES", 8},
        {"ca_AD", 73},       {"en_NZ", 0},       {"fr_SN", 1},
        {"xx_YY", 0},        {"de-AT", 92},      {"DE_at.utf8", 92},
        {"eo", 103},         {"fr_CA.utf8", 11}, {"iu", 78},
    };
    for (const auto& [name, region] : examples)
        EXPECT_EQ(RegionCodeOfLocaleName(name), region) << name;
}

TEST(RegionCodes, MapRegionCodeFoldsVariants) {
    const std::pair<int, int> table[] = {
        {6, 5},  {26, 5}, {102, 5}, {11, 1},  {18, 1},  {91, 1},  {98, 1},    {15, 2},  {37, 2},
        {19, 3}, {92, 3}, {30, 10}, {71, 10}, {31, 12}, {32, 9},  {36, 4},    {40, 20}, {64, 20},
        {82, 0}, {86, 8}, {0, 0},   {3, 3},   {49, 49}, {-1, -1}, {108, 108},
    };
    for (const auto& [system, wanted] : table)
        EXPECT_EQ(MapRegionCode(static_cast<std::int16_t>(system)), wanted) << system;
}

} // namespace
