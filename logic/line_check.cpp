#include "logic/line_check.h"

#include "runtime/core/val.h"

#include <algorithm>
#include <array>

namespace vardelis {
namespace {

// What may stand between the characters of a number in a line: blanks, dots and dashes, the
// no-break spaces in UTF-8 ("\u00A0", "\u202F") included. The tab is a column's end.
constexpr std::array<std::string_view, 5> inner_separators = {" ", "\u00A0", "\u202F", ".", "-"};

std::size_t separator_at(std::string_view line, std::size_t at) {
    // Most characters start none: the first byte of each tells.
    const auto first = static_cast<unsigned char>(line[at]);
    if (first != ' ' && first != '.' && first != '-' && first != 0xC2 && first != 0xE2) {
        return 0;
    }
    for (const std::string_view separator : inner_separators) {
        if (line.substr(at).starts_with(separator)) {
            return separator.size();
        }
    }
    return 0;
}

// A run of number characters that starts at a digit: digits, separators between them, and a
// department's A or B after a 2; where it ends, and its characters without the separators, as
// many as a number has at most (one more tells that it has too many).
struct Run {
    std::size_t end = 0;
    std::array<char, 16> characters{};
    std::size_t length = 0;

    [[nodiscard]] std::string_view number() const { return {characters.data(), length}; }
};

Run run_from(std::string_view line, std::size_t start) {
    Run run;
    run.end = start;
    char last = 0;
    for (std::size_t at = start; at < line.size();) {
        const char c = line[at];
        if (runtime::is_digit(c) ||
            (last == '2' && (c == 'A' || c == 'B' || c == 'a' || c == 'b'))) {
            last = c;
            run.end = ++at;
            if (run.length < run.characters.size()) {
                run.characters.at(run.length++) = c;
            }
        } else if (const std::size_t length = separator_at(line, at)) {
            at += length;
        } else {
            break;
        }
    }
    return run;
}

bool letter_or_digit(char c) {
    return runtime::is_digit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::optional<FoundNumber> find_number(std::string_view line) {
    for (std::size_t at = 0; at < line.size();) {
        at = static_cast<std::size_t>(std::find_if(line.begin() + static_cast<std::ptrdiff_t>(at),
                                                   line.end(), runtime::is_digit) -
                                      line.begin());
        // A run starts at a digit that follows no letter or digit.
        if (at == line.size() || (at > 0 && letter_or_digit(line[at - 1]))) {
            ++at;
            continue;
        }
        const Run run = run_from(line, at);
        const bool alone = run.end == line.size() || !letter_or_digit(line[run.end]);
        if (alone) {
            if (std::optional<WholeNumber> number = whole_number_of(run.number())) {
                return FoundNumber{at, run.end - at, std::move(*number)};
            }
        }
        at = run.end;
    }
    return std::nullopt;
}

std::string_view verdict_in_french(Verdict verdict) {
    switch (verdict) {
    case Verdict::right:
        return "Juste";
    case Verdict::no_key:
        return "Sans clé";
    case Verdict::wrong_key:
        return "Clé fausse";
    case Verdict::to_check:
        return "À vérifier";
    case Verdict::no_number:
        return "Pas de numéro";
    }
    return {};
}

LineCheck check_line(std::string_view line, std::chrono::year_month today) {
    LineCheck check;
    check.found = find_number(line);
    if (!check.found) {
        return check;
    }
    const WholeNumber& number = check.found->number;
    check.right_key = key_of_whole_number(number.parts);
    check.reading = read_number(number.parts, today);
    // Both keys have two digits.
    const bool wrong_key = !number.key.empty() && number.key != check.right_key;
    if (wrong_key) {
        check.verdict = Verdict::wrong_key;
    } else if (check.reading->weight() != Weight::nothing) {
        check.verdict = Verdict::to_check;
    } else {
        check.verdict = number.key.empty() ? Verdict::no_key : Verdict::right;
    }
    return check;
}

} // namespace vardelis
