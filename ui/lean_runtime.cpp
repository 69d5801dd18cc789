// The window program catches no exception: anything libstdc++ throws would end
// in std::terminate and abort. Ending there at once gives the same outcome and
// keeps libstdc++'s exception classes, their strings and its demangler (the
// default terminate handler prints a demangled type name) out of the exe.
#include <cstdlib>

// These are libstdc++'s own names, replaced on purpose.
// NOLINTBEGIN(bugprone-reserved-identifier)

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}
[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}
[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range(const char*) {
    std::abort();
}
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
[[noreturn]] void __throw_invalid_argument(const char*) {
    std::abort();
}
}  // namespace std
// NOLINTEND(bugprone-reserved-identifier)
