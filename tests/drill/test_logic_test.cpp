#include "drill/test_logic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillory {
namespace {

class TestLogic : public ::testing::Test {
protected:
    TestLogic() : shown(start(table)) {}

    [[nodiscard]] bool pastTenseRight(std::u16string_view answer, std::u16string_view verb) const {
        return checkPastTense(table, answer, verb) == rightAnswerMessage;
    }
    [[nodiscard]] bool participleRight(std::u16string_view answer, std::u16string_view verb) const {
        return checkPastParticiple(table, answer, verb) == rightAnswerMessage;
    }

    VerbTable table;
    std::u16string shown;
};

TEST_F(TestLogic, StartsAtAriseWithAFullTable) {
    EXPECT_EQ(shown, u"arise");
    EXPECT_EQ(table.verbCount, 153);
    EXPECT_EQ(checkPastTense(table, u"arose", shown), u"Well done, you got it right!");
    EXPECT_EQ(checkPastTense(table, u"arisen", shown), u"Wrong, please try again");
    EXPECT_EQ(checkPastParticiple(table, u"arisen", shown), u"Well done, you got it right!");
    EXPECT_EQ(checkPastParticiple(table, u"arose", shown), u"Wrong please try again");
}

TEST_F(TestLogic, ComparesExactlyWithoutTrimmingOrFoldingCase) {
    for (const auto* nearMiss : {u"Arose", u"AROSE", u" arose", u"arose ", u"arose\t", u"aros",
                                 u"arosee", u"ar\u00f6se"}) {
        EXPECT_FALSE(pastTenseRight(nearMiss, u"arise")) << "accepted a near miss";
    }
    EXPECT_FALSE(participleRight(u"Arisen", u"arise"));
    EXPECT_FALSE(pastTenseRight(u"arose", u"Arise")) << "the shown verb is compared exactly too";
}

TEST_F(TestLogic, EmptyAnswerIsWrongWithOrWithoutAnAlternative) {
    // "arise" has no alternative forms, "burn" has both.
    for (const auto* verb : {u"arise", u"burn", u"be", u"bear", u"write"}) {
        EXPECT_EQ(checkPastTense(table, u"", verb), wrongPastTenseMessage);
        EXPECT_EQ(checkPastParticiple(table, u"", verb), wrongPastParticipleMessage);
    }
}

TEST_F(TestLogic, AcceptsEitherFormWhereTwoExist) {
    struct Case {
        std::u16string_view verb, answer;
        bool pastTense, participle;
    };
    const Case cases[] = {
        {u"burn", u"burnt", true, true},       {u"burn", u"burned", true, true},
        {u"be", u"was", true, false},          {u"be", u"were", true, false},
        {u"be", u"been", false, true},         {u"bear", u"borne", false, true},
        {u"bear", u"born", false, true},       {u"bear", u"bore", true, false},
        {u"stride", u"stridden", false, true}, {u"stride", u"strid", false, true},
        {u"beat", u"beat", true, false},       {u"beat", u"beaten", false, true},
        {u"spin", u"span", true, false},       {u"hide", u"hid", true, true},
        {u"awake", u"awaked", false, true},    {u"wed", u"wedded", true, true},
    };
    for (const auto& c : cases) {
        const auto label = std::string(c.verb.begin(), c.verb.end()) + " / " +
                           std::string(c.answer.begin(), c.answer.end());
        EXPECT_EQ(pastTenseRight(c.answer, c.verb), c.pastTense) << label;
        EXPECT_EQ(participleRight(c.answer, c.verb), c.participle) << label;
    }
}

TEST_F(TestLogic, AnswerRightForAnotherVerbIsWrong) {
    EXPECT_FALSE(pastTenseRight(u"laid", u"lie"));
    EXPECT_TRUE(pastTenseRight(u"lay", u"lie"));
    EXPECT_TRUE(pastTenseRight(u"laid", u"lay"));
    EXPECT_FALSE(pastTenseRight(u"lay", u"lay"));
    EXPECT_FALSE(pastTenseRight(u"arose", u"awake"));
}

TEST_F(TestLogic, AShownVerbOutsideTheTableMakesEveryAnswerWrong) {
    EXPECT_EQ(checkPastTense(table, u"went", u"goes"), wrongPastTenseMessage);
    EXPECT_EQ(checkPastParticiple(table, u"", u""), wrongPastParticipleMessage);
}

TEST_F(TestLogic, NextAndBackStopAtEitherEnd) {
    EXPECT_EQ(next(table, u"arise"), u"awake");
    EXPECT_EQ(back(table, u"awake"), u"arise");
    EXPECT_EQ(back(table, u"arise"), u"arise");
    EXPECT_EQ(next(table, u"write"), u"write");
    EXPECT_EQ(back(table, u"write"), u"withhold");
    EXPECT_EQ(next(table, u"not a verb"), u"not a verb");
}

TEST_F(TestLogic, WalksEveryVerbOnceInAscendingOrderBothWays) {
    std::set<std::u16string> visited{shown};
    std::u16string verb = shown;
    for (int step = 1; step < 153; ++step) {
        const auto following = next(table, verb);
        ASSERT_LT(verb, following) << "Next did not move forward";
        verb = following;
        visited.insert(verb);
    }
    EXPECT_EQ(verb, u"write");
    EXPECT_EQ(visited.size(), 153U);
    for (int step = 1; step < 153; ++step) {
        const auto preceding = back(table, verb);
        ASSERT_LT(preceding, verb) << "Back did not move backward";
        verb = preceding;
    }
    EXPECT_EQ(verb, u"arise");
}

}  // namespace
}  // namespace quillory
