#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The values of a number's parts that stand for something else than their plain meaning, from
// the public descriptions of the number that data/valeurs-particulieres.csv names
// (special_value_table.cpp, made by scripts/data/make-tables).
namespace vardelis {

enum class NumberPart : std::uint8_t { sex, month };

enum class SpecialMeaning : std::uint8_t {
    // A number given while the person's registration is pending.
    provisional_number,
    // The civil status does not give the month of birth.
    month_not_given,
};

// The values first to last of that part mean this.
struct SpecialValue {
    NumberPart part;
    int first;
    int last;
    SpecialMeaning meaning;
};

extern const std::span<const SpecialValue> special_values;

// What that value of the part stands for, if it is a special value.
[[nodiscard]] std::optional<SpecialMeaning> special_meaning(NumberPart part, int value);

} // namespace vardelis
