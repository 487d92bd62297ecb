#include "ResourceChain.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<ResourceFile> fileWithList(std::int16_t id, const std::vector<std::string>& items) {
    auto file = std::make_unique<ResourceFile>();
    file->put(kStringListType, id, EncodeStringList(items));
    return file;
}

// Items 1 to 4 of a list, "-" where no file holds one.
std::vector<std::string> items(const ResourceChain& chain, std::int16_t id) {
    std::vector<std::string> found;
    for (int index = 1; index <= 4; ++index) {
        const auto item = chain.findIndString(kStringListType, id, index);
        found.push_back(item ? item->str() : "-");
        EXPECT_EQ(chain.GetIndString(kStringListType, id, index).str(), item ? item->str() : "");
    }
    return found;
}

TEST(ResourceChain, LanguageFileComesFirstAndMissingItemsComeFromTheApplication) {
    auto application = fileWithList(128, {"forward", "back", "left"});
    application->put(FourCC("abcd"), 2, {2});
    ResourceChain chain(std::move(application));
    // An item that is there but empty stays empty.
    auto language = fileWithList(128, {"vorw\xC3\xA4rts", ""});
    language->put(FourCC("abcd"), 1, {9});
    chain.setLanguageFile(std::move(language));
    EXPECT_EQ(items(chain, 128), (std::vector<std::string>{"vorw\xC3\xA4rts", "", "left", "-"}));
    EXPECT_EQ(items(chain, 999), (std::vector<std::string>{"-", "-", "-", "-"}));
    EXPECT_EQ(std::pair(*chain.get(FourCC("abcd"), 1), *chain.get(FourCC("abcd"), 2)),
              std::pair(ResourceBytes{9}, ResourceBytes{2}));
    EXPECT_EQ(chain.get(FourCC("abcd"), 3), nullptr);

    ResourceChain languageOnly;
    languageOnly.setLanguageFile(fileWithList(131, {"sh"}));
    EXPECT_EQ(items(languageOnly, 131), (std::vector<std::string>{"sh", "-", "-", "-"}));
}

} // namespace
