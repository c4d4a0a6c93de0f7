#pragma once

#include <string>
#include <vector>

namespace quillory {

// The lines of a text whose lines end in CR LF, without their ends. Text
// after the last CR LF, if any, makes a last line of its own.
inline std::vector<std::u16string> crlfLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t begin = 0;
    for (auto end = text.find(u"\r\n"); end != std::u16string::npos;
         end = text.find(u"\r\n", begin)) {
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    if (begin < text.size()) {
        lines.push_back(text.substr(begin));
    }
    return lines;
}

}  // namespace quillory
