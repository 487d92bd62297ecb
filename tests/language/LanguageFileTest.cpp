#include "LanguageFile.h"

#include "LanguageTables.h"
#include "RegionCode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace {

std::unique_ptr<ResourceFile> versioned(int major, int minor, int bugfix, std::int16_t region) {
    auto file = std::make_unique<ResourceFile>();
    VersionRecord v;
    std::tie(v.major, v.minor, v.bugfix, v.region) = std::tuple(major, minor, bugfix, region);
    if (major >= 0)
        file->put(kVersionType, 1, *EncodeVersion(v));
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
            const auto option = [&what](const std::string& name, int otherwise) {
                const std::size_t at = what.find(':' + name);
                return at == std::string::npos ? otherwise : std::atoi(&what[at + 1 + name.size()]);
            };
            auto file =
                versioned(option("noversion", 1) ? option("major", 1) : -1, option("minor", 0),
                          option("fix", 0), std::int16_t(option("region", 3)));
            file->setFileType(option("TEXT", 1) ? kLanguageFileType : FourCC("TEXT"));
            file->setCreator(option("ttxt", 1) ? kApplicationCreator : FourCC("ttxt"));
            file->put(kStringListType, 130, EncodeStringList({what.substr(0, what.find(':'))}));
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
        {"whatever its region, fix, type", "Default=d:fix7:region49:TEXT G.json=german", 3, "d"},
        {"a default of another minor", "Default=d:minor1 G.json=german", 3, "german"},
        {"a default without version", "Default=d:noversion G.json=german", 3, "german"},
        {"no application version", "Default=d:major9 a.json=a", 3, "d", false},
        {"unreadable", "Default={\"format\":\"turtlescope-resources\",\"resources\":[ G=g", 3, "g"},
        {"a pipe as default", "Default=| German.json=german", 3, "german"},
        {"linked twice", "../e/Mine.json=t ../e/link=->Mine.json Default=->../e/link", 0, "t"},
        {"the longest chain of links", aliasChain(kMaxAliasHops - 1), 0, "target"},
        {"one link more", aliasChain(kMaxAliasHops), 0, "(none)"},
        {"link loops", "Default=->O O=->Default Loop=->. S=->S Zz.json=german", 3, "german"},
        {"one level deep", "A/B/Deep.json=deep C/Shallow.json=shallow", 3, "shallow"},
        {"Austria", frenchAndGerman, 92, "german"},
        {"French Canada", frenchAndGerman, 11, "french"},
        {"no file of the region", frenchAndGerman, 0, "(none)"},
        {"wrong type or creator", "a.json=a:TEXT b.json=b:ttxt", 3, "(none)"},
        {"wrong version", "c.json=c:major2 d.json=d:minor1 e.json=e:noversion", 3, "(none)"},
        {"the first in name order", "m/Second.json=2 b.json=first z.json=third", 3, "first"},
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

TEST(RegionCodes, LocaleNamesMapToTheirRegions) {
    const std::pair<const char*, int> examples[] = {
        {"de_DE.UTF-8", 3}, {"de_AT", 92},  {"de_CH", 19},      {"fr_CA", 11}, {"en_GB", 2},
        {"en_US", 0},       {"C", 0},       {"POSIX", 0},       {"", 0},       {"sr_RS@latin", 65},
        {"nb_NO", 12},      {"nn_NO", 101}, {"zh_HK", 53},      {"de_LU", 3},  {"fr_SN", 1},
        {"xx_YY", 0},       {"de-AT", 92},  {"DE_at.utf8", 92}, {"eo", 103},   {"fr_CA.utf8", 11},
        {"iu", 78},         {"dz", 83},
    };
    for (const auto& [name, region] : examples)
        EXPECT_EQ(RegionCodeOfLocaleName(name), region) << name;
}

const QString kShippedLanguages =
    QStringLiteral(TURTLESCOPE_TEST_DATA "/../../resources/Languages");

// Each shipped file, chosen by a system region of its own, and the application's own English
// words (no file): every word is whole, lower case, and classifies to the code the English word
// of its slot has (the parser's tests hold the English words to their meanings).
TEST(ShippedWords, EveryWordClassifiesToItsSlotsCode) {
    // One chain throughout: a file installed goes first in it; a region without a file (the
    // English rows) takes the file installed before out of it again.
    std::map<std::pair<int, int>, TokenCode> codes; // set by the first, English, row
    ResourceChain chain;
    chain.setApplicationResources(LoadApplicationResources());
    ASSERT_TRUE(chain.applicationResources());
    for (const auto& [fileName, region] :
         {std::pair{"", 0}, {"Deutsch.json", 92}, {"Francais.json", 11}, {"", 0}}) {
        SCOPED_TRACE(fileName);
        const bool shipped = *fileName != '\0';
        EXPECT_EQ(InstallLanguageFile(chain, kShippedLanguages, std::int16_t(region)), shipped);
        EXPECT_EQ(chain.hasLanguageFile(), shipped);
        if (shipped) {
            const auto direct = ResourceFile::open(kShippedLanguages + "/" + fileName);
            ASSERT_TRUE(direct);
            EXPECT_EQ(chain.languageFile()->toJson(), direct->toJson());
        }
        InitLanguageTablesFrom(chain);
        const auto check = [&](const auto& entry, int list, int item) {
            const std::string raw =
                chain.GetIndString(kStringListType, std::int16_t(list), item).str();
            SCOPED_TRACE(raw);
            EXPECT_EQ(entry.str(), raw) << "cut or not lower case";
            EXPECT_GT(entry.length(), 1u);
            // Both keyword sets share codes slot by slot, as do the abbreviations.
            const int group = list == 132 ? 131 : list > 132 ? list - 4 : list;
            const auto known = codes.try_emplace({group, item}, ClassifyWord(entry.view())).first;
            EXPECT_EQ(ClassifyWord(entry.view()), known->second);
        };
        for (int slot = 0; slot < kKeywordSlots; ++slot) {
            check(KeywordSet1(slot), 130, slot + 1);
            // A word of set 1 repeated in set 2 in the same slot is the same word.
            if (KeywordSet2(slot).view() != KeywordSet1(slot).view())
                check(KeywordSet2(slot), 134, slot + 1);
        }
        for (int slot = 0; slot < kAbbreviationSlots; ++slot) {
            check(Abbreviation(0, slot), 131, slot + 1);
            check(Abbreviation(1, slot), 132, slot + 1);
        }
        for (int slot = 0; slot < kColourSlots; ++slot) {
            check(ColourName1(slot), 129, slot + 1);
            check(ColourName2(slot), 133, slot + 1);
        }
        for (int n = 1; n <= kParserMessages; ++n)
            EXPECT_FALSE(ParserMessageText(n).empty()) << n;
        EXPECT_TRUE(ParserMessageText(2).view().ends_with(": "));
    }
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
}

// Tables filled from a chain the test builds. Afterwards the application's own tables come
// back, since other tests in this program read them through InitLanguageTables.
class CustomVocabulary : public ::testing::Test {
protected:
    void TearDown() override { InitLanguageTablesFrom(ResourceChain(LoadApplicationResources())); }

    // Each row puts a word into a slot of a list (130 and 134 the keyword sets, 131 and 132 the
    // abbreviations; every other slot stays empty), then classifies a word.
    using Row = std::tuple<std::int16_t, std::size_t, std::string, std::string, TokenCode>;
    static void install(const std::vector<Row>& rows) {
        std::map<std::int16_t, std::vector<std::string>> lists;
        for (const std::int16_t id : {130, 134, 131, 132})
            lists[id].resize(id == 130 || id == 134 ? 37 : 15);
        for (const auto& [list, slot, word, probe, code] : rows)
            if (list)
                lists[list][slot] = word;
        auto file = std::make_unique<ResourceFile>();
        for (const auto& [id, items] : lists)
            file->put(kStringListType, id, EncodeStringList(items));
        InitLanguageTablesFrom(ResourceChain(std::move(file)));
    }
};

TEST_F(CustomVocabulary, ClassifiesByTheFirstSlotThatHoldsTheWordAsStored) {
    const std::string k28(28, 'k'), m16(16, 'm'), a16(16, 'a'), z27(27, 'z');
    const std::vector<Row> rows = {
        {130, 6, k28, k28, kOtherWord}, // one more than set 1 holds: cut
        {130, 6, k28, k28.substr(0, 27), kForward},
        {134, 7, m16, m16, kOtherWord}, // one more than set 2 and the abbreviations hold
        {134, 7, m16, m16.substr(0, 15), kBack},
        {131, 6, a16, a16.substr(0, 15), kLeft},
        {130, 11, z27, z27, kLeft}, // exactly full: kept whole
        {130, 12, "RIGHT", "right", kRight},
        {130, 12, "RIGHT", "RIGHT", kOtherWord}, // the parser lower-cases first
        {130, 12, "RIGHT", "rights", kOtherWord},
        {130, 9, "VorW\xC3\x84rts", "vorw\xC3\x84rts", kForward}, // only A to Z are folded
        {130, 9, "VorW\xC3\x84rts", "vorw\xC3\xA4rts", kOtherWord},
        {130, 17, "ZAP@[`", "zap@[`", kErase},
        {130, 36, "late", "late", kFill}, // set 1 before set 2
        {134, 0, "late", "late", kFill},
        {131, 0, "5x", "5x", kShape}, // a digit then a letter is a word like any other
        {130, 8, "-", "-", kMinus},   // punctuation and numbers beat keywords
        {130, 7, "007", "007", kNumber},
        {0, 0, "", "--", kOtherWord},
        {0, 0, "", "-5", kOtherWord},
        {0, 0, "", "", kOtherWord}};
    install(rows);
    for (const auto& [list, slot, word, probe, code] : rows)
        EXPECT_EQ(ClassifyWord(probe), code) << probe;
}

TEST_F(CustomVocabulary, MissingListsLeaveEmptyEntriesThatNeverMatch) {
    InitLanguageTablesFrom(ResourceChain());
    EXPECT_TRUE(KeywordSet1(kKeywordSlots - 1).empty() && ParserMessageText(2).empty());
    EXPECT_EQ(ClassifyWord("forward"), kOtherWord);
    EXPECT_EQ(ClassifyWord("["), kBeginBlock);
    // A short list fills its first slots; the rest stay empty. InitLanguageTables does not refill.
    auto file = std::make_unique<ResourceFile>();
    file->put(kStringListType, 130, EncodeStringList({"to"}));
    InitLanguageTablesFrom(ResourceChain(std::move(file)));
    InitLanguageTables();
    EXPECT_EQ(ClassifyWord("to"), kShape);
    EXPECT_TRUE(KeywordSet1(1).empty());
}

} // namespace
