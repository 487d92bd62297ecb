#pragma once

// Region codes: the system's region, taken from its locale, and the region a language file
// must carry to serve that system.

#include <cstdint>
#include <string_view>

// The platform region code of a locale name such as "de_AT", "fr_CA.UTF-8" or "sr_RS@latin";
// 0 (United States) for "C", "POSIX" and anything unrecognised.
std::int16_t RegionCodeOfLocaleName(std::string_view localeName);

// The region code of the system's locale.
std::int16_t SystemRegionCode();

// The region a language file must carry for a system region: variants of a region fold into
// the region whose language they share.
std::int16_t MapRegionCode(std::int16_t systemRegion);
