// The Windows programs catch no exception: anything libstdc++ throws would end
// in std::terminate and abort. Ending here at once, with one line on standard
// error, gives the same outcome and keeps libstdc++'s exception classes, their
// strings, its unwinder and its demangler (the default terminate handler
// prints a demangled type name) out of the executables. Each program compiles
// this file itself, with its name in NUMORA_PROGRAM.
#include <io.h>

#include <cstddef>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void fail(std::string_view what) {
    constexpr std::string_view kPrefix = NUMORA_PROGRAM ": ";
    // A window program has no standard error: the writes then fail, unseen.
    (void)_write(2, kPrefix.data(), kPrefix.size());
    (void)_write(2, what.data(), static_cast<unsigned>(what.size()));
    (void)_write(2, "\n", 1);
    std::abort();
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    fail("out of memory");
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

// These are libstdc++'s own names, replaced on purpose.
// NOLINTBEGIN(bugprone-reserved-identifier)

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    fail("terminated");
}
}  // namespace __gnu_cxx

// Declared, noreturn, by libstdc++'s own headers (through <string_view>).
namespace std {
void __throw_bad_alloc() {
    fail("out of memory");
}
void __throw_bad_array_new_length() {
    fail("out of memory");
}
void __throw_length_error(const char* what) {
    fail(what);
}
void __throw_logic_error(const char* what) {
    fail(what);
}
void __throw_out_of_range(const char* what) {
    fail(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
    fail(what);
}
void __throw_invalid_argument(const char* what) {
    fail(what);
}
}  // namespace std
// NOLINTEND(bugprone-reserved-identifier)
