#pragma once

#include "logic/places/place_table.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vardelis::places {

// The key of a commune code: its department's two characters as a number (2A is 100, 2B 101)
// times 1000, plus its last three digits. 78646 is 78646, 2A004 is 100004, 97411 is 97411.
[[nodiscard]] std::optional<std::uint32_t> commune_key(std::string_view code);
// The code of a key: "78646", "2A004".
[[nodiscard]] std::string commune_code(std::uint32_t key);
// The department of a key's code: its first two characters, or three overseas ("974").
[[nodiscard]] std::string department_of(std::uint32_t key);

// A code as the table holds it.
struct Commune {
    // From first_day (no_start for the first when it has no known start) to the next period's
    // first day, the code named the commune called name, or none when name is empty.
    struct Period {
        std::int32_t first_day = 0;
        std::string name;

        bool operator==(const Period&) const = default;
    };
    enum class Today : std::uint8_t { unknown, itself, elsewhere };

    std::uint32_t key = 0;
    std::vector<Period> periods;
    // What the code is today: a commune itself, with renamed_today as its name when that differs
    // from the last one dated; part of the commune of today_key; or not known.
    Today today = Today::unknown;
    std::uint32_t today_key = 0;
    std::string renamed_today;

    // The last day of a period, the day before the next one starts (no_end for the last).
    [[nodiscard]] std::int32_t end_of(std::size_t period) const;
};

// Reads the codes of the table one after the other, in the order of their keys.
class CommuneReader {
public:
    // From the first code of a block.
    explicit CommuneReader(std::size_t block = 0);

    [[nodiscard]] bool at_end() const { return offset_ >= commune_stream.size(); }
    Commune next();

private:
    std::uint8_t byte();
    std::uint32_t varint();
    std::string name();

    std::size_t offset_;
    std::size_t next_block_;
    std::uint32_t key_ = 0;
    std::string previous_name_;
};

// The code of that key, if the table has it.
[[nodiscard]] std::optional<Commune> find_commune(std::uint32_t key);

// The commune's name and the key of the code it has today, if known.
struct TodaysCommune {
    std::uint32_t key;
    std::string name;
};
[[nodiscard]] std::optional<TodaysCommune> todays_commune(const Commune& commune);

// The periods of a department code ("78", "2A", "974"), in order; none for a code never used.
[[nodiscard]] std::span<const DepartmentPeriod> department_history(std::string_view code);

// The country of that number (134 for 99134), if it is on today's list.
[[nodiscard]] std::optional<std::string_view> country(int number);

} // namespace vardelis::places
