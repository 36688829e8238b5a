#include "logic/places/places.h"

#include <algorithm>
#include <numeric>

namespace vardelis::places {
namespace {

// The flags byte of a code: how many periods follow, and what the code is today.
constexpr std::uint8_t period_count_bits = 0x0F;
constexpr std::uint8_t today_itself = 0x10;
constexpr std::uint8_t today_elsewhere = 0x20;
constexpr std::uint8_t today_renamed = 0x40;
constexpr std::uint8_t known_flags =
    period_count_bits | today_itself | today_elsewhere | today_renamed;
// In place of a name: the code named no commune in that period.
constexpr std::uint8_t no_commune = 255;
// A varint of 32 bits takes at most five bytes.
constexpr int longest_varint = 5;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// A department code as a number below 1000: "01" is 1, "2A" 100, "2B" 101, "971" 971 (three
// digits only overseas, 97x and 98x); nothing for any other text.
std::optional<std::size_t> department_number(std::string_view code) {
    if (code == "2A" || code == "2B") {
        return code[1] == 'A' ? 100 : 101;
    }
    const bool overseas = code.size() == 3 && (code.starts_with("97") || code.starts_with("98"));
    if ((code.size() != 2 && !overseas) || !std::all_of(code.begin(), code.end(), is_digit)) {
        return std::nullopt;
    }
    return std::accumulate(code.begin(), code.end(), std::size_t{0},
                           [](std::size_t number, char digit) {
                               return number * 10 + static_cast<std::size_t>(digit - '0');
                           });
}

// The rows of a table sorted by a key whose key is the one wanted.
template <typename Row, typename Key>
std::span<const Row> rows_of(std::span<const Row> rows, Key wanted, Key Row::*key) {
    const auto first =
        std::lower_bound(rows.begin(), rows.end(), wanted,
                         [key](const Row& row, const Key& value) { return row.*key < value; });
    const auto last =
        std::upper_bound(first, rows.end(), wanted,
                         [key](const Key& value, const Row& row) { return value < row.*key; });
    return {first, last};
}

} // namespace

std::optional<std::uint32_t> commune_key(std::string_view code) {
    if (code.size() != 5 || !std::all_of(code.begin() + 2, code.end(), is_digit)) {
        return std::nullopt;
    }
    std::uint32_t department = 0;
    if (code.substr(0, 2) == "2A") {
        department = 100;
    } else if (code.substr(0, 2) == "2B") {
        department = 101;
    } else if (is_digit(code[0]) && is_digit(code[1])) {
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
    : CommuneReader(commune_stream, commune_blocks, block) {}

CommuneReader::CommuneReader(std::span<const std::uint8_t> stream, std::span<const Block> blocks,
                             std::size_t block)
    : stream_(stream)
    , blocks_(blocks)
    , offset_(block < blocks.size() ? blocks[block].offset : stream.size())
    , next_block_(block) {
    corrupt_ = offset_ > stream_.size();
}

std::uint8_t CommuneReader::byte() {
    if (offset_ >= stream_.size()) {
        corrupt_ = true;
        return 0;
    }
    return stream_[offset_++];
}

std::uint32_t CommuneReader::varint() {
    std::uint64_t value = 0;
    for (int length = 0; length < longest_varint; ++length) {
        const std::uint8_t seven_bits = byte();
        value |= static_cast<std::uint64_t>(seven_bits & 0x7F) << (7 * length);
        if ((seven_bits & 0x80) == 0) {
            corrupt_ = corrupt_ || value > UINT32_MAX;
            return static_cast<std::uint32_t>(value);
        }
    }
    corrupt_ = true;
    return 0;
}

// A name shares its first bytes with the name before it in the block. It stays where it was
// read until the next name is.
std::string_view CommuneReader::name() {
    const std::size_t shared = byte();
    const std::size_t added = varint();
    if (corrupt_ || shared > previous_length_ || added > stream_.size() - offset_ ||
        shared + added > previous_name_.size()) {
        corrupt_ = true;
        return {};
    }
    std::copy_n(stream_.data() + offset_, added, previous_name_.begin() + shared);
    offset_ += added;
    previous_length_ = shared + added;
    return {previous_name_.data(), previous_length_};
}

bool CommuneReader::start_code() {
    // Each block starts afresh: its first key is given, and its first name shares nothing.
    if (next_block_ < blocks_.size() && offset_ == blocks_[next_block_].offset) {
        key_ = blocks_[next_block_].first_key;
        previous_length_ = 0;
        ++next_block_;
    }
    const std::uint32_t step = varint();
    corrupt_ = corrupt_ || step > UINT32_MAX - key_;
    key_ += step;
    return !corrupt_;
}

// The rest of a code, after its key: its periods, names and what it is today, kept in the
// commune given, or passed over without one.
void CommuneReader::read_rest(Commune* commune) {
    const std::uint8_t flags = byte();
    corrupt_ = corrupt_ || (flags & ~known_flags) != 0 ||
               ((flags & today_itself) != 0 && (flags & today_elsewhere) != 0);
    std::int32_t first_day = 0;
    for (int period = 0; period < (flags & period_count_bits) && !corrupt_; ++period) {
        const std::uint32_t days = varint();
        if (corrupt_ || days > static_cast<std::uint32_t>(no_end - first_day)) {
            corrupt_ = true;
            break;
        }
        first_day += static_cast<std::int32_t>(days);
        // A first period from the start of the lists has no known start.
        const std::int32_t start = period == 0 && first_day == 0 ? no_start : first_day;
        std::string_view named;
        if (offset_ < stream_.size() && stream_[offset_] == no_commune) {
            ++offset_;
        } else {
            named = name();
        }
        if (commune != nullptr) {
            commune->periods.push_back({start, std::string(named)});
        }
    }
    std::uint32_t today_key = 0;
    if ((flags & today_elsewhere) != 0) {
        today_key = varint();
    }
    const std::string_view renamed = (flags & today_renamed) != 0 ? name() : std::string_view();
    if (commune != nullptr) {
        commune->key = key_;
        commune->today = (flags & today_itself) != 0      ? Commune::Today::itself
                         : (flags & today_elsewhere) != 0 ? Commune::Today::elsewhere
                                                          : Commune::Today::unknown;
        commune->today_key = today_key;
        commune->renamed_today = renamed;
    }
}

std::optional<Commune> CommuneReader::next() {
    if (at_end() || !start_code()) {
        return std::nullopt;
    }
    Commune commune;
    read_rest(&commune);
    return corrupt_ ? std::nullopt : std::optional(std::move(commune));
}

std::optional<Commune> CommuneReader::find(std::uint32_t key) {
    while (!at_end() && start_code()) {
        if (key_ > key) {
            return std::nullopt;
        }
        if (key_ == key) {
            Commune commune;
            read_rest(&commune);
            return corrupt_ ? std::nullopt : std::optional(std::move(commune));
        }
        read_rest(nullptr);
    }
    return std::nullopt;
}

std::optional<Commune> find_commune(std::uint32_t key) {
    const auto after = std::upper_bound(
        commune_blocks.begin(), commune_blocks.end(), key,
        [](std::uint32_t wanted, const Block& block) { return wanted < block.first_key; });
    if (after == commune_blocks.begin()) {
        return std::nullopt;
    }
    return CommuneReader(static_cast<std::size_t>(after - commune_blocks.begin() - 1)).find(key);
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
    // Each code's periods, found once in the table sorted by code, then by the code as a number
    // ("01" is 1, "2A" 100, "2B" 101, "971" 971): the reading asks for them often.
    static const std::array<std::span<const DepartmentPeriod>, 1000> by_number = [] {
        std::array<std::span<const DepartmentPeriod>, 1000> spans{};
        for (auto first = department_periods.begin(); first != department_periods.end();) {
            const auto last =
                std::find_if(first, department_periods.end(),
                             [first](const auto& period) { return period.code != first->code; });
            if (const std::optional<std::size_t> number = department_number(first->code)) {
                spans.at(*number) = {first, last};
            }
            first = last;
        }
        return spans;
    }();
    const std::optional<std::size_t> number = department_number(code);
    return number ? by_number.at(*number) : std::span<const DepartmentPeriod>();
}

std::span<const CountryPeriod> country_history(int number) {
    if (number < 0 || number > UINT16_MAX) {
        return {};
    }
    return rows_of(country_periods, static_cast<std::uint16_t>(number), &CountryPeriod::number);
}

std::optional<std::uint32_t> extended_commune(std::uint32_t key) {
    const std::span<const Extension> found =
        rows_of(extension_codes, key, &Extension::extension_key);
    return found.empty() ? std::nullopt : std::optional(found.front().commune_key);
}

std::optional<std::uint32_t> former_code(std::uint32_t key, std::int32_t day) {
    const std::span<const CodeChange> changes = rows_of(code_changes, key, &CodeChange::key);
    const auto after = std::find_if(changes.begin(), changes.end(),
                                    [day](const auto& change) { return change.day > day; });
    return after == changes.end() ? std::nullopt : std::optional(after->former_key);
}

} // namespace vardelis::places
