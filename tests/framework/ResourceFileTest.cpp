#include "ResourceFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::unique_ptr<ResourceFile> parse(const std::string& json) {
    return ResourceFile::fromJson(QByteArray::fromStdString(json));
}

// A well-formed file around the given resource entries.
std::string fileWith(const std::string& resources) {
    return R"({"format": "turtlescope-resources", "version": 1, "fileType": "L\u00e5ng",
               "creator": "Zorv", "finderFlags": 256, "resources": [)" +
           resources + "]}";
}

TEST(ResourceFile, ReadsEveryFormOfResource) {
    const auto file = parse(fileWith(R"(
        {"type": "vers", "id": 1, "vers": {"major": 1, "minor": 0, "bugfix": 3, "stage": "beta",
         "prerelease": 2, "region": 3, "short": "1.0", "long": "1.0 Deutsch"}},
        {"type": "STR#", "id": 130, "name": "Keywords", "strings": ["vorw\u00e4rts", "", "X"]},
        {"type": "WPos", "id": -5, "hex": "0123 4567\n89ab cdEF Ac"},
        {"type": "0x00000001", "id": 32767, "hex": ""})"));
    ASSERT_TRUE(file);
    EXPECT_EQ(std::tuple(file->fileType(), file->creator(), file->finderFlags(), file->count()),
              std::tuple(0x4C8C6E67u, FourCC("Zorv"), 256, 4u));
    EXPECT_EQ(*file->get(kVersionType, 1),
              (ResourceBytes{0x01, 0x03, 0x60, 0x02, 0x00, 0x03, 3,   '1', '.', '0', 11,
                             '1',  '.',  '0',  ' ',  'D',  'e',  'u', 't', 's', 'c', 'h'}));
    EXPECT_EQ(*file->get(FourCC("WPos"), -5),
              (ResourceBytes{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0xAC}));
    EXPECT_TRUE(file->get(1, 32767)->empty());
    EXPECT_EQ(*file->name(kStringListType, 130), "Keywords");
    EXPECT_EQ(file->GetIndString(kStringListType, 130, 1)->str(), "vorw\xC3\xA4rts");
    EXPECT_FALSE(file->GetIndString(kStringListType, 131, 1));

    const auto minimal = parse(R"({"format": "turtlescope-resources", "version": 1})");
    ASSERT_TRUE(minimal);
    EXPECT_EQ(minimal->fileType() + minimal->finderFlags() + minimal->count(), 0u);
    // Giant strings are cut to a Pascal string.
    const std::string giant(100000, 'w');
    const auto cut = parse(fileWith(R"({"type": "STR#", "id": 1, "strings": [")" + giant +
                                    R"("], "name": ")" + giant + R"("})"));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->GetIndString(kStringListType, 1, 1)->length(), 255u);
    EXPECT_EQ(cut->name(kStringListType, 1)->size(), 255u);
}

TEST(ResourceFile, RefusesMalformedAndHostileInput) {
    const std::string hugeList = R"({"type": "STR#", "id": 1, "strings": [""])" +
                                 QByteArray(R"(,"")").repeated(4999).toStdString() + "]}";
    std::string tooManyResources = R"({"type":"abcd","id":0,"hex":""})";
    for (int id = 1; id < 5000; ++id)
        tooManyResources += R"(,{"type":"abcd","hex":"","id":)" + std::to_string(id) + "}";
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    const std::string padded = R"({"format":"turtlescope-resources","version":1,"pad":")" +
                               std::string(kMaxResourceFileBytes, ' ') + "\"}";
    std::vector<std::string> bad = {
        R"({"format":"other","version":1})",
        R"({"format":"turtlescope-resources","version":2})",
        R"({"format":"turtlescope-resources","version":1.5})",
        R"({"format":"turtlescope-resources","version":1,"fileType":"L\u00e5n"})",
        R"({"format":"turtlescope-resources","version":1,"creator":1234})",
        R"({"format":"turtlescope-resources","version":1,"finderFlags":65536})",
        R"({"format":"turtlescope-resources","version":1,"resources":{}})",
        padded,
        "not json",
        "[]",
        deep};
    // Each a single bad resource in an otherwise good file.
    for (const std::string& resource : std::vector<std::string>{
             "1", R"({"id":1,"hex":""})", R"({"type":"abcd","hex":""})",
             R"({"type":"abcd","id":32768,"hex":""})", R"({"type":"abcd","id":-32769,"hex":""})",
             R"({"type":"abc","id":1,"hex":""})", R"({"type":"abcd","id":1})",
             R"({"type":"abcd","id":1,"hex":"0"})", R"({"type":"abcd","id":1,"hex":"0G"})",
             R"({"type":"abcd","id":1,"hex":"0:"})",
             R"({"type":"STR#","id":1,"hex":"0000","strings":[]})",
             R"({"type":"STR#","id":1,"strings":["a", 2]})", hugeList, tooManyResources,
             R"({"type":"vers","id":1,"vers":{"major":1,"minor":10}})",
             R"({"type":"vers","id":1,"vers":{"major":1,"stage":"gamma"}})",
             R"({"type":"vers","id":1,"vers":{"major":1,"minor":0,"region":40000}})",
             R"({"type":"abcd","id":1,"hex":""},{"type":"abcd","id":1,"hex":"00"})"})
        bad.push_back(fileWith(resource));
    for (std::size_t i = 0; i < bad.size(); ++i) {
        QString why;
        EXPECT_EQ(ResourceFile::fromJson(QByteArray::fromStdString(bad[i]), &why), nullptr) << i;
        EXPECT_FALSE(why.isEmpty()) << i;
    }
}

