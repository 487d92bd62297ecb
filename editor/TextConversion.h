#pragma once

// Conversion between script text (UTF-8 bytes on this platform) and wide strings (one 32-bit
// code point per character), for alert texts. Plain ASCII takes a direct path; bytes that are
// not valid UTF-8 fall back to one character per byte, so nothing is ever refused.

#include "LString.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

using WideString = std::u32string;

WideString ScriptTextToWide(std::string_view bytes);
WideString Str255ToWide(const LStr255& text);
// At most 255 bytes, never splitting a character; true when the text was cut.
bool WideToStr255(const WideString& wide, LStr255& out);
// The whole text as UTF-8; none when a character is not a Unicode scalar value.
std::optional<std::string> WideToScriptTextBlock(const WideString& wide);

// The wide string of a Qt text and back.
WideString WideFromQString(const QString& text);
QString QStringFromWide(const WideString& wide);

class QWidget;

// A pane's whole text as a wide string, and setting it from one (labels, fields, buttons and
// text views; other panes have no text).
WideString GetPaneTextWide(const QWidget* pane);
void SetPaneTextWide(QWidget* pane, const WideString& text);

// Replaces every occurrence of pattern in text, scanning on after each inserted replacement.
// False when the pattern is empty or does not occur.
bool ReplaceAll(const WideString& pattern, const WideString& replacement, WideString& text);
