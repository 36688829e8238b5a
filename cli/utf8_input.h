#pragma once

#include "logic/text/encoding.h"

#include <array>
#include <optional>
#include <streambuf>
#include <string>

namespace vardelis {

// An input as the filter reads it: a text in UTF-16, known by its byte order mark, turned into
// UTF-8 as it is read; any other bytes passed on as they are.
class Utf8Input : public std::streambuf {
public:
    explicit Utf8Input(std::streambuf& source)
        : source_(source) {}

protected:
    int_type underflow() override;

private:
    // Reads the first bytes, which tell UTF-16 from the rest.
    void tell_the_encoding();

    std::streambuf& source_;
    bool told_ = false;
    std::optional<Utf16Decoder> decoder_;
    std::array<char, std::size_t{64} << 10> read_{};
    std::string given_;
};

} // namespace vardelis
