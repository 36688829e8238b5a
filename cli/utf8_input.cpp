#include "cli/utf8_input.h"

#include <algorithm>

namespace vardelis {
namespace {

constexpr std::size_t byte_order_mark_size = 2;

} // namespace

void Utf8Input::tell_the_encoding() {
    told_ = true;
    const std::streamsize read = source_.sgetn(read_.data(), byte_order_mark_size);
    const std::string_view start(read_.data(),
                                 static_cast<std::size_t>(std::max<std::streamsize>(read, 0)));
    if (const std::optional<ByteOrder> order = utf16_byte_order(start)) {
        decoder_.emplace(*order);
    } else {
        given_.assign(start);
    }
}

Utf8Input::int_type Utf8Input::underflow() {
    if (!told_) {
        tell_the_encoding();
        if (!given_.empty()) {
            setg(given_.data(), given_.data(), given_.data() + given_.size());
            return traits_type::to_int_type(given_.front());
        }
    }
    if (!decoder_) {
        // Bytes that are no UTF-16 are given as they were read.
        const std::streamsize read = source_.sgetn(read_.data(), read_.size());
        if (read <= 0) {
            return traits_type::eof();
        }
        setg(read_.data(), read_.data(), read_.data() + read);
        return traits_type::to_int_type(read_.front());
    }
    // A byte or two of UTF-16 may give no character yet: read on until one comes or the input
    // ends.
    given_.clear();
    while (given_.empty()) {
        const std::streamsize read = source_.sgetn(read_.data(), read_.size());
        if (read <= 0) {
            decoder_->finish(given_);
            break;
        }
        decoder_->decode({read_.data(), static_cast<std::size_t>(read)}, given_);
    }
    if (given_.empty()) {
        return traits_type::eof();
    }
    setg(given_.data(), given_.data(), given_.data() + given_.size());
    return traits_type::to_int_type(given_.front());
}

} // namespace vardelis
