#pragma once

#include <string>
#include <string_view>

#include "drill/verb_table.h"

// The rules of the test, free of any window. The shown verb's text is the
// whole position in the test; its row is looked up again whenever needed.
namespace quillory {

inline constexpr std::u16string_view firstVerb = u"arise";
inline constexpr std::u16string_view rightAnswerMessage = u"Well done, you got it right!";
// The two differ by one comma, as the program always had them (main_menu.cpp).
inline constexpr std::u16string_view wrongPastTenseMessage = u"Wrong, please try again";
inline constexpr std::u16string_view wrongPastParticipleMessage = u"Wrong please try again";

// Fills the table and returns the verb the test opens with.
std::u16string start(VerbTable& table);

// Right when the answer is not empty and equals exactly the past tense (or
// its alternative form) of the shown verb's row; the same for the participle.
std::u16string_view checkPastTense(const VerbTable& table, std::u16string_view answer,
                                   std::u16string_view shownVerb);
std::u16string_view checkPastParticiple(const VerbTable& table, std::u16string_view answer,
                                        std::u16string_view shownVerb);

// The verb after / before the shown one; the shown verb itself at either end
// (the test does not wrap around).
std::u16string next(const VerbTable& table, std::u16string_view shownVerb);
std::u16string back(const VerbTable& table, std::u16string_view shownVerb);

}  // namespace quillory
