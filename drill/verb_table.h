#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quillory {

// The test's verb data: five parallel columns indexed by row. Rows 1 to
// verbCount hold the verbs; row 0 and the rows above verbCount stay empty.
struct VerbTable {
    static constexpr int capacity = 201;  // rows 0 to 200
    using Column = std::array<std::u16string, capacity>;

    Column infinitive;
    Column pastTense;
    Column pastTenseAlt;
    Column pastParticiple;
    Column pastParticipleAlt;
    std::int16_t verbCount = 0;

    // Writes every verb into rows 1 to 153 and sets verbCount to 153.
    void fill();

    // The first row in [firstRow, lastRow] whose infinitive equals verb
    // exactly, or nothing. The range is clamped to rows 1 to verbCount.
    [[nodiscard]] std::optional<int> findCurrentVerb(std::u16string_view verb, int firstRow = 1,
                                                     int lastRow = capacity) const;
};

}  // namespace quillory
