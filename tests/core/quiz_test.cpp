// The rules of the test, held against the printed verb list: every verb the
// list prints is one the test steps through, in the same order, and every
// form the list prints is one the test accepts.
#include "drill/quiz.h"

#include <gtest/gtest.h>

#include <array>
#include <ranges>
#include <regex>
#include <sstream>

#include "answers.h"
#include "verb_list.h"

namespace quillory {
namespace {

constexpr std::u16string_view right = u"Well done, you got it right!";

TEST(Quiz, JudgesEachAnswerExactlyAgainstTheShownVerb) {
    VerbTable table;
    EXPECT_EQ(start(table), u"arise");
    std::istringstream rows{std::string(answers)};
    for (std::string row; std::getline(rows, row);) {
        std::vector<std::u16string> f;
        for (auto field : row | std::views::split('|')) {
            f.emplace_back(field.begin(), field.end());
        }
        SCOPED_TRACE(testing::PrintToString(f));  // a row of fewer than four fails on at()
        EXPECT_EQ(checkPastTense(table, f.at(1), f.at(0)),
                  f.at(2) == u"right" ? right : u"Wrong, please try again");
        EXPECT_EQ(checkPastParticiple(table, f.at(1), f.at(0)),
                  f.at(3) == u"right" ? right : u"Wrong please try again");
    }
}

// The list's verbs below its headings, three columns a line: the infinitive, the
// past tenses and the participles ("bet, betted" and "was/were" are two forms each).
std::vector<std::array<std::vector<std::u16string>, 3>> listedVerbs() {
    const std::string list(verb_list.substr(verb_list.find("\n\narise")));
    std::istringstream words(std::regex_replace(list, std::regex(", "), "/"));
    std::vector<std::array<std::vector<std::u16string>, 3>> verbs;
    for (std::array<std::string, 3> line; words >> line[0] >> line[1] >> line[2];) {
        auto& verb = verbs.emplace_back();
        for (std::size_t column = 0; column < line.size(); ++column) {
            for (auto form : line.at(column) | std::views::split('/')) {
                verb.at(column).emplace_back(form.begin(), form.end());
            }
        }
    }
    return verbs;
}

TEST(Quiz, StepsThroughTheListedVerbsAndAcceptsEveryListedForm) {
    const auto listed = listedVerbs();
    ASSERT_EQ(listed.size(), 153U);
    VerbTable table;
    std::u16string shown = start(table);
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
