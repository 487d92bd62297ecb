#include "ParseErrorReport.h"

#include "LanguageTables.h"
#include "ParamAlert.h"
#include "ParseContext.h"
#include "ResourceChain.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace {

struct ParseErrorReport {
    Q_DECLARE_TR_FUNCTIONS(ParseErrorReport)
};

// The parser's message in the interface language. Message 2 carries the unknown word after its
// own text, which must stay as the program has it.
QString messageText(const ParseContext& context) {
    const std::string_view message = context.errorMessage.view();
    if (context.messageNumber <= 0 || context.messageNumber > kParserMessages)
        return InterfaceText(message);
    const std::string_view own = ParserMessageText(context.messageNumber).view();
    if (!message.starts_with(own))
        return InterfaceText(message);
    const std::string_view rest = message.substr(own.size());
    return InterfaceText(own) + QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
}

constexpr int kMaxSuggestionEdits = 2;

// Edits (insert, delete, replace, swap two neighbours) between two words of code points;
// anything beyond the bound answers bound + 1.
int editDistance(const std::u32string& a, const std::u32string& b, int bound) {
    if (std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size())) > bound)
        return bound + 1;
    const std::size_t width = b.size() + 1;
    std::vector<int> d((a.size() + 1) * width);
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i * width] = static_cast<int>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int best = std::min({d[(i - 1) * width + j] + 1, d[i * width + j - 1] + 1,
                                 d[(i - 1) * width + j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, d[(i - 2) * width + j - 2] + 1);
            d[i * width + j] = best;
        }
    }
    return std::min(d[a.size() * width + b.size()], bound + 1);
}

std::u32string foldedWide(std::string_view bytes) {
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QList<uint> ucs4 = text.toLower().toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

bool isStatementSlot(int slot) {
    return slot != kCommentSlot && slot != kPenUpWordSlot && slot != kPenDownWordSlot &&
           slot != kPlainStyleSlot && slot != kBoldStyleSlot && slot != kItalicStyleSlot &&
           slot != kUnderlineStyleSlot;
}

} // namespace

TextPlace PlaceOfByte(std::string_view text, std::int32_t byteOffset) {
    TextPlace place;
    const std::size_t end =
        std::min<std::size_t>(text.size(), std::max<std::int32_t>(byteOffset, 0));
    for (std::size_t i = 0; i < end; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n' || (c == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n'))) {
            ++place.line;
            place.column = 1;
        } else if ((c & 0xC0) != 0x80 && c != '\r') {
            ++place.column;
        }
    }
    return place;
}

QString ClosestKeyword(std::string_view word) {
    InitLanguageTables();
    const std::u32string wanted = foldedWide(word);
    if (wanted.empty())
        return {};
    QString best;
    int bestDistance = std::min<int>(kMaxSuggestionEdits, static_cast<int>(wanted.size()) - 1);
    if (bestDistance < 1)
        return {};
    ++bestDistance; // the first keyword within the bound wins ties
    const auto consider = [&](std::string_view keyword) {
        if (keyword.empty())
            return;
        const int distance = editDistance(wanted, foldedWide(keyword), bestDistance - 1);
        if (distance < bestDistance && distance > 0) {
            bestDistance = distance;
            best = QString::fromUtf8(keyword.data(), static_cast<qsizetype>(keyword.size()));
        }
    };
    for (int slot = 0; slot < kKeywordSlots; ++slot) {
        if (isStatementSlot(slot))
            consider(KeywordSet1(slot).view());
    }
    for (int slot = 0; slot < kKeywordSlots; ++slot) {
        if (isStatementSlot(slot))
            consider(KeywordSet2(slot).view());
    }
    return best;
}

void ReportParseError(const ParseContext& context, std::string_view text) {
    ParamAlert alert(kParseErrorAlert);
    alert.SetParameter(0, messageText(context));
    if (context.messageNumber != 0) {
        const TextPlace place = PlaceOfByte(text, context.errorStart);
        alert.SetParameter(
            1, ParseErrorReport::tr("Line %1, column %2.").arg(place.line).arg(place.column));
    }
    if (context.messageNumber == kMsgUnknownWord) {
        const auto start = static_cast<std::size_t>(std::clamp<std::int32_t>(
            context.errorStart, 0, static_cast<std::int32_t>(text.size())));
        const auto end = static_cast<std::size_t>(
            std::clamp<std::int32_t>(context.errorEnd, static_cast<std::int32_t>(start),
                                     static_cast<std::int32_t>(text.size())));
        const QString suggestion = ClosestKeyword(text.substr(start, end - start));
        if (!suggestion.isEmpty())
            alert.SetParameter(2, QLatin1Char(' ') +
                                      ParseErrorReport::tr("Did you mean “%1”?").arg(suggestion));
    }
    alert.Show(nullptr, 0, 0);
}
