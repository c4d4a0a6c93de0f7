#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "app/windows.h"

namespace quillory {
namespace {

// The access key of a caption: the letter after a single "&", or 0.
char16_t accessKey(std::u16string_view caption) {
    const auto at = caption.find(u'&');
    if (at == std::u16string_view::npos || at + 1 >= caption.size()) {
        return 0;
    }
    const char16_t key = caption[at + 1];
    return key < 128 ? static_cast<char16_t>(std::tolower(key)) : key;
}

// Two boxes run past their window's right edge by design: the verb list's
// box by 60 twips, the test's past-participle box by 15.
int designedOverhang(WindowId id, std::string_view control) {
    if (id == WindowId::Form2 && control == "Text1") {
        return 60;
    }
    return id == WindowId::Form3 && control == "Text3" ? 15 : 0;
}

TEST(Layouts, AreConsistentForEveryWindow) {
    const auto windows = makeWindows();
    for (const auto id : allWindows) {
        const auto& layout = windows.at(indexOf(id))->layout();
        SCOPED_TRACE(std::string(nameOf(id)));
        EXPECT_EQ(layout.id, id);
        EXPECT_FALSE(layout.caption.empty());
        std::set<std::string_view> names;
        std::set<int> tabIndices;
        std::set<char16_t> keys;
        for (const auto& control : layout.controls) {
            SCOPED_TRACE(std::string(control.name));
            EXPECT_TRUE(names.insert(control.name).second) << "name used twice";
            EXPECT_TRUE(tabIndices.insert(control.tabIndex).second) << "tab index used twice";
            if (const char16_t key = accessKey(control.caption)) {
                EXPECT_EQ(control.kind, ControlKind::Button);
                EXPECT_TRUE(keys.insert(key).second) << "access key used twice";
            }
            const auto& r = control.rect;
            EXPECT_GT(r.width, 0);
            EXPECT_GT(r.height, 0);
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            const int overhang = designedOverhang(id, control.name);
            EXPECT_LE(r.left + r.width, layout.clientWidth + overhang);
            EXPECT_LE(r.top + r.height, layout.clientHeight);
        }
        EXPECT_EQ(*tabIndices.begin(), 0);
        EXPECT_EQ(*tabIndices.rbegin(), static_cast<int>(tabIndices.size()) - 1);
    }
}

TEST(Layouts, TestWindowHasItsAccessKeys) {
    const auto windows = makeWindows();
    std::u16string keys;
    for (const auto& control : windows.at(indexOf(WindowId::Form3))->layout().controls) {
        if (const char16_t key = accessKey(control.caption)) {
            keys += key;
        }
    }
    EXPECT_EQ(keys, u"panmb");
}

}  // namespace
}  // namespace quillory
