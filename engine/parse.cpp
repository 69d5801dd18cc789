#include "parse.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

#include "letter_case.hpp"

namespace numora {
namespace {

// Tab, space, no-break space, narrow no-break space; and the line ends a
// pasted or piped text brings along.
inline constexpr std::array<std::string_view, 6> kBlanks{"\t", " ", "\u00A0", "\u202F", "\r", "\n"};
// The hyphen-minus, and the minus sign and the en dash of word processors.
inline constexpr std::array<std::string_view, 3> kMinusSigns{"-", "\u2212", "\u2013"};
// Marks that name more than one currency: a text with one is refused, asking
// for the code. The longer of two with the same start first.
inline constexpr std::array<std::string_view, 2> kUnclearMarks{"kr.", "kr"};
// Spaces that group digits in threes whatever the locale says.
inline constexpr std::array<std::string_view, 3> kGroupSpaces{" ", "\u00A0", "\u202F"};

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

}  // namespace

std::string_view trim_blanks(std::string_view text) {
    while (const auto n = prefix_in(text, kBlanks)) text.remove_prefix(n);
    while (const auto n = suffix_in(text, kBlanks)) text.remove_suffix(n);
    return text;
}

namespace {

enum class Sign { none, plus, minus };

// A sign, and the blanks after it: "- 5" is as negative as "-5".
Sign take_sign(std::string_view& text) {
    Sign sign = Sign::none;
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        sign = Sign::plus;
    } else if (const auto n = prefix_in(text, kMinusSigns)) {
        text.remove_prefix(n);
        sign = Sign::minus;
    }
    if (sign != Sign::none) text = trim_blanks(text);
    return sign;
}

// A mark found in a text: the currency it names, none where it names more
// than one.
struct Mark {
    bool found = false;
    const Currency* currency = nullptr;
};

// Calls `visit(word)` for every mark, each currency's other marks before its
// name ("ltl" before "lt"), those naming more than one currency last; stops
// when it returns true.
template <typename Visit>
Mark find_mark(Visit visit) {
    for (const Currency& currency : kCurrencies) {
        for (const std::string_view word : currency.typed) {
            if (!word.empty() && visit(word)) return {true, &currency};
        }
        if (visit(currency.name())) return {true, &currency};
    }
    for (const std::string_view word : kUnclearMarks) {
        if (visit(word)) return {true, nullptr};
    }
    return {};
}

// Takes a currency mark, and the blanks beside it, off the front or the end.
Mark take_mark(std::string_view& text, bool at_end) {
    // Most texts have none: a digit at that end settles it at once.
    if (text.empty() || is_digit(at_end ? text.back() : text.front())) return {};
    return find_mark([&](std::string_view word) {
        if (text.size() < word.size()) return false;
        const std::size_t at = at_end ? text.size() - word.size() : 0;
        // A first byte that differs in more than ASCII's case bit settles
        // most marks at once (a letter's two cases share their lead byte).
        if (((text[at] ^ word[0]) & ~0x20) != 0) return false;
        if (!equals_ignoring_case(text.substr(at, word.size()), word)) return false;
        text = trim_blanks(at_end ? text.substr(0, at) : text.substr(word.size()));
        return true;
    });
}

bool is_group_space(std::string_view mark) {
    return std::find(kGroupSpaces.begin(), kGroupSpaces.end(), mark) != kGroupSpaces.end();
}

// The decimal mark in use: a locale that gives none has the point.
std::string_view decimal_mark(std::string_view decimal) {
    return decimal.empty() ? "." : decimal;
}

std::size_t count_digits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && is_digit(text[n])) ++n;
    return n;
}

// The number's digits as they are read: the whole part as an integer while
// it is within the limit, and the fraction rounded to hundredths. Exact, and
// with no copy of the text.
class Digits {
public:
    void add_whole(std::string_view digits) {
        count_ += digits.size();
        for (const char c : digits) {
            if (too_large_) break;  // a megabyte of digits is only counted
            whole_ = whole_ * 10 + (c - '0');
            too_large_ = whole_ > kLargestWhole;
        }
        nonzero_ = nonzero_ || whole_ != 0;
    }

