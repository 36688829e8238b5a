#pragma once

#include "logic/places/place_table.h"

#include <array>
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

    // The day after a period's last: the next one's first day (no_end for the last).
    [[nodiscard]] std::int32_t end_of(std::size_t period) const;
};

// Reads the codes of a stream one after the other, in the order of their keys: the table's own,
// or any other laid out as the table's header says. A stream that does not hold what its layout
// says (cut short, a name longer than what is left, a key that goes back) is corrupt: the reader
// then stops, and reads nothing more from it.
class CommuneReader {
public:
    // From the first code of a block of the table's stream.
    explicit CommuneReader(std::size_t block = 0);
    CommuneReader(std::span<const std::uint8_t> stream, std::span<const Block> blocks,
                  std::size_t block = 0);

    [[nodiscard]] bool at_end() const { return corrupt_ || offset_ >= stream_.size(); }
    [[nodiscard]] bool corrupt() const { return corrupt_; }
    // The next code, or nothing at the end or where the stream is corrupt.
    std::optional<Commune> next();
    // The code of that key, read from here on, passing over the codes before it without building
    // them; nothing when the stream has no such code.
    std::optional<Commune> find(std::uint32_t key);

    // No name is longer: a longer one in a stream makes it corrupt.
    static constexpr std::size_t longest_name = 255;

private:
    std::uint8_t byte();
    std::uint32_t varint();
    std::string_view name();
    bool start_code();
    void read_rest(Commune* commune);

    std::span<const std::uint8_t> stream_;
    std::span<const Block> blocks_;
    std::size_t offset_;
    std::size_t next_block_;
    std::uint32_t key_ = 0;
    std::array<char, longest_name> previous_name_{};
    std::size_t previous_length_ = 0;
    bool corrupt_ = false;
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

// The names of a country's code (134 for 99134) over time, in order; none for a code not listed.
[[nodiscard]] std::span<const CountryPeriod> country_history(int number);

// The commune key that an extension code stands for, if it is one.
[[nodiscard]] std::optional<std::uint32_t> extended_commune(std::uint32_t key);

// The code that the place of a code had on a day, where the code took over from another one
// after that day (75012 for 92012 in 1962), if it did.
[[nodiscard]] std::optional<std::uint32_t> former_code(std::uint32_t key, std::int32_t day);

} // namespace vardelis::places
