// clang-format off
// Made by scripts/data/make-tables from the public files of data/, whose sources, dates
// and licence (Licence Ouverte / Open Licence) data/README.md gives. Do not edit: change
// the data or the script, and run the script again.

#include "logic/reading/special_values.h"

#include <array>

namespace vardelis {
namespace {

constexpr std::array<SpecialValue, 3> special_value_table = {{
    {NumberPart::sex, 7, 8, SpecialMeaning::provisional_number},
    {NumberPart::month, 20, 42, SpecialMeaning::month_not_given},
    {NumberPart::month, 50, 99, SpecialMeaning::month_not_given},
}};

} // namespace

constinit const std::span<const SpecialValue> special_values = special_value_table;

} // namespace vardelis
