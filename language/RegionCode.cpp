#include "RegionCode.h"

#include <QLocale>
#include <optional>
#include <string>

namespace {

struct NameAndRegion {
    std::string_view name;
    std::int16_t region;
};

// Language and country pairs with a region of their own.
constexpr NameAndRegion kLocaleRegions[] = {
    {"en_US", 0},   {"fr_FR", 1},   {"en_GB", 2},   {"de_DE", 3},   {"it_IT", 4},   {"nl_NL", 5},
    {"nl_BE", 6},   {"sv_SE", 7},   {"es_ES", 8},   {"da_DK", 9},   {"pt_PT", 10},  {"fr_CA", 11},
    {"nb_NO", 12},  {"no_NO", 12},  {"he_IL", 13},  {"ja_JP", 14},  {"en_AU", 15},  {"fi_FI", 17},
    {"fr_CH", 18},  {"de_CH", 19},  {"el_GR", 20},  {"is_IS", 21},  {"mt_MT", 22},  {"el_CY", 23},
    {"tr_TR", 24},  {"hi_IN", 33},  {"ur_PK", 34},  {"it_CH", 36},  {"ro_RO", 39},  {"lt_LT", 41},
    {"pl_PL", 42},  {"hu_HU", 43},  {"et_EE", 44},  {"lv_LV", 45},  {"fo_FO", 47},  {"fa_IR", 48},
    {"ru_RU", 49},  {"ga_IE", 50},  {"ko_KR", 51},  {"zh_CN", 52},  {"zh_SG", 52},  {"zh_TW", 53},
    {"zh_HK", 53},  {"zh_MO", 53},  {"th_TH", 54},  {"cs_CZ", 56},  {"sk_SK", 57},  {"be_BY", 61},
    {"uk_UA", 62},  {"sr_RS", 65},  {"sr_ME", 65},  {"sr_CS", 65},  {"sl_SI", 66},  {"mk_MK", 67},
    {"hr_HR", 68},  {"pt_BR", 71},  {"bg_BG", 72},  {"ca_ES", 73},  {"iu_CA", 78},  {"en_CA", 82},
    {"dz_BT", 83},  {"hy_AM", 84},  {"ka_GE", 85},  {"to_TO", 88},  {"de_AT", 92},  {"gu_IN", 94},
    {"ur_IN", 96},  {"vi_VN", 97},  {"fr_BE", 98},  {"fr_LU", 98},  {"uz_UZ", 99},  {"en_SG", 100},
    {"nn_NO", 101}, {"af_ZA", 102}, {"mr_IN", 104}, {"ne_NP", 106}, {"en_IE", 108}, {"de_LU", 3},
    {"de_LI", 3},   {"de_BE", 3},   {"es_419", 86}, {"ar_SA", 16},  {"ar_EG", 16},  {"se_NO", 46},
    {"bn_BD", 60},  {"bn_IN", 60},  {"pa_IN", 95},  {"bo_CN", 105}, {"kl_GL", 107}, {"gd_GB", 75},
    {"gv_GB", 76},  {"br_FR", 77},
};

// The region of a language when its country has none of its own.
constexpr NameAndRegion kLanguageRegions[] = {
    {"en", 0},   {"fr", 1},   {"de", 3},   {"it", 4},   {"nl", 5},   {"sv", 7},   {"es", 8},
    {"da", 9},   {"pt", 10},  {"nb", 12},  {"no", 12},  {"he", 13},  {"ja", 14},  {"ar", 16},
    {"fi", 17},  {"el", 20},  {"is", 21},  {"mt", 22},  {"tr", 24},  {"hi", 33},  {"ur", 34},
    {"ro", 39},  {"lt", 41},  {"pl", 42},  {"hu", 43},  {"et", 44},  {"lv", 45},  {"se", 46},
    {"fo", 47},  {"fa", 48},  {"ru", 49},  {"ga", 50},  {"ko", 51},  {"zh", 52},  {"th", 54},
    {"cs", 56},  {"sk", 57},  {"bn", 60},  {"be", 61},  {"uk", 62},  {"sr", 65},  {"sl", 66},
    {"mk", 67},  {"hr", 68},  {"bg", 72},  {"ca", 73},  {"gd", 75},  {"gv", 76},  {"br", 77},
    {"iu", 78},  {"cy", 79},  {"dz", 83},  {"hy", 84},  {"ka", 85},  {"to", 88},  {"gu", 94},
    {"pa", 95},  {"vi", 97},  {"uz", 99},  {"nn", 101}, {"af", 102}, {"eo", 103}, {"mr", 104},
    {"bo", 105}, {"ne", 106}, {"kl", 107}, {"iw", 13},
};

std::optional<std::int16_t> lookUp(const auto& table, std::string_view name) {
    for (const auto& entry : table) {
        if (entry.name == name)
            return entry.region;
    }
    return std::nullopt;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace

std::int16_t RegionCodeOfLocaleName(std::string_view localeName) {
    // "ll_CC.codeset@modifier": only language and country count.
    const std::size_t end = localeName.find_first_of(".@");
    if (end != std::string_view::npos)
        localeName = localeName.substr(0, end);
    const std::size_t separator = localeName.find_first_of("_-");
    std::string language(localeName.substr(0, separator));
    std::string country;
    if (separator != std::string_view::npos)
        country = std::string(localeName.substr(separator + 1));
    for (char& c : language)
        c = lowerAscii(c);
    for (char& c : country)
        c = upperAscii(c);

    if (!country.empty()) {
        if (const auto region = lookUp(kLocaleRegions, language + "_" + country))
            return *region;
        // Portuguese outside Brazil, Spanish outside Spain: the language's other region.
        if (language == "pt")
            return 10;
        if (language == "es")
            return 86;
    }
    return lookUp(kLanguageRegions, language).value_or(0);
}

std::int16_t SystemRegionCode() {
    return RegionCodeOfLocaleName(QLocale::system().name().toStdString());
}

std::int16_t MapRegionCode(std::int16_t systemRegion) {
    switch (systemRegion) {
    case 6:
    case 26:
    case 102:
        return 5;
    case 11:
    case 18:
    case 91:
    case 98:
        return 1;
    case 15:
    case 37:
        return 2;
    case 19:
    case 92:
        return 3;
    case 30:
    case 71:
        return 10;
    case 31:
        return 12;
    case 32:
        return 9;
    case 36:
        return 4;
    case 40:
    case 64:
        return 20;
    case 82:
        return 0;
    case 86:
        return 8;
    default:
        return systemRegion;
    }
}
