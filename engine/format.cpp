#include "format.hpp"

#include <array>
#include <cstddef>

#include "letter_case.hpp"
#include "number_words.hpp"

namespace numora {

namespace {

// The currency mark and the hundredths in digits after words (or alone),
// with "ct" or the minor unit's word, in one piece. No mark where the
// currency was written as a word.
class Tail {
public:
    Tail(std::string_view mark, bool after_words, int cents, std::string_view minor) {
        if (after_words) add(mark);
        if (cents <= 0) return;
        if (after_words) text_[size_++] = ' ';
        if (cents >= 10) text_[size_++] = static_cast<char>('0' + cents / 10);
        text_[size_++] = static_cast<char>('0' + cents % 10);
        add(minor);
    }
    std::string_view view() const { return {text_.data(), size_}; }

private:
    void add(std::string_view piece) {
        for (const char c : piece.substr(0, kRoom - size_)) text_[size_++] = c;
    }

    static constexpr std::size_t kRoom = 32;  // " USD 99 santimai" and longer
    std::array<char, kRoom> text_;
    std::size_t size_ = 0;
};

// The tail of a result: "ct" keeps its letters in capitals, as the marks do;
// a minor unit's word is a word.
void append_tail(std::string& out, std::string_view mark, bool after_words, int cents,
                 const Style& style) {
    const Currency& currency = *style.currency;
    const bool cent = currency.minor_is_cent();
    const std::string_view minor = cent ? kCt : agreeing(currency.minor, cents);
    out += Tail(mark, after_words, cents, minor).view();
    if (style.all_capitals && !cent && cents > 0) make_upper(out, out.size() - minor.size());
}

// The words for a number, "nulis" for none, and the word that agrees with it.
void append_counted(std::string& out, int number, const ScaleWord& word, Gender gender,
                    bool capitals) {
    std::size_t lower_from = out.size();
    if (number == 0) {
        out += kNulis;
    } else {
        append_words(out, number, capitals, gender);
        lower_from = out.size();
    }
    out += agreeing(word, number);
    if (capitals) make_upper(out, lower_from);
}

// The currency as a word, always named; the hundredths in digits or in words.
void append_named(std::string& out, Amount amount, const Style& style) {
    const Currency& currency = *style.currency;
    const std::size_t start = out.size();
    append_counted(out, amount.whole, currency.word, currency.gender, style.all_capitals);
    const bool cents_in_words = style.form == MoneyForm::full && amount.cents > 0;
    if (cents_in_words) {
        out += kSpace;
        append_counted(out, amount.cents, currency.minor, currency.minor_gender,
                       style.all_capitals);
    }
    if (!style.all_capitals && style.first_capital) make_first_upper(out, start);
    if (!cents_in_words) append_tail(out, {}, true, amount.cents, style);
}

constexpr std::array<std::string_view, kMoneyForms> kFormNames{"short", "word", "full"};

}  // namespace

std::optional<MoneyForm> money_form_named(std::string_view name) {
    for (std::size_t i = 0; i < kFormNames.size(); ++i) {
        if (equals_ignoring_case(name, kFormNames[i])) return static_cast<MoneyForm>(i);
    }
    return std::nullopt;
}

std::string_view name_of(MoneyForm form) {
    return kFormNames[static_cast<std::size_t>(form)];
}

// Words have no space at either end, and each piece after them brings its
// own: the result is trimmed as it is written. versk's words are in small
// letters already, and come in capitals when asked.
void rodyk(std::string& out, Amount amount, const Style& style) {
    if (style.money && style.form != MoneyForm::mark) {
        append_named(out, amount, style);
        return;
    }
    const int cents = style.money ? amount.cents : 0;
    const std::size_t start = out.size();
    const bool named = style.money && !style.currency->hundredths_alone();
    if (amount.whole == 0 && (cents == 0 || named)) {
        out += kNulis;
        if (style.all_capitals) make_upper(out, start);
    } else {
        const Gender gender = style.money ? style.currency->gender : Gender::masculine;
        append_words(out, amount.whole, style.all_capitals, gender);
    }
    if (!style.all_capitals && style.first_capital) make_first_upper(out, start);
    if (style.money) append_tail(out, style.currency->mark, out.size() > start, cents, style);
}

}  // namespace numora
