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

// What a screen reader calls the control: its own name, or else its caption
// without the access-key mark.
std::u16string spokenName(const ControlLayout& control) {
    if (!control.accessibleName.empty()) {
        return std::u16string(control.accessibleName);
    }
    std::u16string name(control.caption);
    std::erase(name, u'&');
    return name;
}

TEST(Layouts, EveryControlHasAnAccessibleName) {
    const auto windows = makeWindows();
    for (const auto id : allWindows) {
        SCOPED_TRACE(std::string(nameOf(id)));
        for (const auto& control : windows.at(indexOf(id))->layout().controls) {
            SCOPED_TRACE(std::string(control.name));
            EXPECT_FALSE(spokenName(control).empty());
            if (control.kind == ControlKind::TextBox) {
                // A box's text is what the learner typed or reads, not what it is.
                EXPECT_FALSE(control.accessibleName.empty());
            }
            if (control.kind == ControlKind::Button) {
                // A button says what it does; a second name would only disagree.
                EXPECT_TRUE(control.accessibleName.empty());
            }
        }
    }
}

TEST(Layouts, TestWindowAnnouncesItsBoxesAndVerbByTheirHeadings) {
    const auto windows = makeWindows();
    const auto& layout = windows.at(indexOf(WindowId::Form3))->layout();
    const auto captionOf = [&](std::string_view heading) { return layout.find(heading)->caption; };
    EXPECT_EQ(layout.find("Text2")->accessibleName, captionOf("Label3"));
    EXPECT_EQ(layout.find("Text3")->accessibleName, captionOf("Label4"));
    EXPECT_EQ(layout.find("Label1")->accessibleName, captionOf("Label2"));
    EXPECT_EQ(captionOf("Label3"), u"Past Tense");
    EXPECT_EQ(captionOf("Label4"), u"Past Participle");
    EXPECT_EQ(captionOf("Label2"), u"Infinitive");
}

TEST(Layouts, VerbListBoxIsNamedAfterTheList) {
    const auto windows = makeWindows();
    const auto& layout = windows.at(indexOf(WindowId::Form2))->layout();
    EXPECT_EQ(layout.find("Text1")->accessibleName, layout.caption);
    EXPECT_EQ(layout.caption, u"Irregular verb list");
}

}  // namespace
}  // namespace quillory
