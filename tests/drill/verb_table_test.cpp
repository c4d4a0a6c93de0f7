#include "drill/verb_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillory {
namespace {

class FilledTable : public ::testing::Test {
protected:
    void SetUp() override { table.fill(); }
    VerbTable table;
};

TEST_F(FilledTable, HoldsTheVerbsInRowsOneToVerbCountAndNothingElse) {
    ASSERT_EQ(table.verbCount, 153);
    for (const auto* column : {&table.infinitive, &table.pastTense, &table.pastTenseAlt,
                               &table.pastParticiple, &table.pastParticipleAlt}) {
        EXPECT_TRUE(column->at(0).empty());
        for (int row = table.verbCount + 1; row < VerbTable::capacity; ++row) {
            EXPECT_TRUE(column->at(static_cast<std::size_t>(row)).empty()) << "row " << row;
        }
    }
}

TEST_F(FilledTable, InfinitivesAreStrictlyAscendingAndRequiredFormsPresent) {
    for (std::size_t row = 1; row <= 153; ++row) {
        EXPECT_FALSE(table.infinitive[row].empty()) << row;
        EXPECT_FALSE(table.pastTense[row].empty()) << row;
        EXPECT_FALSE(table.pastParticiple[row].empty()) << row;
        if (row > 1) {
            EXPECT_LT(table.infinitive[row - 1], table.infinitive[row]) << "row " << row;
        }
    }
    EXPECT_EQ(table.infinitive[1], u"arise");
    EXPECT_EQ(table.infinitive[153], u"write");
}

TEST_F(FilledTable, CountsSecondForms) {
    const auto filled = [](const VerbTable::Column& column) {
        return std::ranges::count_if(column, [](const auto& cell) { return !cell.empty(); });
    };
    EXPECT_EQ(filled(table.pastTenseAlt), 20);
    EXPECT_EQ(filled(table.pastParticipleAlt), 25);
}

TEST_F(FilledTable, FindsRowsByExactInfinitiveOnly) {
    EXPECT_EQ(table.findCurrentVerb(u"write"), 153);
    EXPECT_EQ(table.findCurrentVerb(u"arise"), 1);
    EXPECT_EQ(table.findCurrentVerb(u"lay"), 67);  // not "lie", whose past tense is "lay"
    EXPECT_EQ(table.findCurrentVerb(u"lie"), 75);
    for (const auto* missing : {u"Write", u"writ", u"write ", u" write", u"", u"WRITE"}) {
        EXPECT_EQ(table.findCurrentVerb(missing), std::nullopt) << "found a row for a near miss";
    }
}

TEST_F(FilledTable, SearchStaysInsideItsRange) {
    EXPECT_EQ(table.findCurrentVerb(u"write", 1, 152), std::nullopt);
    EXPECT_EQ(table.findCurrentVerb(u"arise", 2, 153), std::nullopt);
    EXPECT_EQ(table.findCurrentVerb(u"awake", 2, 2), 2);
    // Never past verbCount, however large the range asked for.
    EXPECT_EQ(table.findCurrentVerb(u"", 1, VerbTable::capacity - 1), std::nullopt);
}

TEST(EmptyTable, FindsNothing) {
    const VerbTable table;
    EXPECT_EQ(table.verbCount, 0);
    EXPECT_EQ(table.findCurrentVerb(u""), std::nullopt);
    EXPECT_EQ(table.findCurrentVerb(u"arise"), std::nullopt);
}

}  // namespace
}  // namespace quillory
