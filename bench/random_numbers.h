#pragma once

#include "logic/logic.h"

#include <random>
#include <string>
#include <vector>

namespace vardelis::bench {

// 1,024 numbers of random digits, the same at every run: mostly codes that name nothing.
inline std::vector<KeyInputs> random_numbers() {
    std::mt19937 random(97);
    auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>('0' + random() % 10);
        }
        return text;
    };
    std::vector<KeyInputs> numbers(1024);
    for (auto& number : numbers) {
        number = {digits(1), digits(2), digits(2), digits(2), digits(3), digits(3)};
    }
    return numbers;
}

} // namespace vardelis::bench
