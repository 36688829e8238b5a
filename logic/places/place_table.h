#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

// The places a number's place of birth is read from, built into the program from public data
// (place_table.cpp, made by scripts/data/make-tables; its header says how the communes are
// packed). Days are counted from 1 January 1943, where the dated lists of communes start.
namespace vardelis::places {

constexpr std::int32_t no_start = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t no_end = std::numeric_limits<std::int32_t>::max();

// How a department's commune codes are known in a period: not at all (Algeria before its
// independence), by today's names only (the overseas collectivities), or by their names of each
// date since 1943.
enum class CommunesKnown : std::uint8_t { none, today, dated };

// What a department code stood for: a department, the French departments of Algeria before its
// independence, or a protectorate (Morocco, Tunisia), which was never a department.
enum class PlaceKind : std::uint8_t { department, french_algeria, protectorate };

// A department code ("01", "2A", "974"), or a code that stood for a place before a department
// did, with its name between two days: [first_day, end_day).
struct DepartmentPeriod {
    std::string_view code;
    std::int32_t first_day;
    std::int32_t end_day;
    std::string_view name;
    // The words for "in it": "dans les Yvelines", "en Corse", "à Paris".
    std::string_view in_it;
    PlaceKind kind;
    CommunesKnown communes;
};

// What a country's code stood for at a date: a country abroad, a French territory (Algeria
// before its independence), or a French protectorate.
enum class CountryStatus : std::uint8_t { abroad, french, protectorate };

// A country or territory by the last three digits of its code (99134: 134), with its name
// between two days: [first_day, end_day).
struct CountryPeriod {
    std::uint16_t number;
    std::int32_t first_day;
    std::int32_t end_day;
    std::string_view name;
    CountryStatus status;
};

// A commune code given to the births of a commune beyond its 999th in a month (75215 for Paris
// 15e arrondissement, 75115), by keys.
struct Extension {
    std::uint32_t extension_key;
    std::uint32_t commune_key;
};

// A code that took over from another one on a day (92012 from 75012 on 1 January 1968), by keys.
struct CodeChange {
    std::uint32_t key;
    std::int32_t day;
    std::uint32_t former_key;
};

// Where a block of the commune stream starts, and the key of its first code.
struct Block {
    std::uint32_t first_key;
    std::uint32_t offset;
};

// Sorted by code, then by first day.
extern const std::span<const DepartmentPeriod> department_periods;
// Sorted by number, then by first day.
extern const std::span<const CountryPeriod> country_periods;
// Sorted by extension key.
extern const std::span<const Extension> extension_codes;
// Sorted by key, then by day.
extern const std::span<const CodeChange> code_changes;
// Sorted by first key.
extern const std::span<const Block> commune_blocks;
extern const std::span<const std::uint8_t> commune_stream;
// The first day after the dated history of the communes: what changed since is known only from
// today's list, without its date.
extern const std::int32_t dated_history_end;

} // namespace vardelis::places
