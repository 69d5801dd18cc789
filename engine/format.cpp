#include "format.hpp"

#include <array>
#include <cstddef>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {

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
void rodyk(std::string& out, Amount amount, const Style& style) {
    const int cents = style.money ? amount.cents : 0;
    const std::size_t start = out.size();
    if (amount.whole == 0 && cents == 0) {
        out += kNulis;
        if (style.all_capitals) make_upper(out, start);
    } else {
        append_words(out, amount.whole, style.all_capitals);
    }
    if (!style.all_capitals && style.first_capital) make_first_upper(out, start);
    out += Tail(out.size() > start, cents, style).view();
}

}  // namespace numora
