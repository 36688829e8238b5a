#include "logic/text/csv.h"

#include <algorithm>
#include <array>

namespace vardelis {

char separator_of(std::string_view line) {
    constexpr std::array<char, 3> separators = {';', '\t', ','};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        }
        for (std::size_t i = 0; i < separators.size(); ++i) {
            counts.at(i) += !quoted && c == separators.at(i) ? 1 : 0;
        }
    }
    std::size_t most = 0;
    for (std::size_t i = 1; i < separators.size(); ++i) {
        most = counts.at(i) > counts.at(most) ? i : most;
    }
    return counts.at(most) == 0 ? ';' : separators.at(most);
}

std::vector<std::string> fields_of(std::string_view line, char separator) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string csv_field(std::string_view text, char separator) {
    std::string field;
    append_csv_field(field, text, separator);
    return field;
}

void append_csv_field(std::string& written, std::string_view text, char separator) {
    const std::array<char, 4> special = {separator, '"', '\r', '\n'};
    const bool plain = std::none_of(special.begin(), special.end(), [text](char c) {
        return text.find(c) != std::string_view::npos;
    });
    if (plain) {
        written += text;
        return;
    }
    written += '"';
    for (const char c : text) {
        written += c;
        if (c == '"') {
            written += c;
        }
    }
    written += '"';
}

} // namespace vardelis