TEST(ResourceFile, WritesAFileThatReadsBackTheSame) {
    ResourceFile original;
    original.setFileType(0x4C8C6E67);
    original.setCreator(0x00010203);
    original.setFinderFlags(kIsAliasFinderFlag);
    original.put(kStringListType, 128, EncodeStringList({"\xC3\xA4\xC3\xB6", "", "plain"}),
                 "named");
    original.put(kStringListType, 129, {0x00, 0x01, 0x01, 0xFF});       // not UTF-8
    original.put(kStringListType, 130, {0x00, 0x01, 0x00, 0x00, 0x00}); // trailing bytes
    original.put(kStringListType, 131, {0x00, 0x05});                   // count lies
    original.put(kVersionType, 1, {0x02, 0x10, 0x80, 0x00, 0xFF, 0xF9, 0, 4, 'l', 'o', 'n', 'g'});
    original.put(kVersionType, 2, {0x01, 0x00, 0x33, 0x00, 0x00, 0x00, 0x00, 0x00}); // odd stage
    original.put(FourCC("WPos"), -32768, {0xDE, 0xAD, 0xBE});

    const QByteArray json = original.toJson();
    const auto copy = ResourceFile::fromJson(json);
    ASSERT_TRUE(copy) << json.toStdString();
    EXPECT_EQ(copy->toJson(), json);
    const auto contents = [](const ResourceFile& file) {
        std::vector<std::tuple<ResType, int, ResourceBytes, std::string>> all;
        for (const auto& [key, resource] : file.resources())
            all.emplace_back(key.first, key.second, resource.bytes, resource.name);
        return all;
    };
    EXPECT_EQ(contents(*copy), contents(original));
    // Readable forms where they round-trip, hex elsewhere.
    for (const char* form : {"\"strings\"", "\"vers\"", "\"hex\": \"dead be\"",
                             "\"fileType\": \"L\xC3\xA5ng\"", "\"creator\": \"0x00010203\""})
        EXPECT_TRUE(json.contains(form)) << form;
}

TEST(ResourceFile, SavesAndOpensOnlyReadableRegularFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ResourceFile file;
    file.put(FourCC("abcd"), 7, {1, 2, 3});
    ASSERT_TRUE(file.save(dir.filePath("settings.json")));
    const auto reopened = ResourceFile::open(dir.filePath("settings.json"));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(*reopened->get(FourCC("abcd"), 7), (ResourceBytes{1, 2, 3}));
    EXPECT_FALSE(file.save(dir.filePath("missing/folder/file.json")));

    EXPECT_FALSE(ResourceFile::open(dir.filePath("absent")) || ResourceFile::open(dir.path()));
    // A FIFO would block a reader forever.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    EXPECT_FALSE(ResourceFile::open(dir.filePath("fifo")));
    // Too large, even though it would parse.
    QFile big(dir.filePath("big.json"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(R"({"format": "turtlescope-resources", "version": 1})");
    big.write(QByteArray(kMaxResourceFileBytes, ' '));
    big.close();
    EXPECT_FALSE(ResourceFile::open(big.fileName()));
}

} // namespace