    void add_fraction(std::string_view digits) {
        for (const char c : digits) {
            const int digit = c - '0';
            nonzero_ |= digit != 0;
            if (fraction_ < 2) {
                hundredths_ = hundredths_ * 10 + digit;
            } else if (fraction_ == 2) {
                thousandth_ = digit;
            } else {
                beyond_ |= digit != 0;
            }
            ++fraction_;
        }
        count_ += digits.size();
    }

    bool empty() const { return count_ == 0; }
    bool nonzero() const { return nonzero_; }
    bool too_large() const { return too_large_; }
    std::int32_t whole() const { return static_cast<std::int32_t>(whole_); }

    // Halves go to the even hundredth; 100 when the fraction rounds up to one.
    int hundredths() const {
        const int h = fraction_ == 1 ? hundredths_ * 10 : hundredths_;
        const bool up = thousandth_ > 5 || (thousandth_ == 5 && (beyond_ || h % 2 != 0));
        return h + (up ? 1 : 0);
    }

private:
    std::int64_t whole_ = 0;
    int hundredths_ = 0;   // the first two fraction digits
    int thousandth_ = 0;   // the third
    bool beyond_ = false;  // any digit after the third not 0
    std::size_t fraction_ = 0;
    std::size_t count_ = 0;
    bool nonzero_ = false;
    bool too_large_ = false;
};

class Scanner {
public:
    // `sign`: one typed before a currency mark ("-€5"); the number then has none.
    Scanner(std::string_view text, const Separators& separators, Sign sign)
        : rest_(text), separators_(separators), sign_(sign) {
        separators_.decimal = decimal_mark(separators_.decimal);
        // A grouping separator equal to the decimal one could not be told apart.
        if (separators_.grouping == separators_.decimal) separators_.grouping = {};
    }

    bool scan() {
        const Sign own = take_sign(rest_);
        if (own != Sign::none && sign_ != Sign::none) return false;
        if (own != Sign::none) sign_ = own;
        if (!scan_whole_part()) return false;
        if (rest_.starts_with(separators_.decimal)) {
            rest_.remove_prefix(separators_.decimal.size());
            const std::size_t n = count_digits(rest_);
            digits_.add_fraction(rest_.substr(0, n));
            rest_.remove_prefix(n);
        }
        return rest_.empty() && !digits_.empty();
    }

    bool negative() const { return sign_ == Sign::minus; }
    const Digits& digits() const { return digits_; }

private:
    // Digits are grouped by spaces or by the locale's mark, never by both:
    // "1 234,567" is a thousand and some in French, not a million in English.
    enum class Grouping { none, spaces, mark };
    struct GroupSeparator {
        std::size_t size = 0;
        Grouping kind = Grouping::none;
    };

    GroupSeparator group_separator() const {
        if (const auto n = prefix_in(rest_, kGroupSpaces)) return {n, Grouping::spaces};
        const auto& grouping = separators_.grouping;
        if (grouping.empty() || !rest_.starts_with(grouping)) return {};
        return {grouping.size(), is_group_space(grouping) ? Grouping::spaces : Grouping::mark};
    }

    void take_whole(std::size_t n) {
        digits_.add_whole(rest_.substr(0, n));
        rest_.remove_prefix(n);
    }

    // Digits, either plain (leading zeros allowed) or a first group of one to
    // three without a leading zero followed by groups of exactly three, each
    // after one separator: "0 005" or "01,000" is no way to write 5 or 1000.
    bool scan_whole_part() {
        const std::size_t first = count_digits(rest_);
        const bool leading_zero = first > 0 && rest_.front() == '0';
        take_whole(first);
        const Grouping kind = group_separator().kind;
        if (kind == Grouping::none) return true;
        if (first == 0 || first > 3 || leading_zero) return false;
        for (GroupSeparator sep; (sep = group_separator()).kind != Grouping::none;) {
            if (sep.kind != kind) return false;
            rest_.remove_prefix(sep.size);
            if (count_digits(rest_) != 3) return false;
            take_whole(3);
        }
        return true;
    }

    std::string_view rest_;
    Separators separators_;
    Sign sign_;
    Digits digits_;
};

