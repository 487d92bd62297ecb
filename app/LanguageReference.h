#pragma once

// The language reference: an HTML page made from the live keyword tables, so that it names
// the words of whatever language file is installed.

#include <QString>

// The page's HTML.
QString LanguageReferenceHtml();
// Writes the page into the user's cache folder; its path, or empty when it cannot be written.
QString WriteLanguageReference();
