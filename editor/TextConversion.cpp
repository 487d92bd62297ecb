#include "TextConversion.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Strict UTF-8 (no overlong forms, no surrogates); none on any fault.
std::optional<WideString> decodeUtf8(std::string_view bytes) {
    WideString wide;
    wide.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            wide.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size())
            return std::nullopt;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < minimum || !isScalarValue(c))
            return std::nullopt;
        wide.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return wide;
}

// The UTF-8 bytes of one scalar value.
std::string encodeOne(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

} // namespace

WideString ScriptTextToWide(std::string_view bytes) {
    if (isAscii(bytes))
        return WideString(bytes.begin(), bytes.end());
    if (std::optional<WideString> wide = decodeUtf8(bytes))
        return *wide;
    WideString fallback;
    fallback.reserve(bytes.size());
    for (const char b : bytes)
        fallback.push_back(static_cast<unsigned char>(b));
    return fallback;
}

WideString Str255ToWide(const LStr255& text) {
    return ScriptTextToWide(text.view());
}

bool WideToStr255(const WideString& wide, LStr255& out) {
    std::string bytes;
    for (const char32_t c : wide) {
        const std::string one = encodeOne(isScalarValue(c) ? c : U'\uFFFD');
        if (bytes.size() + one.size() > LStr255::capacity()) {
            out.assign(bytes);
            return true;
        }
        bytes += one;
    }
    out.assign(bytes);
    return false;
}

std::optional<std::string> WideToScriptTextBlock(const WideString& wide) {
    std::string bytes;
    bytes.reserve(wide.size());
    for (const char32_t c : wide) {
        if (!isScalarValue(c))
            return std::nullopt;
        bytes += encodeOne(c);
    }
    return bytes;
}

WideString WideFromQString(const QString& text) {
    const QList<uint> ucs4 = text.toUcs4();
    return WideString(ucs4.begin(), ucs4.end());
}

QString QStringFromWide(const WideString& wide) {
    return QString::fromUcs4(wide.data(), static_cast<qsizetype>(wide.size()));
}

WideString GetPaneTextWide(const QWidget* pane) {
    if (const auto* label = qobject_cast<const QLabel*>(pane))
        return WideFromQString(label->text());
    if (const auto* field = qobject_cast<const QLineEdit*>(pane))
        return WideFromQString(field->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(pane))
        return WideFromQString(button->text());
    if (const auto* view = qobject_cast<const QPlainTextEdit*>(pane))
        return WideFromQString(view->toPlainText());
    return {};
}

void SetPaneTextWide(QWidget* pane, const WideString& wide) {
    // A character that is not a Unicode scalar value shows as the replacement character; the
    // rest of the text stays.
    const std::optional<std::string> bytes = WideToScriptTextBlock(wide);
    const QString text = bytes ? QString::fromStdString(*bytes) : QStringFromWide(wide);
    if (auto* label = qobject_cast<QLabel*>(pane))
        label->setText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(pane))
        field->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(pane))
        button->setText(text);
    else if (auto* view = qobject_cast<QPlainTextEdit*>(pane))
        view->setPlainText(text);
}

bool ReplaceAll(const WideString& pattern, const WideString& replacement, WideString& text) {
    if (pattern.empty())
        return false;
    std::size_t at = text.find(pattern);
    if (at == WideString::npos)
        return false;
    while (at != WideString::npos) {
        text.replace(at, pattern.size(), replacement);
        at = text.find(pattern, at + replacement.size());
    }
    return true;
}
