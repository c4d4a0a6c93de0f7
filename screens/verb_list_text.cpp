#include "screens/verb_list_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "drill/verb_rows.h"

namespace quillory {
namespace {

constexpr std::u16string_view newLine = u"\r\n";

// A blank line goes before each of these, to group the list by letter.
// clang-format off
constexpr std::array<std::u16string_view, 19> groupStarts{
    u"be", u"catch", u"deal", u"eat", u"fall", u"get", u"hang", u"keep", u"lay", u"make",
    u"pay", u"read", u"saw", u"slide", u"spoil", u"take", u"think", u"understand", u"wake"};
// clang-format on

// The lines where the printed list this text reproduces departs from the
// rule, kept as printed: slashes, the alternative first, a form left out, a
// run of tabs of its own. An empty text is built by the rule; so is a run of 0.
struct PrintedLine {
    std::u16string_view infinitive;
    std::u16string_view pastTense{};
    std::u16string_view pastParticiple{};
    std::size_t tabsAfterInfinitive = 3;
    std::size_t tabsAfterPastTense = 0;
};

// clang-format off
constexpr std::array<PrintedLine, 10> printedExceptions{{
    {u"awake", u"", u"awaked, awoken"},
    {u"be", u"was/were", u""},
    {u"bear", u"", u"borne/born"},
    {u"bid", u"", u"", 3, 4},
    {u"dream", u"dreamed, dreamt", u"dreamed, dreamt"},
    {u"light", u"", u"", 3, 4},
    {u"stride", u"", u"stridden"},
    {u"understand", u"", u"", 2, 3},
    {u"undertake", u"", u"", 2, 3},
    {u"wed", u"wedded, wed", u"wedded, wed"},
}};
// clang-format on

// The text the printed list gives, or else the form and its alternative.
std::u16string formsText(std::u16string_view printed, std::u16string_view form,
                         std::u16string_view alternative) {
    std::u16string text(printed.empty() ? form : printed);
    if (printed.empty() && !alternative.empty()) {
        text.append(u", ").append(alternative);
    }
    return text;
}

PrintedLine printedLine(std::u16string_view infinitive) {
    const auto* found = std::ranges::find(printedExceptions, infinitive, &PrintedLine::infinitive);
    return found == printedExceptions.end() ? PrintedLine{infinitive} : *found;
}

// Not braced: {count, u'\t'} would be a string of those two characters.
std::u16string tabs(std::size_t count) {
    return std::u16string(count, u'\t');  // NOLINT(modernize-return-braced-init-list)
}

std::u16string verbLine(const VerbRow& row) {
    const PrintedLine printed = printedLine(row.infinitive);
    const auto pastTense = formsText(printed.pastTense, row.pastTense, row.pastTenseAlt);
    const auto pastParticiple =
        formsText(printed.pastParticiple, row.pastParticiple, row.pastParticipleAlt);
    // A past tense with a comma is followed by one tab fewer.
    const std::size_t afterPastTense = printed.tabsAfterPastTense != 0 ? printed.tabsAfterPastTense
                                       : pastTense.find(u',') != std::u16string::npos ? 3
                                                                                      : 4;
    return std::u16string(row.infinitive) + tabs(printed.tabsAfterInfinitive) + pastTense +
           tabs(afterPastTense) + pastParticiple + std::u16string(newLine);
}

}  // namespace

std::u16string verbListText() {
    std::u16string text = u"IRREGULAR VERBS\r\n\r\n\r\n";
    text += u"Infinitive" + tabs(3) + u"Past Tense" + tabs(3) + u"Past Participle\r\n\r\n";
    for (const auto& row : verbRows()) {
        if (std::ranges::find(groupStarts, row.infinitive) != groupStarts.end()) {
            text += newLine;
        }
        text += verbLine(row);
    }
    return text;
}

}  // namespace quillory
