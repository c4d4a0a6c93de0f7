#pragma once

#include <string>

namespace quillory {

// The reference list shown in the verb list window: a heading, then one line
// per verb with its past tense and past participle, columns separated by
// runs of tabs, every line ended by CR LF.
std::u16string verbListText();

}  // namespace quillory
