#pragma once

// The languages a program can be translated into: the application's own words and every
// language file of the Languages folder (and its direct subfolders) made for this version.

#include "Vocabulary.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class ResourceFile;

struct LanguageChoice {
    QString name; // from the file's version text, else the file's name
    QString path; // empty for the application's own words
    std::int16_t region = 0;
};

// The application's own words first, then the folder's language files in name order.
std::vector<LanguageChoice> ListLanguages(const QString& languagesFolder,
                                          const ResourceFile* applicationResources);

// The vocabulary of a choice: its file's lists in front of the application's own. Null when the
// file cannot be read any more.
std::unique_ptr<Vocabulary> LoadVocabulary(const LanguageChoice& choice);

// The vocabularies a program may be written in: the one in use first, then each choice's in
// order (null where its file cannot be read any more).
struct CandidateVocabularies {
    std::vector<std::unique_ptr<Vocabulary>> owned; // one per choice
    std::vector<const Vocabulary*> inOrder;
};
CandidateVocabularies LoadCandidateVocabularies(const std::vector<LanguageChoice>& choices);
