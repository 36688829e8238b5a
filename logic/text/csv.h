#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields of a line of a spreadsheet's text file: separated by ";" (the French versions'
// own), "," or a tab, quoted as CSV quotes them.
namespace vardelis {

// The separator a line uses: of ";", a tab and ",", the one it has most of outside quotes; ";"
// when it has none.
[[nodiscard]] char separator_of(std::string_view line);

// The line's fields, unquoted.
[[nodiscard]] std::vector<std::string> fields_of(std::string_view line, char separator);

// The text as a field: quoted, its quotes doubled, where it holds the separator, a quote or a
// line end; as it is otherwise.
[[nodiscard]] std::string csv_field(std::string_view text, char separator);
// The same, written at the end of a text.
void append_csv_field(std::string& written, std::string_view text, char separator);

} // namespace vardelis
