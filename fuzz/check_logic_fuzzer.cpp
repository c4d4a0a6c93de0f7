// libFuzzer target over the rules of the test (drill/test_logic.h) with any
// UTF-16 text as the answer and as the shown verb, unpaired surrogates and
// NULs included. Its property, checked against the verb rows themselves:
//
// - a check says "Well done, you got it right!" exactly when the answer is
//   not empty and equals one of the shown verb's accepted forms for that
//   check; otherwise it gives that check's own wrong-answer message;
// - Next and Back give the neighbouring verb, or the shown verb itself at
//   either end or when the shown verb is not a verb of the table.
//
// The first input byte says where the shown verb and the answer come from,
// so that the fuzzer reaches real verbs and near-right answers quickly:
//   bits 0-1: 0 the shown verb is taken from the input, else a verb of the
//             table (the second byte picks which)
//   bits 2-3: the answer is 0 the rest of the input, 1 an accepted form
//             (the third byte picks which), 2 a form followed by the rest,
//             3 the rest followed by a form
// The rest of the input is read as UTF-16 (two bytes a unit, low first); in
// mode 0 a unit 0xFFFF ends the shown verb and starts the answer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "drill/test_logic.h"
#include "drill/verb_rows.h"

namespace {

using quillory::VerbRow;

[[noreturn]] void fail(const char* what, std::u16string_view verb, std::u16string_view answer) {
    std::fprintf(stderr, "property broken: %s\n  shown verb (%zu units):", what, verb.size());
    for (const char16_t unit : verb) {
        std::fprintf(stderr, " %04x", static_cast<unsigned>(unit));
    }
    std::fprintf(stderr, "\n  answer (%zu units):", answer.size());
    for (const char16_t unit : answer) {
        std::fprintf(stderr, " %04x", static_cast<unsigned>(unit));
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

const VerbRow* rowOf(std::u16string_view verb, std::size_t* index) {
    const auto rows = quillory::verbRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].infinitive == verb) {
            *index = i;
            return &rows[i];
        }
    }
    return nullptr;
}

std::u16string_view formOf(const VerbRow& row, std::uint8_t pick) {
    const std::u16string_view forms[] = {row.pastTense, row.pastTenseAlt, row.pastParticiple,
                                         row.pastParticipleAlt};
    const auto form = forms[pick % 4];
    return form.empty() ? row.pastTense : form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quillory::VerbTable table;
    static const std::u16string first = quillory::start(table);
    if (first != u"arise") {
        fail("the test does not start at arise", first, {});
    }
    if (size < 3) {
        return 0;
    }
    const auto rows = quillory::verbRows();
    const std::uint8_t mode = data[0];
    const VerbRow& picked = rows[data[1] % rows.size()];
    const std::uint8_t formPick = data[2];

    std::u16string rest;
    for (std::size_t i = 3; i + 1 < size; i += 2) {
        rest += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }

    std::u16string verb;
    std::u16string tail = rest;
    if ((mode & 3) == 0) {
        const auto end = rest.find(u'\xffff');
        verb = rest.substr(0, end);
        tail = end == std::u16string::npos ? std::u16string() : rest.substr(end + 1);
    } else {
        verb = picked.infinitive;
    }

    std::size_t index = 0;
    const VerbRow* row = rowOf(verb, &index);
    const VerbRow& formRow = row != nullptr ? *row : picked;
    std::u16string answer;
    switch ((mode >> 2) & 3) {
    case 0: answer = tail; break;
    case 1: answer = formOf(formRow, formPick); break;
    case 2: answer = std::u16string(formOf(formRow, formPick)) + tail; break;
    default: answer = tail + std::u16string(formOf(formRow, formPick)); break;
    }

    // The oracle: the verb rows, read directly.
    const bool rightPast = row != nullptr && !answer.empty() &&
                           (answer == row->pastTense || answer == row->pastTenseAlt);
    const bool rightParticiple =
        row != nullptr && !answer.empty() &&
        (answer == row->pastParticiple || answer == row->pastParticipleAlt);

    const auto past = quillory::checkPastTense(table, answer, verb);
    if (past != (rightPast ? quillory::rightAnswerMessage : quillory::wrongPastTenseMessage)) {
        fail(rightPast ? "a right past tense was called wrong"
                       : "a wrong past tense was called right",
             verb, answer);
    }
    const auto participle = quillory::checkPastParticiple(table, answer, verb);
    if (participle !=
        (rightParticiple ? quillory::rightAnswerMessage : quillory::wrongPastParticipleMessage)) {
        fail(rightParticiple ? "a right past participle was called wrong"
                             : "a wrong past participle was called right",
             verb, answer);
    }

    const auto next = quillory::next(table, verb);
    const auto back = quillory::back(table, verb);
    const std::u16string_view expectedNext =
        row == nullptr ? std::u16string_view(verb)
                       : rows[std::min(index + 1, rows.size() - 1)].infinitive;
    const std::u16string_view expectedBack =
        row == nullptr ? std::u16string_view(verb) : rows[index == 0 ? 0 : index - 1].infinitive;
    if (next != expectedNext) {
        fail("Next went to the wrong verb", verb, answer);
    }
    if (back != expectedBack) {
        fail("Back went to the wrong verb", verb, answer);
    }
    return 0;
}
