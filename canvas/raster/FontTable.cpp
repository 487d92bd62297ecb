#include "FontTable.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <array>

namespace {

struct FixedFont {
    std::int16_t number;
    const char* family;
};

constexpr std::array kFixedFamilies{
    FixedFont{3, "DejaVu Sans"},       FixedFont{21, "DejaVu Sans"},
    FixedFont{20, "DejaVu Serif"},     FixedFont{4, "DejaVu Sans Mono"},
    FixedFont{22, "DejaVu Sans Mono"},
};

// Names that programs may use for the fixed numbers; the first match wins.
constexpr std::array kFixedNames{
    FixedFont{3, "DejaVu Sans"}, FixedFont{20, "DejaVu Serif"}, FixedFont{4, "DejaVu Sans Mono"},
    FixedFont{3, "sans"},        FixedFont{3, "sans-serif"},    FixedFont{20, "serif"},
    FixedFont{4, "mono"},        FixedFont{4, "monospace"},     FixedFont{3, "geneva"},
    FixedFont{21, "helvetica"},  FixedFont{20, "times"},        FixedFont{4, "monaco"},
    FixedFont{22, "courier"},
};

const char* const kFallbackFamily = "DejaVu Sans";

// The font database needs a GUI application; a core application alone is not enough.
bool haveGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QStringList installedFamilies() {
    if (!haveGuiApplication())
        return {};
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return families;
}

} // namespace

QString fontFamilyForNumber(std::int16_t number) {
    for (const FixedFont& font : kFixedFamilies) {
        if (font.number == number)
            return QString::fromLatin1(font.family);
    }
    if (!haveGuiApplication())
        return QString::fromLatin1(kFallbackFamily);
    if (number == 0)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (number >= kFirstInstalledFontNumber) {
        const QStringList families = installedFamilies();
        const int index = number - kFirstInstalledFontNumber;
        if (index < families.size())
            return families[index];
    }
    return QGuiApplication::font().family();
}

std::int16_t GetFNum(std::string_view name) {
    const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed();
    if (wanted.isEmpty())
        return 0;
    for (const FixedFont& font : kFixedNames) {
        if (wanted.compare(QLatin1String(font.family), Qt::CaseInsensitive) == 0)
            return font.number;
    }
    const QStringList families = installedFamilies();
    const int limit = 32767 - kFirstInstalledFontNumber;
    for (int i = 0; i < std::min<int>(int(families.size()), limit); ++i) {
        if (wanted.compare(families[i], Qt::CaseInsensitive) == 0)
            return static_cast<std::int16_t>(kFirstInstalledFontNumber + i);
    }
    return 0;
}
