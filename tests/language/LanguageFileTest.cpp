#include "LanguageFile.h"

#include "RegionCode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace {

std::unique_ptr<ResourceFile> versioned(int major, int minor, int bugfix, std::int16_t region) {
    auto file = std::make_unique<ResourceFile>();
    if (major >= 0)
        file->put(
            kVersionType, 1,
            *EncodeVersion({.major = major, .minor = minor, .bugfix = bugfix, .region = region}));
    return file;
}

// Places "path=what" items, blank-separated, in the Languages folder: what is "->target" for a
// symbolic link, "|" for a pipe, "{..." for a file of those bytes, else a language file whose
// first keyword is what's name, version 1.0.0 of region 3 unless options after ':' say otherwise
// (major2, minor1, fix7, region49, noversion, TEXT for the type, ttxt for the creator).
void place(const QString& languages, const std::string& items) {
    std::istringstream in(items);
    for (std::string item; in >> item;) {
        const std::size_t equals = item.find('=');
        const QString path = languages + "/" + QString::fromStdString(item.substr(0, equals));
        const std::string what = item.substr(equals + 1);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile raw(path);
        if (what.starts_with("->")) {
            ASSERT_TRUE(QFile::link(QString::fromStdString(what.substr(2)), path));
        } else if (what == "|") {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (what.starts_with("{")) {
            ASSERT_TRUE(raw.open(QIODevice::WriteOnly) && raw.write(what.data()) > 0);
        } else {
            std::istringstream parts(what);
            std::string marker;
            std::getline(parts, marker, ':');
            int version[4] = {1, 0, 0, 3};
            OSType type = kLanguageFileType, creator = kApplicationCreator;
            for (std::string option; std::getline(parts, option, ':');) {
                const char* const names[] = {"major", "minor", "fix", "region"};
                for (int i = 0; i < 4; ++i)
                    if (option.starts_with(names[i]))
                        version[i] = std::stoi(option.substr(std::strlen(names[i])));
                version[0] = option == "noversion" ? -1 : version[0];
                type = option == "TEXT" ? FourCC("TEXT") : type;
                creator = option == "ttxt" ? FourCC("ttxt") : creator;
            }
            auto file = versioned(version[0], version[1], version[2], std::int16_t(version[3]));
            file->setFileType(type);
            file->setCreator(creator);
            file->put(kStringListType, 130, EncodeStringList({marker}));
            ASSERT_TRUE(file->save(path));
        }
    }
}

std::string markerOf(const std::unique_ptr<ResourceFile>& file) {
    return file ? file->GetIndString(kStringListType, 130, 1).value_or(LStr255()).str() : "(none)";
}

// A default that reaches a language file through 1 + links symbolic links.
std::string aliasChain(int links) {
    std::string chain = "x/0=target Default=->x/" + std::to_string(links);
    for (int i = 1; i <= links; ++i)
        chain += " x/" + std::to_string(i) + "=->" + std::to_string(i - 1);
    return chain;
}

TEST(LanguageFileChoice, ChoosesTheDefaultOrTheFirstFileOfTheRegion) {
    const std::string frenchAndGerman = "fr/French.json=french:region1 de/German.json=german";
    const struct {
        const char* what;
        std::string files;
        std::int16_t systemRegion;
        const char* chosen;
        bool withApplication = true;
    } cases[] = {
        {"an empty folder", "", 3, "(none)"},
        {"a default of the same major and minor, whatever its region, fix and type",
         "Default=default:fix7:region49:TEXT German.json=german", 3, "default"},
        {"a default of another major", "Default=default:major2 German.json=german", 3, "german"},
        {"a default of another minor", "Default=default:minor1 German.json=german", 3, "german"},
        {"a default without version", "Default=default:noversion German.json=german", 3, "german"},
        {"no application version: any default", "Default=default:major9 a.json=a", 3, "default",
         false},
        {"no application version: any region file", "x.json=region:major9", 3, "region", false},
        {"an unreadable default",
         "Default={\"format\":\"turtlescope-resources\",\"resources\":[ G=german", 3, "german"},
        {"a pipe as default", "Default=| German.json=german", 3, "german"},
        {"a default linked twice",
         "../e/Mine.json=target ../e/link=->Mine.json Default=->../e/link", 0, "target"},
        {"the longest chain of links", aliasChain(kMaxAliasHops - 1), 0, "target"},
        {"one link more", aliasChain(kMaxAliasHops), 0, "(none)"},
        {"link loops", "Default=->Other Other=->Default Loop=->. Self=->Self", 3, "(none)"},
        {"link loops and a file", "Default=->O O=->Default Loop=->. S=->S Zz.json=german", 3,
         "german"},
        {"two levels deep", "A/B/Deep.json=deep", 3, "(none)"},
        {"one level deep", "A/B/Deep.json=deep C/Shallow.json=shallow", 3, "shallow"},
        {"Austria", frenchAndGerman, 92, "german"},
        {"German Switzerland", frenchAndGerman, 19, "german"},
        {"French Canada", frenchAndGerman, 11, "french"},
        {"France", frenchAndGerman, 1, "french"},
        {"no file of the region", frenchAndGerman, 0, "(none)"},
        {"wrong type, creator or version",
         "a.json=a:TEXT b.json=b:ttxt c.json=c:major2 "
         "d.json=d:minor1 e.json=e:noversion",
         3, "(none)"},
        {"the first match in name order", "m/Second.json=second b.json=first z.json=third", 3,
         "first"},
    };
    const auto application = versioned(1, 0, 0, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString languages = dir.filePath(QStringLiteral("Languages"));
        place(languages, c.files);
        EXPECT_EQ(markerOf(LoadLanguageFile(languages, c.systemRegion,
                                            c.withApplication ? application.get() : nullptr)),
                  c.chosen);
        EXPECT_TRUE(QFileInfo(languages).isDir()) << "the folder is made when missing";
    }
}

TEST(LanguageFileChoice, AFileInThePlaceOfTheFolderMeansNone) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("Languages")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(LoadLanguageFile(blocker.fileName(), 3, versioned(1, 0, 0, 0).get()), nullptr);
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
        {"dz", 83},
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
