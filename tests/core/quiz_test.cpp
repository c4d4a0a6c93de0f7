// The rules of the test, held against the printed verb list: every verb the
// list prints is one the test steps through, in the same order, and every
// form the list prints is one the test accepts.
#include "drill/quiz.h"

#include <gtest/gtest.h>

#include "core/golden.h"
#include "verb_list_golden.h"

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
    {u"arise", u" arose", false, false},
    {u"arise", u"aros", false, false},
    {u"arise", u"ar\u00f6se", false, false},
    {u"arise", u"", false, false},          // no second form: empty is still wrong
    {u"awake", u"", false, false},          // a second participle only
    {u"be", u"", false, false},             // a second past tense only
    {u"burn", u"burned", true, true},
    {u"burn", u"burnt", true, true},
    {u"lie", u"lay", true, false},
    {u"lie", u"laid", false, false},        // that is lay's
    {u"lay", u"laid", true, true},
    {u"stride", u"strid", false, true},     // accepted, though the list leaves it out
    {u"write", u"wrote", true, false},      // the last row
    {u"Arise", u"arose", false, false},     // a shown verb not in the table
    {u"arose", u"arose", false, false},
    {u"", u"", false, false},
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

TEST(Quiz, StepsThroughTheListedVerbsAndAcceptsEveryListedForm) {
    const auto listed = golden::listedVerbs(verbListGolden);
    ASSERT_EQ(listed.size(), 153U);
    VerbTable table;
    std::u16string shown = start(table);
    EXPECT_EQ(table.verbCount, 153);
    EXPECT_EQ(back(table, shown), shown) << "Back stops at the first verb";
    for (const auto& verb : listed) {
        ASSERT_EQ(shown, verb.infinitive);
        for (const auto& form : verb.pastTenses) {
            EXPECT_EQ(checkPastTense(table, form, shown), right) << testing::PrintToString(form);
        }
        for (const auto& form : verb.participles) {
            EXPECT_EQ(checkPastParticiple(table, form, shown), right)
                << testing::PrintToString(form);
        }
        shown = next(table, shown);
    }
    EXPECT_EQ(shown, u"write") << "Next stops at the last verb";
    for (auto verb = listed.rbegin() + 1; verb != listed.rend(); ++verb) {
        shown = back(table, shown);
        ASSERT_EQ(shown, verb->infinitive);
    }
    EXPECT_EQ(next(table, u"writ"), u"writ") << "a verb not in the table stays";
    EXPECT_EQ(back(table, u"writ"), u"writ");
}

}  // namespace
}  // namespace quillory
