#pragma once

#include "logic/logic.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace vardelis::fuzzing {

// Six field texts of any bytes and lengths, the last taking what the other five leave.
inline KeyInputs fuzzed_parts(FuzzedDataProvider& provider) {
    KeyInputs parts;
    parts.sex = provider.ConsumeRandomLengthString();
    parts.year = provider.ConsumeRandomLengthString();
    parts.month = provider.ConsumeRandomLengthString();
    parts.department = provider.ConsumeRandomLengthString();
    parts.commune = provider.ConsumeRandomLengthString();
    parts.rank = provider.ConsumeRemainingBytesAsString();
    return parts;
}

} // namespace vardelis::fuzzing
