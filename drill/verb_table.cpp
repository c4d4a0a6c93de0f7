#include "drill/verb_table.h"

#include <algorithm>

#include "drill/verb_rows.h"

namespace quillory {

void VerbTable::fill() {
    const auto rows = verbRows();
    verbCount = static_cast<std::int16_t>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto row = i + 1;
        infinitive.at(row) = rows[i].infinitive;
        pastTense.at(row) = rows[i].pastTense;
        pastTenseAlt.at(row) = rows[i].pastTenseAlt;
        pastParticiple.at(row) = rows[i].pastParticiple;
        pastParticipleAlt.at(row) = rows[i].pastParticipleAlt;
    }
}

std::optional<int> VerbTable::findCurrentVerb(std::u16string_view verb, int firstRow,
                                              int lastRow) const {
    const int last = std::min<int>(lastRow, verbCount);
    for (int row = std::max(firstRow, 1); row <= last; ++row) {
        if (infinitive.at(static_cast<std::size_t>(row)) == verb) {
            return row;
        }
    }
    return std::nullopt;
}

}  // namespace quillory
