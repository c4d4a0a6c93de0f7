// The verb list, word for word as the learner reads it.
#include "screens/verb_list_text.h"

#include <gtest/gtest.h>

#include "core/golden.h"
#include "verb_list_golden.h"

namespace quillory {
namespace {

TEST(VerbList, IsTheReferenceTextLineForLineWithCrLfEnds) {
    const std::u16string text = verbListText();
    ASSERT_TRUE(text.ends_with(u"\r\n"));
    const auto shown = golden::split(text, u"\r\n");
    const auto expected = golden::split(verbListGolden, u"\n");
    ASSERT_EQ(expected.size(), 177U);
    EXPECT_EQ(shown.size(), expected.size());
    for (std::size_t line = 0; line < std::min(shown.size(), expected.size()); ++line) {
        EXPECT_EQ(shown[line], expected[line]) << "line " << line + 1;
    }
    EXPECT_EQ(std::ranges::count(text, u'\n'), std::ranges::count(text, u'\r'));
}

}  // namespace
}  // namespace quillory
