#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

// The places a number's place of birth is read from, built into the program from public data
// (place_table.cpp, made by scripts/data/make-place-table; its header says how the communes are
// packed). Days are counted from 1 January 1943, where the dated lists of communes start.
namespace vardelis::places {

constexpr std::int32_t no_start = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t no_end = std::numeric_limits<std::int32_t>::max();

// How a department's commune codes are known in a period: not at all (Algeria before its
// independence), by today's names only (the overseas collectivities), or by their names of each
// date since 1943.
enum class CommunesKnown : std::uint8_t { none, today, dated };

// A department code ("01", "2A", "974"), or a code that stood for a place before a department
// did, with its name between two days: [first_day, end_day).
struct DepartmentPeriod {
    std::string_view code;
    std::int32_t first_day;
    std::int32_t end_day;
    std::string_view name;
    // The words for "in it": "dans les Yvelines", "en Corse", "à Paris".
    std::string_view in_it;
    CommunesKnown communes;
};

// A country or territory abroad by the last three digits of its code (99134: 134, Espagne).
struct Country {
    std::uint16_t number;
    std::string_view name;
};

// Where a block of the commune stream starts, and the key of its first code.
struct Block {
    std::uint32_t first_key;
    std::uint32_t offset;
};

// Sorted by code, then by first day.
extern const std::span<const DepartmentPeriod> department_periods;
// Sorted by number.
extern const std::span<const Country> countries;
// Sorted by first key.
extern const std::span<const Block> commune_blocks;
extern const std::span<const std::uint8_t> commune_stream;

} // namespace vardelis::places
