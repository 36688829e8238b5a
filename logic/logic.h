#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardelis {

// The six parts of the social-insurance number as typed into the window's fields, in UTF-8.
// Any text is accepted; the usual widths are 1, 2, 2, 2, 3 and 3 digits.
struct KeyInputs {
    std::string sex;
    std::string year;
    std::string month;
    std::string department;
    std::string commune;
    std::string rank;

    bool operator==(const KeyInputs&) const = default;
};

// The number text of the key: the six texts joined in order, with nothing between them and
// nothing trimmed, except that a department "2A" or "2B" (Corsica, in either case, blanks
// anywhere) counts as 19 or 18.
[[nodiscard]] std::string number_text(const KeyInputs& inputs);

// The control key of the number, as text: "1" to "97" for a number of up to 15 digits. Any text
// gives an answer and nothing is raised: text holding no number counts as 0 (key "97"), and a
// number beyond the double range gives "Erreur". Fractions are written with the given decimal
// separator, the user's, which the caller reads once.
[[nodiscard]] std::string compute_key(const KeyInputs& inputs, std::string_view decimal_separator);

// A whole social-insurance number pasted in one piece: its six parts, and the key written after
// them, as written ("07"), or empty when it came without one.
struct WholeNumber {
    KeyInputs parts;
    std::string key;

    bool operator==(const WholeNumber&) const = default;
};

// The whole number a pasted text holds, or nothing when it holds no whole number. A whole number
// is 13 digits, or 15 with its key, of which the department (the sixth and seventh) may be "2A"
// or "2B" in either case. Between any two of its characters there may be blanks (space, tab,
// no-break space, narrow no-break space), dots or dashes, and around it blanks and line ends, as
// a cell copied from a spreadsheet brings. The parts are 1, 2, 2, 2, 3 and 3 characters wide, the
// department as written.
[[nodiscard]] std::optional<WholeNumber> split_whole_number(std::string_view text);

// The whole number that its characters make, the separators between them taken away: 13, or 15
// with the key; nothing otherwise.
[[nodiscard]] std::optional<WholeNumber> whole_number_of(std::string_view number);

// The number as people write it, its parts and key apart: "1 85 05 78 006 084 72", a key below
// 10 with two digits ("07"). Blanks typed into a part are dropped, as the key drops them.
[[nodiscard]] std::string written_whole(const WholeNumber& number);

// The number that the six parts hold, with its own key on two digits ("07"), when each part
// without the blanks the key skips is digits of its width (1, 2, 2, 2, 3, 3), the department
// "2A" or "2B" too (written in capitals); nothing otherwise. What the window copies as the key.
[[nodiscard]] std::optional<WholeNumber> number_with_its_key(const KeyInputs& parts);

// The own key, on two digits ("07"), of a number whose parts are whole already, as
// number_with_its_key and whole_number_of give them.
[[nodiscard]] std::string key_of_whole_number(const KeyInputs& parts);

// The number's own key ("1" to "97") when it was pasted with another key, which tells of a
// mistyped digit; nothing when it came without a key or with its own. Keys are compared as
// numbers: "07" and "7" agree.
[[nodiscard]] std::optional<std::string> own_key_if_another_was_pasted(const WholeNumber& number);

// The codes first, first + 1, ... last, each written with leading zeros to the width
// ("007" for 7 at width 3). Empty when last is below first.
[[nodiscard]] std::vector<std::string> make_code_list(int first, int last, int width);

// The text of the About box: fifteen lines, each line after the first preceded by a carriage
// return alone.
[[nodiscard]] std::string about_message();

} // namespace vardelis
