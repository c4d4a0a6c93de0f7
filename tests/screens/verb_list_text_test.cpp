#include "screens/verb_list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crlf_lines.h"
#include "drill/verb_rows.h"

namespace quillory {
namespace {

std::vector<std::u16string> linesOf(const std::u16string& text) {
    EXPECT_TRUE(text.ends_with(u"\r\n")) << "the last line is not ended by CR LF";
    return crlfLines(text);
}

std::u16string tabs(std::size_t count) { return std::u16string(count, u'\t'); }

const std::u16string* lineOf(const std::vector<std::u16string>& lines, std::u16string_view verb) {
    for (const auto& line : lines) {
        if (line.starts_with(std::u16string(verb) + u"\t")) {
            return &line;
        }
    }
    return nullptr;
}

TEST(VerbListText, Has177CrLfLinesWithHeadingAndGroups) {
    const auto text = verbListText();
    EXPECT_EQ(text.find(u'\n'), text.find(u"\r\n") + 1);
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 177U);
    EXPECT_EQ(lines[0], u"IRREGULAR VERBS");
    EXPECT_EQ(lines[1], u"");
    EXPECT_EQ(lines[2], u"");
    EXPECT_EQ(lines[3], u"Infinitive" + tabs(3) + u"Past Tense" + tabs(3) + u"Past Participle");
    EXPECT_EQ(lines[4], u"");
    EXPECT_EQ(lines[5], u"arise" + tabs(3) + u"arose" + tabs(4) + u"arisen");
    EXPECT_EQ(lines[176], u"write" + tabs(3) + u"wrote" + tabs(4) + u"written");
    // Blank lines separate the groups: each starts a new letter or breaks up s and t.
    std::vector<std::u16string> groupStarts;
    for (std::size_t i = 6; i < lines.size(); ++i) {
        if (lines[i - 1].empty()) {
            groupStarts.push_back(lines[i].substr(0, lines[i].find(u'\t')));
        }
    }
    const std::vector<std::u16string> expected{u"be",   u"catch", u"deal",       u"eat",   u"fall",
                                               u"get",  u"hang",  u"keep",       u"lay",   u"make",
                                               u"pay",  u"read",  u"saw",        u"slide", u"spoil",
                                               u"take", u"think", u"understand", u"wake"};
    EXPECT_EQ(groupStarts, expected);
}

TEST(VerbListText, ListsEveryVerbOnceInTableOrder) {
    const auto lines = linesOf(verbListText());
    std::size_t at = 5;
    for (const auto& row : verbRows()) {
        while (at < lines.size() && lines[at].empty()) {
            ++at;
        }
        ASSERT_LT(at, lines.size());
        EXPECT_TRUE(lines[at].starts_with(std::u16string(row.infinitive) + u"\t")) << "line " << at;
        ++at;
    }
    EXPECT_EQ(at, lines.size());
}

TEST(VerbListText, PrintsTheSpecialRowsAsTheLearnerReadsThem) {
    const auto lines = linesOf(verbListText());
    const std::pair<std::u16string_view, std::u16string> expected[] = {
        {u"bid", u"bid" + tabs(3) + u"bade, bid" + tabs(4) + u"bidden, bid"},
        {u"light", u"light" + tabs(3) + u"lit, lighted" + tabs(4) + u"lit, lighted"},
        {u"understand", u"understand" + tabs(2) + u"understood" + tabs(3) + u"understood"},
        {u"undertake", u"undertake" + tabs(2) + u"undertook" + tabs(3) + u"undertaken"},
        {u"dream", u"dream" + tabs(3) + u"dreamed, dreamt" + tabs(3) + u"dreamed, dreamt"},
        {u"stride", u"stride" + tabs(3) + u"strode" + tabs(4) + u"stridden"},
        {u"be", u"be" + tabs(3) + u"was/were" + tabs(4) + u"been"},
        {u"bear", u"bear" + tabs(3) + u"bore" + tabs(4) + u"borne/born"},
        {u"awake", u"awake" + tabs(3) + u"awoke" + tabs(4) + u"awaked, awoken"},
        {u"wed", u"wed" + tabs(3) + u"wedded, wed" + tabs(3) + u"wedded, wed"},
        {u"burn", u"burn" + tabs(3) + u"burnt, burned" + tabs(3) + u"burnt, burned"},
        {u"bet", u"bet" + tabs(3) + u"bet, betted" + tabs(3) + u"bet, betted"},
        {u"show", u"show" + tabs(3) + u"showed" + tabs(4) + u"shown, showed"},
    };
    for (const auto& [verb, line] : expected) {
        const auto* found = lineOf(lines, verb);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(*found, line);
    }
}

}  // namespace
}  // namespace quillory
