#pragma once

// Choosing the language file at start-up: "Default" in the Languages folder, or else a language
// file in that folder or one of its direct subfolders whose region matches the system's.

#include "FourCharCode.h"
#include "ResourceChain.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

// 'Lång' in Mac Roman, and the application's signature.
constexpr OSType kLanguageFileType = FourCCFromBytes(0x4C, 0x8C, 0x6E, 0x67);
constexpr OSType kApplicationCreator = FourCC("Zorv");

// Symbolic links stand in for aliases; a chain longer than this is treated as broken.
constexpr int kMaxAliasHops = 32;
// A folder with more entries than this is only looked at up to the bound (in name order).
constexpr std::size_t kMaxFolderEntries = 10000;

// The "Languages" folder beside the running executable.
QString DefaultLanguagesFolder();

// Picks the language file for a system region (a code as RegionCodeOfLocaleName gives it). The
// folder is created when missing. applicationResources supplies the application's 'vers' 1,
// which the file's version must match. Returns the opened file, or null when none serves.
std::unique_ptr<ResourceFile> LoadLanguageFile(const QString& languagesFolder,
                                               std::int16_t systemRegion,
                                               const ResourceFile* applicationResources);

// The file at path if it is a language file of the wanted region and of the application's
// version (major and minor; any version when applicationVersion is null), else null.
std::unique_ptr<ResourceFile> MatchLanguageFile(const QString& path, std::int16_t wantedRegion,
                                                const ResourceBytes* applicationVersion);

// The region a resource file carries in its version resource; none without a readable one.
std::optional<std::int16_t> LanguageFileRegion(const ResourceFile* languageFile);

// LoadLanguageFile, installing the result in the chain. Returns whether a file was installed.
bool InstallLanguageFile(ResourceChain& chain, const QString& languagesFolder,
                         std::int16_t systemRegion);
