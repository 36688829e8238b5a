// The command line's filter, and through it the line engine (check_line), on any bytes taken for
// a file: it never stops, writes as many lines as it reads, each starting with the line that came
// in where that was UTF-8 already (as is_utf8, tested on its own, tells). Bytes that start with
// UTF-16's byte order mark are a text in UTF-16, whose lines are those of its UTF-8 (as
// Utf16Decoder, tested on its own, makes it).

#include "cli/list_filter.h"
#include "logic/text/encoding.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    std::ostringstream out;
    vardelis::ListFilter filter(out, std::chrono::year{2026} / std::chrono::December);
    if (!filter.take(in)) {
        std::abort();
    }
    std::string input = bytes;
    if (const std::optional<vardelis::ByteOrder> order = vardelis::utf16_byte_order(bytes)) {
        vardelis::Utf16Decoder decoder(*order);
        input.clear();
        decoder.decode(std::string_view(bytes).substr(2), input);
        decoder.finish(input);
    }
    const std::string written = out.str();
    const auto lines_in = std::count(input.begin(), input.end(), '\n');
    if (std::count(written.begin(), written.end(), '\n') != lines_in) {
        std::abort();
    }
    // Each line that came in as UTF-8 (a first line's byte order mark aside) goes out first.
    std::size_t in_at = 0;
    std::size_t out_at = 0;
    while (in_at < input.size()) {
        const std::size_t in_end = std::min(input.find('\n', in_at), input.size());
        const std::size_t out_end = std::min(written.find('\n', out_at), written.size());
        const std::string_view line(input.data() + in_at, in_end - in_at);
        const std::string_view line_out(written.data() + out_at, out_end - out_at);
        if (vardelis::is_utf8(line) &&
            !line_out.starts_with(line.substr(0, line.size() - line.ends_with('\r')))) {
            std::abort();
        }
        in_at = in_end + 1;
        out_at = out_end + 1;
    }
    return 0;
}
