#include "logic/places/places.h"

#include "runtime/core/val.h"

#include <algorithm>

namespace vardelis::places {
namespace {

// The flags byte of a code: how many periods follow, and what the code is today.
constexpr std::uint8_t period_count_bits = 0x0F;
constexpr std::uint8_t today_itself = 0x10;
constexpr std::uint8_t today_elsewhere = 0x20;
constexpr std::uint8_t today_renamed = 0x40;
// In place of a name: the code named no commune in that period.
constexpr std::uint8_t no_commune = 255;

} // namespace

std::optional<std::uint32_t> commune_key(std::string_view code) {
    if (code.size() != 5 || !std::all_of(code.begin() + 2, code.end(), runtime::is_digit)) {
        return std::nullopt;
    }
    std::uint32_t department = 0;
    if (code.substr(0, 2) == "2A") {
        department = 100;
    } else if (code.substr(0, 2) == "2B") {
        department = 101;
    } else if (runtime::is_digit(code[0]) && runtime::is_digit(code[1])) {
        department = static_cast<std::uint32_t>((code[0] - '0') * 10 + (code[1] - '0'));
    } else {
        return std::nullopt;
    }
    const auto commune =
        static_cast<std::uint32_t>((code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0'));
    return department * 1000 + commune;
}

std::string commune_code(std::uint32_t key) {
    const std::uint32_t department = key / 1000;
    std::string code = department == 100   ? "2A"
                       : department == 101 ? "2B"
                                           : std::string{static_cast<char>('0' + department / 10),
                                                         static_cast<char>('0' + department % 10)};
    for (const std::uint32_t unit : {100U, 10U, 1U}) {
        code += static_cast<char>('0' + key % 1000 / unit % 10);
    }
    return code;
}

std::string department_of(std::uint32_t key) {
    const std::uint32_t department = key / 1000;
    return commune_code(key).substr(0, department == 97 || department == 98 ? 3 : 2);
}

std::int32_t Commune::end_of(std::size_t period) const {
    return period + 1 < periods.size() ? periods[period + 1].first_day : no_end;
}

CommuneReader::CommuneReader(std::size_t block)
    : offset_(block < commune_blocks.size() ? commune_blocks[block].offset : commune_stream.size())
    , next_block_(block) {}

std::uint8_t CommuneReader::byte() {
    return offset_ < commune_stream.size() ? commune_stream[offset_++] : 0;
}

std::uint32_t CommuneReader::varint() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 7) {
        const std::uint8_t seven_bits = byte();
        value |= static_cast<std::uint32_t>(seven_bits & 0x7F) << shift;
        if ((seven_bits & 0x80) == 0) {
            break;
        }
    }
    return value;
}

// A name shares its first bytes with the name before it in the block.
std::string CommuneReader::name() {
    const std::size_t shared = std::min<std::size_t>(byte(), previous_name_.size());
    const std::size_t added = std::min<std::size_t>(varint(), commune_stream.size() - offset_);
    std::string text = previous_name_.substr(0, shared);
    text.append(reinterpret_cast<const char*>(&commune_stream[offset_]), added);
    offset_ += added;
    previous_name_ = text;
    return text;
}

Commune CommuneReader::next() {
    // Each block starts afresh: its first key is given, and its first name shares nothing.
    if (next_block_ < commune_blocks.size() && offset_ == commune_blocks[next_block_].offset) {
        key_ = commune_blocks[next_block_].first_key;
        previous_name_.clear();
        ++next_block_;
    }
    Commune commune;
    key_ += varint();
    commune.key = key_;
    const std::uint8_t flags = byte();
    std::int32_t first_day = 0;
    for (int period = 0; period < (flags & period_count_bits); ++period) {
        first_day += static_cast<std::int32_t>(varint());
        // A first period from the start of the lists has no known start.
        const std::int32_t start = period == 0 && first_day == 0 ? no_start : first_day;
        if (offset_ < commune_stream.size() && commune_stream[offset_] == no_commune) {
            ++offset_;
            commune.periods.push_back({start, {}});
        } else {
            commune.periods.push_back({start, name()});
        }
    }
    if ((flags & today_itself) != 0) {
        commune.today = Commune::Today::itself;
    } else if ((flags & today_elsewhere) != 0) {
        commune.today = Commune::Today::elsewhere;
        commune.today_key = varint();
    }
    if ((flags & today_renamed) != 0) {
        commune.renamed_today = name();
    }
    return commune;
}

std::optional<Commune> find_commune(std::uint32_t key) {
    const auto after = std::upper_bound(
        commune_blocks.begin(), commune_blocks.end(), key,
        [](std::uint32_t wanted, const Block& block) { return wanted < block.first_key; });
    if (after == commune_blocks.begin()) {
        return std::nullopt;
    }
    CommuneReader reader(static_cast<std::size_t>(after - commune_blocks.begin() - 1));
    while (!reader.at_end()) {
        Commune commune = reader.next();
        if (commune.key >= key) {
            return commune.key == key ? std::optional(std::move(commune)) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<TodaysCommune> todays_commune(const Commune& commune) {
    switch (commune.today) {
    case Commune::Today::itself:
        return TodaysCommune{commune.key, commune.renamed_today.empty()
                                              ? commune.periods.back().name
                                              : commune.renamed_today};
    case Commune::Today::elsewhere:
        if (const std::optional<Commune> holder = find_commune(commune.today_key);
            holder && holder->today == Commune::Today::itself) {
            return todays_commune(*holder);
        }
        return std::nullopt;
    case Commune::Today::unknown:
        break;
    }
    return std::nullopt;
}

std::span<const DepartmentPeriod> department_history(std::string_view code) {
    const auto first =
        std::lower_bound(department_periods.begin(), department_periods.end(), code,
                         [](const DepartmentPeriod& period, std::string_view wanted) {
                             return period.code < wanted;
                         });
    const auto last = std::upper_bound(first, department_periods.end(), code,
                                       [](std::string_view wanted, const DepartmentPeriod& period) {
                                           return wanted < period.code;
                                       });
    return {first, last};
}

std::optional<std::string_view> country(int number) {
    const auto found =
        std::lower_bound(countries.begin(), countries.end(), number,
                         [](const Country& listed, int wanted) { return listed.number < wanted; });
    if (found == countries.end() || found->number != number) {
        return std::nullopt;
    }
    return found->name;
}

} // namespace vardelis::places
