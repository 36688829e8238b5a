// Any bytes typed as a place's name: the name folds to words of lower-case ASCII letters and
// digits, one blank between them, and folds to itself again; at most the proposals asked for
// come back, each with a word that starts with what was typed, folded.

#include "logic/places/place_search.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool is_folded(std::string_view name) {
    if (name.empty()) {
        return true;
    }
    if (name.front() == ' ' || name.back() == ' ' || name.find("  ") != std::string_view::npos) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ';
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vardelis::places::folded_name;
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const std::string folded = folded_name(typed);
    if (!is_folded(folded) || folded_name(folded) != folded) {
        std::abort();
    }
    constexpr std::size_t at_most = 5;
    const auto found = vardelis::places::PlaceIndex::built_in().propose(typed, {}, at_most);
    if (found.size() > at_most || (folded.empty() && !found.empty())) {
        std::abort();
    }
    for (const auto& place : found) {
        const std::string name = folded_name(place.name);
        const std::size_t at = name.find(folded);
        if (at == std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
