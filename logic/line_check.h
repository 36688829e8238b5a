#pragma once

#include "logic/logic.h"
#include "logic/reading/number_reading.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One line of a list of numbers, as a spreadsheet or another program writes it, checked: the
// engine of the list window and of the command line alike.
namespace vardelis {

// A whole number found in a line, where it stands in it.
struct FoundNumber {
    std::size_t offset = 0;
    std::size_t length = 0;
    WholeNumber number;

    bool operator==(const FoundNumber&) const = default;
};

// The first whole number of the line, by the rules of a paste (13 or 15 characters, blanks, dots
// or dashes between them, 2A or 2B), that stands alone: between the line's ends, its columns'
// separators, quotes, or any character that cannot belong to a number. Digits run together
// with others are no number: nothing is guessed.
[[nodiscard]] std::optional<FoundNumber> find_number(std::string_view line);

enum class Verdict : std::uint8_t {
    right,     // a number with its own key, whose reading has nothing to say
    no_key,    // a number without a key, whose reading has nothing to say
    wrong_key, // a number with another key than its own
    to_check,  // a number whose reading warns
    no_number, // no whole number
};

// « Juste », « Sans clé », « Clé fausse », « À vérifier », « Pas de numéro ».
[[nodiscard]] std::string_view verdict_in_french(Verdict verdict);

struct LineCheck {
    std::optional<FoundNumber> found;
    // The number's own key, on two digits ("07"), when a number was found.
    std::string right_key;
    Verdict verdict = Verdict::no_number;
    // What the number says, when a number was found.
    std::optional<NumberReading> reading;
};

// The line's number, its key and what it says, as of today.
[[nodiscard]] LineCheck check_line(std::string_view line, std::chrono::year_month today);

} // namespace vardelis
