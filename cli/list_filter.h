#pragma once

#include <chrono>
#include <iosfwd>
#include <string>
#include <thread>
#include <vector>

namespace vardelis {

// Writes each line of its inputs, in UTF-8, followed by three columns: the verdict, the number's
// own key and what the number says, in the input's own separator and quoted as CSV quotes. A
// first line without a number that has letters is a header: it gets the three columns' names.
// Nothing is lost or reordered: as many lines out as in, each with its own line end (a last line
// without one stays without), whatever bytes they hold. It streams: a batch of lines at a time
// is held, checked a part on each processor, and written in its order.
class ListFilter {
public:
    ListFilter(std::ostream& out, std::chrono::year_month today);

    // Filters one input to its end; one in UTF-16 is read as UTF-8. False when it could not be
    // read to its end.
    bool take(std::istream& in);
    // Whether every line so far held a right number, with or without its key: blank lines and
    // headers left out.
    [[nodiscard]] bool every_number_right() const { return every_number_right_; }

private:
    struct Line;
    bool take_utf8(std::istream& in);
    // The line from getline, whose line end it took away.
    static Line line_read(std::string read, bool ended);
    // A batch's lines being checked: what each part writes, whether its numbers are right, and
    // the threads that check them, joined when they go.
    struct Checked {
        std::vector<std::string> written;
        std::vector<char> right;
        std::vector<std::jthread> threads;
    };
    static std::vector<Line> read_batch(std::istream& in);
    Checked check_batch(const std::vector<Line>& batch, char separator);
    // Writes a batch whose threads are done.
    void write(const Checked& checked);
    // Writes the line with its columns; whether it holds a right number or needs none.
    bool filter(const Line& line, char separator, bool first, std::string& written) const;

    std::ostream& out_;
    std::chrono::year_month today_;
    std::size_t workers_;
    bool every_number_right_ = true;
};

} // namespace vardelis
