#include "ResourceChain.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<ResourceFile> fileWithList(std::int16_t id, const std::vector<std::string>& items) {
    auto file = std::make_unique<ResourceFile>();
    file->put(kStringListType, id, EncodeStringList(items));
    return file;
}

TEST(ResourceChain, LanguageFileComesFirst) {
    auto application = fileWithList(130, {"forward", "back"});
    application->put(FourCC("abcd"), 1, {1});
    application->put(FourCC("abcd"), 2, {2});
    auto language = fileWithList(130, {"vorw\xC3\xA4rts"});
    language->put(FourCC("abcd"), 1, {9});

    ResourceChain chain(std::move(application));
    EXPECT_EQ(chain.GetIndString(kStringListType, 130, 1).str(), "forward");
    chain.setLanguageFile(std::move(language));
    EXPECT_EQ(chain.GetIndString(kStringListType, 130, 1).str(), "vorw\xC3\xA4rts");
    EXPECT_EQ(*chain.get(FourCC("abcd"), 1), ResourceBytes{9});
    EXPECT_EQ(*chain.get(FourCC("abcd"), 2), ResourceBytes{2});
    EXPECT_EQ(chain.get(FourCC("abcd"), 3), nullptr);
}

TEST(ResourceChain, AMissingItemIsTakenFromTheApplicationsList) {
    std::vector<std::string> english;
    for (int i = 1; i <= 20; ++i)
        english.push_back("message " + std::to_string(i));
    std::vector<std::string> german(english.begin(), english.begin() + 19);
    for (auto& text : german)
        text = "Meldung";
    german[4].clear(); // an item that is there but empty stays empty

    ResourceChain chain(fileWithList(128, english));
    chain.setLanguageFile(fileWithList(128, german));
    EXPECT_EQ(chain.GetIndString(kStringListType, 128, 1).str(), "Meldung");
    EXPECT_EQ(chain.GetIndString(kStringListType, 128, 19).str(), "Meldung");
    EXPECT_EQ(chain.GetIndString(kStringListType, 128, 20).str(), "message 20");
    EXPECT_TRUE(chain.GetIndString(kStringListType, 128, 5).empty());
    EXPECT_TRUE(chain.findIndString(kStringListType, 128, 5).has_value());
    EXPECT_FALSE(chain.findIndString(kStringListType, 128, 21).has_value());
    EXPECT_TRUE(chain.GetIndString(kStringListType, 128, 21).empty());
    EXPECT_TRUE(chain.GetIndString(kStringListType, 999, 1).empty());
}

TEST(ResourceChain, WorksWithMissingFiles) {
    const ResourceChain empty;
    EXPECT_EQ(empty.get(kVersionType, 1), nullptr);
    EXPECT_TRUE(empty.GetIndString(kStringListType, 128, 1).empty());

    ResourceChain languageOnly;
    languageOnly.setLanguageFile(fileWithList(131, {"sh"}));
    EXPECT_EQ(languageOnly.GetIndString(kStringListType, 131, 1).str(), "sh");
}

} // namespace
