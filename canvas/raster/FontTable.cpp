#include "FontTable.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <algorithm>
#include <array>

namespace {

enum class FontKind { SansSerif, Serif, Monospaced };

struct ClassicFont {
    std::int16_t number;
    FontKind kind;
};

constexpr std::array kClassicFonts{
    ClassicFont{2, FontKind::Serif},       ClassicFont{3, FontKind::SansSerif},
    ClassicFont{4, FontKind::Monospaced},  ClassicFont{14, FontKind::Serif},
    ClassicFont{15, FontKind::SansSerif},  ClassicFont{16, FontKind::Serif},
    ClassicFont{20, FontKind::Serif},      ClassicFont{21, FontKind::SansSerif},
    ClassicFont{22, FontKind::Monospaced}, ClassicFont{33, FontKind::SansSerif},
    ClassicFont{34, FontKind::Serif},
};

struct FontName {
    std::int16_t number;
    const char* name;
};

// Names that programs may use for the classic numbers; the first match wins.
constexpr std::array kClassicNames{
    FontName{3, "DejaVu Sans"}, FontName{20, "DejaVu Serif"}, FontName{4, "DejaVu Sans Mono"},
    FontName{3, "sans"},        FontName{3, "sans-serif"},    FontName{20, "serif"},
    FontName{4, "mono"},        FontName{4, "monospace"},     FontName{3, "geneva"},
    FontName{4, "monaco"},      FontName{20, "times"},        FontName{21, "helvetica"},
    FontName{22, "courier"},
};

const char* dejaVuFamily(FontKind kind) {
    switch (kind) {
    case FontKind::Serif:
        return "DejaVu Serif";
    case FontKind::Monospaced:
        return "DejaVu Sans Mono";
    case FontKind::SansSerif:
        break;
    }
    return "DejaVu Sans";
}

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

// DejaVu when it is installed, else whatever the font configuration gives for the kind.
QString installedFamilyOfKind(FontKind kind) {
    const QString dejaVu = QString::fromLatin1(dejaVuFamily(kind));
    if (QFontDatabase::families().contains(dejaVu))
        return dejaVu;
    if (kind == FontKind::Monospaced)
        return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    QFont font(QString::fromLatin1(kind == FontKind::Serif ? "serif" : "sans-serif"));
    font.setStyleHint(kind == FontKind::Serif ? QFont::Serif : QFont::SansSerif);
    return QFontInfo(font).family();
}

QString familyOfKind(FontKind kind) {
    if (!haveGuiApplication())
        return QString::fromLatin1(dejaVuFamily(kind));
    static const std::array families{installedFamilyOfKind(FontKind::SansSerif),
                                     installedFamilyOfKind(FontKind::Serif),
                                     installedFamilyOfKind(FontKind::Monospaced)};
    return families[static_cast<std::size_t>(kind)];
}

// Qt names a family that more than one foundry makes "Family [foundry]".
QStringView withoutFoundry(const QString& family) {
    const qsizetype bracket = family.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && family.endsWith(QLatin1Char(']')))
        return QStringView(family).left(bracket);
    return QStringView(family);
}

} // namespace

QString fontFamilyForNumber(std::int16_t number) {
    for (const ClassicFont& font : kClassicFonts) {
        if (font.number == number)
            return familyOfKind(font.kind);
    }
    if (!haveGuiApplication())
        return QString::fromLatin1(dejaVuFamily(FontKind::SansSerif));
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
    for (const FontName& font : kClassicNames) {
        if (wanted.compare(QLatin1String(font.name), Qt::CaseInsensitive) == 0)
            return font.number;
    }
    const QStringList families = installedFamilies();
    const int count = std::min<int>(int(families.size()), 32767 - kFirstInstalledFontNumber);
    const auto numberOf = [](int index) {
        return static_cast<std::int16_t>(kFirstInstalledFontNumber + index);
    };
    for (int i = 0; i < count; ++i) {
        if (wanted.compare(families[i], Qt::CaseInsensitive) == 0)
            return numberOf(i);
    }
    for (int i = 0; i < count; ++i) {
        if (wanted.compare(withoutFoundry(families[i]), Qt::CaseInsensitive) == 0)
            return numberOf(i);
    }
    return 0;
}
