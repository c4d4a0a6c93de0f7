#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reference texts written from the program's description, compiled into the
// tests (see tests/data), and the helpers that read them.
namespace quillory::golden {

// The text split at each separator; text after the last one makes a last line.
inline std::vector<std::u16string> split(std::u16string_view text, std::u16string_view separator) {
    std::vector<std::u16string> lines;
    std::size_t begin = 0;
    for (auto end = text.find(separator); end != std::u16string_view::npos;
         end = text.find(separator, begin)) {
        lines.emplace_back(text.substr(begin, end - begin));
        begin = end + separator.size();
    }
    if (begin < text.size()) {
        lines.emplace_back(text.substr(begin));
    }
    return lines;
}

// One line of the verb list for each verb: the texts between its runs of tabs.
struct ListedVerb {
    std::u16string infinitive;
    std::vector<std::u16string> pastTenses;
    std::vector<std::u16string> participles;
};

// A column's forms: "bet, betted" and "was/were" are two forms each.
inline std::vector<std::u16string> forms(std::u16string column) {
    std::erase(column, u' ');
    std::ranges::replace(column, u'/', u',');
    return split(column, u",");
}

inline std::vector<ListedVerb> listedVerbs(std::u16string_view list) {
    std::vector<ListedVerb> verbs;
    const auto lines = split(list, u"\n");
    for (const auto& line : std::span(lines).subspan(5)) {  // after the headings
        auto columns = split(line, u"\t");
        std::erase(columns, u"");
        if (columns.size() == 3) {
            verbs.push_back({columns[0], forms(columns[1]), forms(columns[2])});
        }
    }
    return verbs;
}

}  // namespace quillory::golden
