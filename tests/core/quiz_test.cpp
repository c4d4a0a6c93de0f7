// The rules of the test, held against the printed verb list: every verb the
// list prints is one the test steps through, in the same order, and every
// form the list prints is one the test accepts.
#include "drill/quiz.h"

#include <gtest/gtest.h>

#include <array>
#include <ranges>

#include "verb_list.h"

namespace quillory {
namespace {

constexpr std::u16string_view right = u"Well done, you got it right!";

struct Answer {
    std::u16string_view verb;
    std::u16string_view typed;
    bool pastTenseRight;
    bool participleRight;
};

// clang-format off
constexpr Answer answers[] = {
    {u"arise", u"arose", true, false},
    {u"arise", u"arisen", false, true},
    {u"arise", u"Arose", false, false},     // letter case counts
    {u"arise", u"arose ", false, false},    // so does a blank
    {u"arise", u"", false, false},          // no second form: empty is still wrong
    {u"awake", u"", false, false},          // a second participle only
    {u"be", u"", false, false},             // a second past tense only
    {u"burn", u"burned", true, true},
    {u"burn", u"burnt", true, true},
    {u"lie", u"lay", true, false},
    {u"lie", u"laid", false, false},        // that is lay's
    {u"lay", u"laid", true, true},
    {u"stride", u"strid", false, true},     // accepted, though the list leaves it out
    {u"Arise", u"arose", false, false},     // a shown verb not in the table
};
// clang-format on

TEST(Quiz, JudgesEachAnswerExactlyAgainstTheShownVerb) {
    VerbTable table;
    EXPECT_EQ(start(table), u"arise");
    for (const auto& a : answers) {
        SCOPED_TRACE(
            testing::PrintToString(std::u16string(a.verb) + u" / " + std::u16string(a.typed)));
        EXPECT_EQ(checkPastTense(table, a.typed, a.verb),
                  a.pastTenseRight ? right : u"Wrong, please try again");
        EXPECT_EQ(checkPastParticiple(table, a.typed, a.verb),
                  a.participleRight ? right : u"Wrong please try again");
    }
}

// The list's verbs below its headings: the infinitive, the past tenses and
// the participles ("bet, betted" and "was/were" are two forms each).
std::vector<std::array<std::vector<std::u16string>, 3>> listedVerbs() {
    std::vector<std::array<std::vector<std::u16string>, 3>> verbs;
    for (auto line : verb_list.substr(verb_list.find("\n\narise") + 2) | std::views::split('\n')) {
        std::array<std::vector<std::u16string>, 3> verb;
        std::size_t column = 0;
        for (const char c : line) {
            if (c == '\t') {
                column += verb[column].empty() ? 0U : 1U;
            } else if (c == ',' || c == '/' || verb[column].empty()) {
                verb[column].emplace_back(c == ',' || c == '/' ? 0U : 1U, static_cast<char16_t>(c));
            } else if (c != ' ') {
                verb[column].back() += static_cast<char16_t>(c);
            }
        }
        if (!verb[2].empty()) {
            verbs.push_back(verb);
        }
    }
    return verbs;
}

TEST(Quiz, StepsThroughTheListedVerbsAndAcceptsEveryListedForm) {
    const auto listed = listedVerbs();
    ASSERT_EQ(listed.size(), 153U);
    VerbTable table;
    std::u16string shown = start(table);
    EXPECT_EQ(back(table, shown), shown) << "Back stops at the first verb";
    for (const auto& [infinitive, pastTenses, participles] : listed) {
        ASSERT_EQ(shown, infinitive.front());
        for (const auto& form : pastTenses) {
            EXPECT_EQ(checkPastTense(table, form, shown), right) << testing::PrintToString(form);
        }
        for (const auto& form : participles) {
            EXPECT_EQ(checkPastParticiple(table, form, shown), right)
                << testing::PrintToString(form);
        }
        shown = next(table, shown);
    }
    EXPECT_EQ(shown, u"write") << "Next stops at the last verb";
    for (auto verb = listed.rbegin() + 1; verb != listed.rend(); ++verb) {
        shown = back(table, shown);
        ASSERT_EQ(shown, verb->front().front());
    }
    EXPECT_EQ(next(table, u"writ"), u"writ") << "a verb not in the table stays";
    EXPECT_EQ(back(table, u"writ"), u"writ");
}

}  // namespace
}  // namespace quillory