Parsed scan_number(std::string_view number, const Separators& separators, Sign sign) {
    Scanner scanner(number, separators, sign);
    if (!scanner.scan()) return {};
    const Digits& digits = scanner.digits();
    Parsed parsed;
    parsed.status = ParseStatus::number;
    parsed.negative = scanner.negative() && digits.nonzero();
    if (digits.too_large()) {
        parsed.status = ParseStatus::too_large;
        return parsed;
    }
    parsed.whole = digits.whole();
    parsed.hundredths = digits.hundredths();
    return parsed;
}

// One or two digits right after position `at`, where a decimal mark stands.
bool cents_follow(std::string_view number, std::size_t at) {
    const std::size_t digits = count_digits(number.substr(at + 1));
    return digits >= 1 && digits <= 2;
}

// Marks to read a number with where the locale's refuse it, when it cannot
// be misread with them: both "." and "," in it, the last of them the decimal
// mark ("1.000,50", "1,000.50"); or the other of "." and "," as the decimal
// mark, with digits grouped by spaces only ("12.50", "1 234.50" where the
// decimal mark is ","). "1.500" may be fifteen hundred.
std::optional<Separators> unmistakable_marks(std::string_view number,
                                             const Separators& separators) {
    const auto point = number.rfind('.');
    const auto comma = number.rfind(',');
    if (point != std::string_view::npos && comma != std::string_view::npos) {
        const bool comma_last = comma > point;
        const std::string_view decimal = comma_last ? "," : ".";
        const auto at = std::max(point, comma);
        if (number.find(decimal) != at || !cents_follow(number, at)) return std::nullopt;
        return Separators{decimal, comma_last ? "." : ","};
    }
    const std::string_view decimal = decimal_mark(separators.decimal);
    const std::string_view other = decimal == "," ? "." : decimal == "." ? "," : "";
    if (other.empty() || other == separators.grouping) return std::nullopt;
    const auto at = number.find(other);
    if (at == std::string_view::npos || number.find(other, at + 1) != std::string_view::npos ||
        !cents_follow(number, at)) {
        return std::nullopt;
    }
    const auto found = [number](std::string_view mark) {
        return !mark.empty() && number.find(mark) != std::string_view::npos;
    };
    if (found(decimal) || (!is_group_space(separators.grouping) && found(separators.grouping))) {
        return std::nullopt;
    }
    return Separators{other, {}};
}

}  // namespace

std::optional<Amount> plain_amount(std::string_view text, std::string_view decimal) {
    decimal = decimal_mark(decimal);
    Amount amount;
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

bool is_currency_mark(std::string_view mark) {
    return currency_called(mark) != nullptr ||
           std::any_of(kUnclearMarks.begin(), kUnclearMarks.end(),
                       [&](std::string_view word) { return equals_ignoring_case(mark, word); });
}

bool usable_decimal_separator(std::string_view separator) {
    if (separator.empty()) return false;
    for (std::size_t i = 0; i < separator.size(); ++i) {
        const auto rest = separator.substr(i);
        const char c = rest.front();
        if (is_digit(c) || c == '+' || prefix_in(rest, kMinusSigns) > 0 ||
            prefix_in(rest, kBlanks) > 0) {
            return false;
        }
    }
    return true;
}

namespace {

// A currency mark at the front, or after a sign there ("-€5", "+€5"); the
// sign, when it came first, is the number's.
Mark take_front_mark(std::string_view& number, Sign& sign) {
    if (const Mark mark = take_mark(number, false); mark.found) return mark;
    std::string_view after = number;
    const Sign typed = take_sign(after);
    if (typed == Sign::none) return {};
    const Mark mark = take_mark(after, false);
    if (mark.found) {
        sign = typed;
        number = after;
    }
    return mark;
}

}  // namespace

Parsed parse_number(std::string_view text, const Separators& separators) {
    std::string_view number = trim_blanks(text);
    Sign sign = Sign::none;
    Mark mark = take_front_mark(number, sign);
    if (!mark.found) mark = take_mark(number, true);
    Parsed parsed = scan_number(number, separators, sign);
    if (parsed.status == ParseStatus::not_a_number && separators.other_decimal) {
        if (const auto marks = unmistakable_marks(number, separators)) {
            parsed = scan_number(number, *marks, sign);
        }
    }
    if (parsed.status != ParseStatus::not_a_number) {
        parsed.currency = mark.currency;
        parsed.unclear_currency = mark.found && mark.currency == nullptr;
    }
    return parsed;
}

}  // namespace numora
