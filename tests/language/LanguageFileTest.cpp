#include "LanguageFile.h"

#include "RegionCode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST_F(LanguageFileChoice, CreatesTheFolderAndFindsNothingInIt) {
    EXPECT_EQ(choose(), "(none)");
    EXPECT_TRUE(QFileInfo(languages()).isDir());
}

TEST_F(LanguageFileChoice, AFileInThePlaceOfTheFolderMeansNoLanguageFile) {
    QFile blocker(languages());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(choose(), "(none)");
}

TEST_F(LanguageFileChoice, DefaultOfTheSameMajorAndMinorIsTakenWhateverItsRegion) {
    FileTraits traits;
    traits.region = 49;
    traits.bugfix = 7; // the fix level does not count
    traits.fileType = FourCC("TEXT");
    writeLanguageFile(inLanguages("Default"), "default", traits);
    writeLanguageFile(inLanguages("German.json"), "german");
    EXPECT_EQ(choose(3), "default");
}

TEST_F(LanguageFileChoice, DefaultOfAnotherVersionGivesWayToTheRegionMatchInASubfolder) {
    for (const auto& [major, minor] : {std::pair{2, 0}, std::pair{1, 1}}) {
        FileTraits traits;
        traits.major = major;
        traits.minor = minor;
        writeLanguageFile(inLanguages("Default"), "default", traits);
        writeLanguageFile(inLanguages("Deutsch/German.json"), "german");
        EXPECT_EQ(choose(3), "german") << major << "." << minor;
    }
}

TEST_F(LanguageFileChoice, DefaultWithoutVersionOrUnreadableIsSkipped) {
    FileTraits noVersion;
    noVersion.withVersion = false;
    writeLanguageFile(inLanguages("Default"), "default", noVersion);
    writeLanguageFile(inLanguages("German.json"), "german");
    EXPECT_EQ(choose(3), "german");

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

TEST_F(LanguageFileChoice, ScansOneLevelOfSubfoldersOnly) {
    writeLanguageFile(inLanguages("A/B/Deep.json"), "deep");
    EXPECT_EQ(choose(3), "(none)");
    writeLanguageFile(inLanguages("C/Shallow.json"), "shallow");
    EXPECT_EQ(choose(3), "shallow");
}

TEST_F(LanguageFileChoice, SystemRegionsAreMappedBeforeTheScan) {
    FileTraits french;
    french.region = 1;
    writeLanguageFile(inLanguages("fr/French.json"), "french", french);
    writeLanguageFile(inLanguages("de/German.json"), "german");
    EXPECT_EQ(choose(92), "german"); // Austria
    EXPECT_EQ(choose(19), "german"); // German Switzerland
    EXPECT_EQ(choose(11), "french"); // French Canada
    EXPECT_EQ(choose(1), "french");
    EXPECT_EQ(choose(0), "(none)");
}

TEST_F(LanguageFileChoice, ScannedFilesMustHaveTheRightTypeCreatorAndVersion) {
    FileTraits wrongType;
    wrongType.fileType = FourCC("TEXT");
    FileTraits wrongCreator;
    wrongCreator.creator = FourCC("ttxt");
    FileTraits wrongMajor;
    wrongMajor.major = 2;
    FileTraits wrongMinor;
    wrongMinor.minor = 1;
    FileTraits noVersion;
    noVersion.withVersion = false;
    writeLanguageFile(inLanguages("a.json"), "type", wrongType);
    writeLanguageFile(inLanguages("b.json"), "creator", wrongCreator);
    writeLanguageFile(inLanguages("c.json"), "major", wrongMajor);
    writeLanguageFile(inLanguages("d.json"), "minor", wrongMinor);
    writeLanguageFile(inLanguages("e.json"), "noversion", noVersion);
    EXPECT_EQ(choose(3), "(none)");
    writeLanguageFile(inLanguages("f.json"), "good");
    EXPECT_EQ(choose(3), "good");
}

TEST_F(LanguageFileChoice, TheFirstMatchInNameOrderWins) {
    writeLanguageFile(inLanguages("m/Second.json"), "second");
    writeLanguageFile(inLanguages("b.json"), "first");
    writeLanguageFile(inLanguages("z.json"), "third");
    EXPECT_EQ(choose(3), "first");
}

TEST_F(LanguageFileChoice, WithoutAnApplicationVersionAnyDefaultIsTaken) {
    FileTraits odd;
    odd.major = 9;
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
        {"eo", 103},         {"fr_CA.utf8", 11},
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
    // The examples of the locale table end in the regions of their language.
    EXPECT_EQ(MapRegionCode(RegionCodeOfLocaleName("de_AT")), 3);
    EXPECT_EQ(MapRegionCode(RegionCodeOfLocaleName("fr_CA")), 1);
    EXPECT_EQ(MapRegionCode(RegionCodeOfLocaleName("en_CA")), 0);
    EXPECT_EQ(MapRegionCode(RegionCodeOfLocaleName("pt_BR")), 10);
    EXPECT_EQ(MapRegionCode(RegionCodeOfLocaleName("es_MX")), 8);
}

} // namespace
