#include "drill/quiz.h"

namespace quillory {
namespace {

const std::u16string& cell(const VerbTable::Column& column, int row) {
    return column.at(static_cast<std::size_t>(row));
}

std::u16string_view checkAnswer(const VerbTable& table, std::u16string_view answer,
                                std::u16string_view shownVerb, const VerbTable::Column& first,
                                const VerbTable::Column& alternative,
                                std::u16string_view wrongMessage) {
    const auto row = table.findCurrentVerb(shownVerb);
    // Without the emptiness test an empty answer would match a missing
    // alternative form.
    const bool right = !answer.empty() && row &&
                       (cell(first, *row) == answer || cell(alternative, *row) == answer);
    return right ? rightAnswerMessage : wrongMessage;
}

}  // namespace

std::u16string start(VerbTable& table) {
    table.fill();
    return std::u16string(firstVerb);
}

std::u16string_view checkPastTense(const VerbTable& table, std::u16string_view answer,
                                   std::u16string_view shownVerb) {
    return checkAnswer(table, answer, shownVerb, table.pastTense, table.pastTenseAlt,
                       wrongPastTenseMessage);
}

std::u16string_view checkPastParticiple(const VerbTable& table, std::u16string_view answer,
                                        std::u16string_view shownVerb) {
    return checkAnswer(table, answer, shownVerb, table.pastParticiple, table.pastParticipleAlt,
                       wrongPastParticipleMessage);
}

std::u16string next(const VerbTable& table, std::u16string_view shownVerb) {
    const auto row = table.findCurrentVerb(shownVerb, 1, table.verbCount - 1);
    return row ? cell(table.infinitive, *row + 1) : std::u16string(shownVerb);
}

std::u16string back(const VerbTable& table, std::u16string_view shownVerb) {
    const auto row = table.findCurrentVerb(shownVerb, 2, table.verbCount);
    return row ? cell(table.infinitive, *row - 1) : std::u16string(shownVerb);
}

}  // namespace quillory
