#pragma once

#include <span>
#include <string_view>

namespace quillory {

// One irregular verb with every form the test accepts. An empty alternative
// means the verb has only one form there.
struct VerbRow {
    std::u16string_view infinitive;
    std::u16string_view pastTense;
    std::u16string_view pastTenseAlt;
    std::u16string_view pastParticiple;
    std::u16string_view pastParticipleAlt;
};

// The 153 verbs in alphabetical order of the infinitive. Both the test and
// the printed verb list are made from these rows, so they never disagree.
std::span<const VerbRow> verbRows();

}  // namespace quillory
