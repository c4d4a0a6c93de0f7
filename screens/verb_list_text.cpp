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

// Rows printed differently from the test's forms: slashes, the alternative
// first, or a form left out. An empty text means "as the rule builds it".
struct PrintedForms {
    std::u16string_view infinitive;
    std::u16string_view pastTense;
    std::u16string_view pastParticiple;
};

// clang-format off
constexpr std::array<PrintedForms, 6> printedExceptions{{
    {u"awake", u"", u"awaked, awoken"},
    {u"be", u"was/were", u""},
    {u"bear", u"", u"borne/born"},
    {u"dream", u"dreamed, dreamt", u"dreamed, dreamt"},
    {u"stride", u"", u"stridden"},
    {u"wed", u"wedded, wed", u"wedded, wed"},
}};
// clang-format on

template <std::size_t N>
bool contains(const std::array<std::u16string_view, N>& list, std::u16string_view word) {
    return std::ranges::find(list, word) != list.end();
}

std::u16string joinForms(std::u16string_view first, std::u16string_view alternative) {
    std::u16string text(first);
    if (!alternative.empty()) {
        text.append(u", ").append(alternative);
    }
    return text;
}

const PrintedForms* exceptionFor(std::u16string_view infinitive) {
    const auto* found = std::ranges::find(printedExceptions, infinitive, &PrintedForms::infinitive);
    return found == printedExceptions.end() ? nullptr : found;
}

std::u16string tabs(std::size_t count) { return std::u16string(count, u'\t'); }

// How many tabs follow the infinitive and the past tense on a verb's line.
std::pair<std::size_t, std::size_t> tabRuns(std::u16string_view infinitive,
                                            std::u16string_view pastTense) {
    if (infinitive == u"understand" || infinitive == u"undertake") {
        return {2, 3};
    }
    const bool keepsFour = infinitive == u"bid" || infinitive == u"light";
    const bool hasComma = pastTense.find(u',') != std::u16string_view::npos;
    return {3, hasComma && !keepsFour ? 3 : 4};
}

std::u16string verbLine(const VerbRow& row) {
    auto pastTense = joinForms(row.pastTense, row.pastTenseAlt);
    auto pastParticiple = joinForms(row.pastParticiple, row.pastParticipleAlt);
    if (const auto* printed = exceptionFor(row.infinitive)) {
        if (!printed->pastTense.empty()) {
            pastTense = printed->pastTense;
        }
        if (!printed->pastParticiple.empty()) {
            pastParticiple = printed->pastParticiple;
        }
    }
    const auto [afterInfinitive, afterPastTense] = tabRuns(row.infinitive, pastTense);
    return std::u16string(row.infinitive) + tabs(afterInfinitive) + pastTense +
           tabs(afterPastTense) + pastParticiple + std::u16string(newLine);
}

}  // namespace

std::u16string verbListText() {
    std::u16string text = u"IRREGULAR VERBS\r\n\r\n\r\n";
    text += u"Infinitive" + tabs(3) + u"Past Tense" + tabs(3) + u"Past Participle\r\n\r\n";
    for (const auto& row : verbRows()) {
        if (contains(groupStarts, row.infinitive)) {
            text += newLine;
        }
        text += verbLine(row);
    }
    return text;
}

}  // namespace quillory
