// numora-cli at a Windows console: Lithuanian letters both ways, whatever
// the console's code pages, and the end of input where a console user ends it.
#pragma once

#include <windows.h>

#include <cstddef>

namespace numora::win {

bool is_console(HANDLE handle);

// UTF-8 on the console while the program runs; the user's code pages after.
class ConsoleUtf8 {
public:
    ConsoleUtf8();
    ~ConsoleUtf8();
    ConsoleUtf8(const ConsoleUtf8&) = delete;
    ConsoleUtf8& operator=(const ConsoleUtf8&) = delete;

private:
    UINT input_;
    UINT output_;
};

// What the user typed, as UTF-16 (little endian, as Windows keeps it) into
// `data` (at least 2 bytes): the bytes read; 0 at the end of input, which
// Ctrl+Z then Enter means; -1 on an error. A surrogate pair may be split
// between two reads.
long read_console_utf16(HANDLE console, char* data, std::size_t size);

}  // namespace numora::win
