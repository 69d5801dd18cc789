#include "parse.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace numora {
namespace {

// Tab, space, no-break space, narrow no-break space.
inline constexpr std::array<std::string_view, 4> kBlanks{"\t", " ", "\u00A0", "\u202F"};
// Spaces that group digits in threes whatever the locale says.
inline constexpr std::array<std::string_view, 3> kGroupSpaces{" ", "\u00A0", "\u202F"};

// Marks in small letters, the longer of two with the same start first.
struct Mark {
    std::string_view word;
    Currency currency;
};
inline constexpr std::array<Mark, 4> kMarks{{
    {"€", kEuro},
    {"eur", kEuro},
    {"ltl", kLitas},
    {"lt", kLitas},
}};

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

template <std::size_t N>
std::size_t prefix_in(std::string_view text, const std::array<std::string_view, N>& set) {
    for (const auto s : set) {
        if (text.starts_with(s)) return s.size();
    }
    return 0;
}

template <std::size_t N>
std::size_t suffix_in(std::string_view text, const std::array<std::string_view, N>& set) {
    for (const auto s : set) {
        if (text.ends_with(s)) return s.size();
    }
    return 0;
}

std::string_view trim_blanks(std::string_view text) {
    while (const auto n = prefix_in(text, kBlanks)) text.remove_prefix(n);
    while (const auto n = suffix_in(text, kBlanks)) text.remove_suffix(n);
    return text;
}

bool equals_ignoring_case(std::string_view text, std::string_view small_word) {
    if (text.size() != small_word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != small_word[i]) return false;
    }
    return true;
}

// Takes a currency mark, and the blanks beside it, off the front or the end.
std::optional<Currency> take_mark(std::string_view& text, bool at_end) {
    // Most texts have none: a digit at that end settles it at once.
    if (text.empty() || is_digit(at_end ? text.back() : text.front())) return std::nullopt;
    for (const auto& [word, currency] : kMarks) {
        if (text.size() < word.size()) continue;
        const std::size_t at = at_end ? text.size() - word.size() : 0;
        if (!equals_ignoring_case(text.substr(at, word.size()), word)) continue;
        text = trim_blanks(at_end ? text.substr(0, at) : text.substr(word.size()));
        return currency;
    }
    return std::nullopt;
}

std::size_t count_digits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && is_digit(text[n])) ++n;
    return n;
}

class Scanner {
public:
    Scanner(std::string_view text, const Separators& separators)
        : rest_(text), separators_(separators) {
        if (separators_.decimal.empty()) separators_.decimal = ".";
        // A grouping separator equal to the decimal one could not be told apart.
        if (separators_.grouping == separators_.decimal) separators_.grouping = {};
    }

    bool scan() {
        if (!rest_.empty() && (rest_.front() == '+' || rest_.front() == '-')) {
            negative_ = rest_.front() == '-';
            rest_.remove_prefix(1);
        }
        if (!scan_whole_part()) return false;
        whole_digits_ = digits_.size();
        if (rest_.starts_with(separators_.decimal)) {
            rest_.remove_prefix(separators_.decimal.size());
            const auto n = count_digits(rest_);
            if (n > 0) {
                if (digits_.empty()) digits_ += '0';
                digits_ += '.';
                digits_.append(rest_.substr(0, n));
            }
            rest_.remove_prefix(n);
        }
        return rest_.empty() && !digits_.empty();
    }

    bool negative() const { return negative_; }
    bool whole_is_zero() const {
        return std::string_view(digits_).substr(0, whole_digits_).find_first_not_of('0') ==
               std::string_view::npos;
    }

    // Plain digits, a point and plain digits, as std::from_chars reads them.
    std::string_view normalised() const { return digits_; }

private:
    std::size_t group_separator() const {
        if (const auto n = prefix_in(rest_, kGroupSpaces)) return n;
        const auto& grouping = separators_.grouping;
        return !grouping.empty() && rest_.starts_with(grouping) ? grouping.size() : 0;
    }

    // Digits, either plain or a run of one to three followed by groups of
    // exactly three, each after one separator.
    bool scan_whole_part() {
        auto n = count_digits(rest_);
        digits_.assign(rest_.substr(0, n));
        rest_.remove_prefix(n);
        bool grouped = false;
        while (const auto sep = group_separator()) {
            if (digits_.empty() || (!grouped && digits_.size() > 3)) return false;
            const auto group = rest_.substr(sep);
            n = count_digits(group);
            if (n != 3) return false;
            digits_.append(group.substr(0, 3));
            rest_ = group.substr(3);
            grouped = true;
        }
        return true;
    }

    std::string_view rest_;
    Separators separators_;
    bool negative_ = false;
    std::string digits_;  // the whole part's digits, then a point and the fraction's
    std::size_t whole_digits_ = 0;
};

}  // namespace

std::optional<PlainAmount> plain_amount(std::string_view text, std::string_view decimal) {
    if (decimal.empty()) decimal = ".";
    PlainAmount amount;
    std::size_t i = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        if (i == 9) return std::nullopt;  // ten digits: the parser has the last word
        amount.whole = amount.whole * 10 + (text[i] - '0');
    }
    if (i == 0) return std::nullopt;
    std::string_view rest = text.substr(i);
    if (rest.empty()) return amount;
    if (!rest.starts_with(decimal)) return std::nullopt;
    rest.remove_prefix(decimal.size());
    if (rest.size() > 2) return std::nullopt;
    for (std::size_t k = 0; k < 2; ++k) {
        const char digit = k < rest.size() ? rest[k] : '0';
        if (!is_digit(digit)) return std::nullopt;
        amount.cents = amount.cents * 10 + (digit - '0');
    }
    return amount;
}

bool usable_decimal_separator(std::string_view separator) {
    if (separator.empty()) return false;
    for (std::size_t i = 0; i < separator.size(); ++i) {
        const auto rest = separator.substr(i);
        const char c = rest.front();
        if (is_digit(c) || c == '+' || c == '-' || prefix_in(rest, kBlanks) > 0) return false;
    }
    return true;
}

Parsed parse_number(std::string_view text, const Separators& separators) {
    std::string_view number = trim_blanks(text);
    auto currency = take_mark(number, false);
    if (!currency) currency = take_mark(number, true);
    Scanner scanner(number, separators);
    if (!scanner.scan()) return {};
    const std::string_view digits = scanner.normalised();
    Parsed parsed{ParseStatus::number, 0.0, scanner.negative(), currency};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                              parsed.value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        if (!scanner.whole_is_zero()) {
            parsed.status = ParseStatus::too_large;
            return parsed;
        }
        // Below the smallest double: keep it non-zero so its floor stays right.
        parsed.value = std::numeric_limits<double>::denorm_min();
    } else if (error != std::errc{} || end != digits.data() + digits.size()) {
        return {};
    }
    if (parsed.negative) parsed.value = -parsed.value;
    return parsed;
}

}  // namespace numora
