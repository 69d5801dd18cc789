#include "format.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {

int hundredths(double value) {
    if (!std::isfinite(value)) return 0;
    const double f = (value - std::floor(value)) * 100.0;
    // Halves go to the even neighbour whatever the FPU's rounding mode is.
    double cents = std::floor(f);
    const double rest = f - cents;
    if (rest > 0.5 || (rest == 0.5 && static_cast<int>(cents) % 2 != 0)) cents += 1.0;
    return static_cast<int>(cents) % 100;
}

namespace {

// The currency mark and the hundredths after words (or alone), in one piece.
class Tail {
public:
    Tail(bool after_words, int cents, const Style& style) {
        if (!style.money) return;
        if (after_words) add(style.currency.mark);
        if (cents <= 0) return;
        if (after_words) text_[size_++] = ' ';
        if (cents >= 10) text_[size_++] = static_cast<char>('0' + cents / 10);
        text_[size_++] = static_cast<char>('0' + cents % 10);
        add(kCt);
    }
    std::string_view view() const { return {text_.data(), size_}; }

private:
    void add(std::string_view piece) {
        for (const char c : piece.substr(0, kRoom - size_)) text_[size_++] = c;
    }

    static constexpr std::size_t kRoom = 24;  // " Eur 99 ct" and longer marks
    std::array<char, kRoom> text_;
    std::size_t size_ = 0;
};

}  // namespace

// Words have no space at either end, and each piece after them brings its
// own: the result is trimmed as it is written. versk's words are in small
// letters already, and come in capitals when asked.
void append_amount(std::string& out, double whole, int cents, const Style& style) {
    const std::size_t start = out.size();
    append_words(out, whole, style.all_capitals);
    if (!style.all_capitals && style.first_capital) make_first_upper(out, start);
    out += Tail(out.size() > start, cents, style).view();
}

std::string format_amount(double whole, double typed_value, const Style& style) {
    std::string text;
    append_amount(text, whole, hundredths(typed_value), style);
    return text;
}

std::string rodyk(double whole, const Style& style, std::string_view typed,
                  const Separators& separators) {
    const Parsed parsed = parse_number(typed, separators);
    return format_amount(whole, parsed.status == ParseStatus::number ? parsed.value : whole,
                         with_typed_currency(style, parsed));
}

}  // namespace numora
