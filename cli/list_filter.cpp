#include "cli/list_filter.h"

#include "cli/utf8_input.h"
#include "logic/line_check.h"
#include "logic/reading/reading_in_french.h"
#include "logic/text/csv.h"
#include "logic/text/encoding.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <span>
#include <thread>
#include <vector>

namespace vardelis {
namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
// Lines are read and checked in batches of this many lines or bytes at most, a part of each
// batch for each processor, and written in their order.
constexpr std::size_t batch_lines = 8192;
constexpr std::size_t batch_bytes = std::size_t{4} << 20;

bool is_blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool has_letter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               static_cast<unsigned char>(c) >= 0x80;
    });
}

// What the number says, on one line.
std::string one_line(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, " / ");
    }
    return text;
}

} // namespace

// A line as read, its line end apart: "\n", "\r\n", or none for a last line without one.
struct ListFilter::Line {
    std::string text;
    std::string_view end;
};

ListFilter::Line ListFilter::line_read(std::string read, bool ended) {
    std::string_view end = ended ? "\n" : "";
    if (read.ends_with('\r')) {
        read.pop_back();
        end = ended ? "\r\n" : "\r";
    }
    return {std::move(read), end};
}

ListFilter::ListFilter(std::ostream& out, std::chrono::year_month today)
    : out_(out)
    , today_(today)
    , workers_(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8)) {}

bool ListFilter::take(std::istream& in) {
    Utf8Input utf8(*in.rdbuf());
    std::istream read(&utf8);
    return take_utf8(read) && !in.bad();
}

bool ListFilter::take_utf8(std::istream& in) {
    std::string read;
    if (!std::getline(in, read)) {
        return !in.bad();
    }
    Line first = line_read(std::move(read), !in.eof());
    std::string_view content = first.text;
    if (content.starts_with(byte_order_mark)) {
        content.remove_prefix(byte_order_mark.size());
    }
    const std::string utf8 = as_utf8(content);
    const char separator = separator_of(utf8);
    std::string written;
    every_number_right_ = filter(first, separator, true, written) && every_number_right_;
    out_ << written;

    // One batch is checked while the next is read, and written while the next is checked.
    std::vector<Line> batch = read_batch(in);
    Checked checked = check_batch(batch, separator);
    while (!batch.empty()) {
        std::vector<Line> next = read_batch(in);
        checked.threads.clear();
        Checked next_checked = check_batch(next, separator);
        write(checked);
        batch = std::move(next);
        checked = std::move(next_checked);
    }
    return !in.bad();
}

std::vector<ListFilter::Line> ListFilter::read_batch(std::istream& in) {
    std::vector<Line> batch;
    std::string read;
    for (std::size_t bytes = 0;
         batch.size() < batch_lines && bytes < batch_bytes && std::getline(in, read);) {
        bytes += read.size();
        batch.push_back(line_read(std::move(read), !in.eof()));
    }
    return batch;
}

// Each part of the batch is checked by a thread of its own, which runs until it is written.
ListFilter::Checked ListFilter::check_batch(const std::vector<Line>& batch, char separator) {
    const std::size_t parts = std::min(workers_, std::max<std::size_t>(batch.size() / 64, 1));
    Checked checked{std::vector<std::string>(parts), std::vector<char>(parts, 1), {}};
    for (std::size_t part = 0; part < parts; ++part) {
        // The lines themselves, which stay where they are when their batch is moved.
        const std::span<const Line> lines(batch);
        checked.threads.emplace_back([this, lines, separator, parts, part,
                                      &written = checked.written[part],
                                      &right = checked.right[part]] {
            const std::size_t first = lines.size() * part / parts;
            const std::size_t end = lines.size() * (part + 1) / parts;
            for (std::size_t i = first; i < end; ++i) {
                right =
                    static_cast<char>(filter(lines[i], separator, false, written) && right != 0);
            }
        });
    }
    return checked;
}

void ListFilter::write(const Checked& checked) {
    for (std::size_t part = 0; part < checked.written.size(); ++part) {
        out_ << checked.written[part];
        every_number_right_ = every_number_right_ && checked.right[part] != 0;
    }
}

bool ListFilter::filter(const Line& line, char separator, bool first, std::string& written) const {
    std::string converted;
    const std::string_view utf8 =
        is_utf8(line.text) ? std::string_view(line.text) : (converted = as_utf8(line.text));
    std::string_view content = utf8;
    if (first && content.starts_with(byte_order_mark)) {
        content.remove_prefix(byte_order_mark.size());
    }
    const LineCheck check = check_line(content, today_);
    const bool header = first && !check.found && has_letter(content);
    const std::string_view verdict = header ? "Verdict" : verdict_in_french(check.verdict);
    const std::string_view key = header ? "Bonne clé" : std::string_view(check.right_key);
    const std::string reading = header          ? "Ce que dit le numéro"
                                : check.reading ? one_line(in_french(*check.reading))
                                                : std::string();
    written += utf8;
    for (const std::string_view field : {verdict, key, std::string_view(reading)}) {
        written += separator;
        append_csv_field(written, field, separator);
    }
    written += line.end;
    return header || is_blank(content) || check.verdict == Verdict::right ||
           check.verdict == Verdict::no_key;
}

} // namespace vardelis
