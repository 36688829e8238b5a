// The command line on Windows. The arguments come from the wide command line, so that any file
// name reaches the program. The standard streams are taken in binary mode, so that each line
// keeps its own line end; one that is a console window is written in UTF-16 with WriteConsoleW,
// so that accents show whatever the console's code page. vardelis.exe, a program of the window
// subsystem, has no console of its own: it takes its caller's for the streams its caller did not
// give it a file or a pipe for.

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/today.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <streambuf>
#include <string>
#include <tuple>
#include <vector>
#include <windows.h>

namespace vardelis::console {
namespace {

std::string utf8_of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

bool is_console(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

bool is_given(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A console window, written in UTF-16. What comes in is UTF-8, perhaps cut in the middle of a
// character, which waits for its next bytes.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console)
        : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) {
            pending_ += static_cast<char>(c);
        }
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        // The complete characters, the bytes of one begun left for later.
        std::size_t complete = pending_.size();
        for (std::size_t back = 1; back <= std::min<std::size_t>(3, pending_.size()); ++back) {
            const auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
            if ((byte & 0xC0) == 0xC0) {
                const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
                complete = length > back ? pending_.size() - back : complete;
                break;
            }
            if ((byte & 0x80) == 0) {
                break;
            }
        }
        const int size = MultiByteToWideChar(CP_UTF8, 0, pending_.data(),
                                             static_cast<int>(complete), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), wide.data(),
                            size);
        DWORD written = 0;
        const bool ok = WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()),
                                      &written, nullptr) != 0;
        pending_.erase(0, complete);
        return ok ? 0 : -1;
    }

private:
    HANDLE console_;
    std::string pending_;
};

} // namespace

std::vector<std::string> arguments(int /*argc*/, char** /*argv*/) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int i = 1; i < count; ++i) {
        utf8.push_back(utf8_of(wide[i]));
    }
    LocalFree(wide);
    return utf8;
}

int run_on_the_standard_streams(const std::vector<std::string>& arguments) {
    const bool streams_given = is_given(STD_OUTPUT_HANDLE) && is_given(STD_ERROR_HANDLE);
    if (!streams_given && AttachConsole(ATTACH_PARENT_PROCESS)) {
        for (const auto& [which, stream, name, mode] :
             {std::tuple{STD_INPUT_HANDLE, stdin, "CONIN$", "r"},
              std::tuple{STD_OUTPUT_HANDLE, stdout, "CONOUT$", "w"},
              std::tuple{STD_ERROR_HANDLE, stderr, "CONOUT$", "w"}}) {
            if (!is_given(which)) {
                std::freopen(name, mode, stream);
            }
        }
    }
    std::ios::sync_with_stdio(false);
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    ConsoleBuffer console_out(GetStdHandle(STD_OUTPUT_HANDLE));
    ConsoleBuffer console_err(GetStdHandle(STD_ERROR_HANDLE));
    std::ostream out(is_console(GetStdHandle(STD_OUTPUT_HANDLE)) ? &console_out
                                                                 : std::cout.rdbuf());
    std::ostream err(is_console(GetStdHandle(STD_ERROR_HANDLE)) ? &console_err : std::cerr.rdbuf());
    const int status = run_command_line(arguments, std::cin, out, err, this_month());
    out.flush();
    err.flush();
    return status;
}

} // namespace vardelis::console
