// libFuzzer target over the request and the block of cells: the typed text,
// the separators and the style come from the fuzzer's bytes, and every
// outcome is checked against what a user may rely on, not only for crashes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "block.hpp"
#include "letter_case.hpp"
#include "number_words.hpp"
#include "request.hpp"
#include "words_reader.hpp"

namespace {

using namespace numora;

// Separators as locales have them, and some that no locale should have.
constexpr std::array<Separators, 8> kSeparators{{
    {".", ""},
    {".", ","},
    {",", "\u00A0"},
    {",", "."},
    {",", " "},
    {"", ""},
    {",", ","},
    {"\u066B", "\u066C"},
}};

void require(bool condition, const char* property, std::string_view text) {
    if (condition) return;
    std::fprintf(stderr, "property failed: %s\nresult: \"%.*s\"\n", property,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

bool is_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The minor unit's word at the end of a text, in any letter case, with the
// space before it: " ct" for the cent, else a form of the unit's word.
std::string_view minor_at_end(std::string_view text, const Currency& currency) {
    if (currency.minor_is_cent()) return text.ends_with(kCt) ? kCt : std::string_view();
    const std::string lower = to_lower(text);
    for (const std::string_view word :
         {currency.minor.singular, currency.minor.plural, currency.minor.plural_genitive}) {
        if (std::string_view(lower).ends_with(word)) return word;
    }
    return {};
}

// Takes " <1..99> <unit>" off the end, giving the hundredths, or 0 when
// absent; the unit "ct" or the minor unit's word that agrees with them.
int take_cents(std::string_view& text, const Currency& currency) {
    std::string_view unit = minor_at_end(text, currency);
    // Under one unit the short way starts with the digits.
    if (unit.empty() || text.size() == unit.size()) return 0;
    text.remove_suffix(unit.size());
    const auto space = text.rfind(' ');
    const std::string_view digits = space == std::string_view::npos ? text : text.substr(space + 1);
    require(is_digits(digits) && digits.front() != '0' && digits.size() <= 2,
            "hundredths are 1 to 99 in digits", text);
    const int cents = std::atoi(std::string(digits).c_str());
    require(currency.minor_is_cent() || unit == agreeing(currency.minor, cents),
            "the minor unit's word agrees with the hundredths", text);
    text.remove_suffix(digits.size());
    if (!text.empty()) {
        require(text.back() == ' ', "one space before the hundredths", text);
        text.remove_suffix(1);
    }
    return cents;
}

// The currency's words keep their proper nouns' capitals ("JAV") in every case.
void check_case(const std::string& words, const Style& style, const Currency* currency = nullptr) {
    if (words.empty()) return;
    std::string expected = to_lower(words);
    if (style.all_capitals) {
        expected = to_upper(words);
    } else if (style.first_capital) {
        expected = capitalize_first(words);
    }
    for (const ScaleWord* word : {currency != nullptr ? &currency->word : nullptr,
                                  currency != nullptr ? &currency->minor : nullptr}) {
        for (const std::string_view form :
             word != nullptr && !style.all_capitals
                 ? std::array<std::string_view, 3>{word->singular, word->plural,
                                                   word->plural_genitive}
                 : std::array<std::string_view, 3>{}) {
            const std::string lower = to_lower(form);
            const auto at = expected.find(lower);
            if (form.empty() || at == std::string::npos) continue;
            expected.replace(at, lower.size(), form);
        }
    }
    require(words == expected, "the letter case asked for", words);
}

// Spaces are one kind, and each other mark between two digits its own.
std::size_t kinds_of_grouping(std::string_view whole_part) {
    std::set<std::string_view> kinds;
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t at =
        std::find_if(whole_part.begin(), whole_part.end(), is_digit) - whole_part.begin();
    while (at < whole_part.size()) {
        while (at < whole_part.size() && is_digit(whole_part[at])) ++at;
        const std::size_t next = std::find_if(whole_part.begin() + static_cast<std::ptrdiff_t>(at),
                                              whole_part.end(), is_digit) -
                                 whole_part.begin();
        if (next == whole_part.size()) break;
        const std::string_view mark = whole_part.substr(at, next - at);
        kinds.insert(mark == " " || mark == "\u00A0" || mark == "\u202F" ? " " : mark);
        at = next;
    }
    return kinds.size();
}

// The typed number worked out apart from the parser, by exact decimal
// arithmetic: every digit in an accepted text is one of the number's, and
// those after the decimal separator are its fraction.
struct Exact {
    bool negative = false;
    bool within = false;          // the truncated hundredths fit 13 digits
    long long truncated = 0;      // all digits as hundredths, the rest dropped
    long long rounded = 0;        // the same, halves to the even hundredth
    std::size_t group_kinds = 0;  // kinds of mark between the whole part's digits

    Exact(std::string_view typed, const Separators& separators) {
        const std::string_view decimal = separators.decimal.empty() ? "." : separators.decimal;
        auto point = typed.find(decimal);
        // The other of "." and "," stands for the locale's mark only in a
        // text that the locale's marks alone refuse; with both in it, the
        // last of them.
        Separators locale_only = separators;
        locale_only.other_decimal = false;
        if (separators.other_decimal &&
            parse_number(typed, locale_only).status == ParseStatus::not_a_number) {
            const auto last_point = typed.rfind('.');
            const auto last_comma = typed.rfind(',');
            point = last_point != std::string_view::npos && last_comma != std::string_view::npos
                        ? std::max(last_point, last_comma)
                        : typed.find(decimal == "." ? "," : ".");
        }
        group_kinds = kinds_of_grouping(typed.substr(0, point));
        std::string digits;
        std::size_t fraction = 0;
        for (std::size_t i = 0; i < typed.size(); ++i) {
            if (typed[i] < '0' || typed[i] > '9') continue;
            digits += typed[i];
            if (point != std::string_view::npos && i > point) ++fraction;
        }
        const bool minus = typed.find('-') != std::string_view::npos ||
                           typed.find("\u2212") != std::string_view::npos ||
                           typed.find("\u2013") != std::string_view::npos;
        negative = minus && digits.find_first_not_of('0') != std::string::npos;
        for (; fraction < 3; ++fraction) digits += '0';
        const std::size_t past = digits.size() - (fraction - 2);  // where hundredths end
        const std::string_view head = std::string_view(digits).substr(0, past);
        const std::string_view tail = std::string_view(digits).substr(past);
        const auto significant = head.find_first_not_of('0');
        within = significant == std::string_view::npos || head.size() - significant <= 13;
        if (!within) return;
        for (const char c : head) truncated = truncated * 10 + (c - '0');
        const bool beyond = tail.find_first_not_of('0', 1) != std::string_view::npos;
        const bool up = tail[0] > '5' || (tail[0] == '5' && (beyond || truncated % 2 != 0));
        rounded = truncated + (up ? 1 : 0);
    }
};

void check_accepted(std::string_view typed, const Separators& separators, const Style& style,
                    const std::string& result, const Exact& exact) {
    require(trim_spaces(result).size() == result.size(), "trimmed", result);
    require(result.find("  ") == std::string::npos, "no double space", result);
    const Parsed parsed = parse_number(typed, separators);
    require(parsed.status == ParseStatus::number, "accepted texts are numbers", result);
    require(!exact.negative && exact.within, "accepted values are not negative", result);
    require(exact.group_kinds <= 1, "digits grouped by one kind of mark", result);
    const long long whole = (style.money ? exact.rounded : exact.truncated) / 100;
    require(whole <= kLargestWhole, "accepted values are in range", result);

    std::string_view rest = result;
    int cents = 0;
    bool named = false;  // under one unit, the currency is named after "nulis"
    if (style.money) {
        const Currency& currency = *with_typed_currency(style, parsed).currency;
        cents = take_cents(rest, currency);
        require(cents == exact.rounded % 100, "the hundredths of the typed digits", result);
        const std::string_view mark = currency.mark;
        const bool has_mark = rest.ends_with(mark);
        named = !currency.hundredths_alone();
        require(has_mark == (whole >= 1 || cents == 0 || named),
                "the currency after words, and only then", result);
        if (has_mark) rest.remove_suffix(mark.size());
    }
    const std::string words(rest);
    check_case(words, style);
    // The words read back to the whole value: only table words, in order.
    if (whole == 0) {
        require(to_lower(words) == (cents == 0 || named ? "nulis" : ""),
                "zero is nulis, unless the litas' or euro's hundredths follow", result);
    } else {
        const auto value = testing::read_words(to_lower(words));
        require(value.has_value() && *value == whole, "the words read back to the whole value",
                result);
    }
}

// The other ways of writing money write the same words for the whole part
// ("nulis" where the short way writes none), then the currency word that
// agrees with it, and the hundredths in digits or as words that read back to
// them with the cent word that agrees.
void check_money_forms(std::string_view typed, const Separators& separators, const Style& style,
                       std::string_view shortened, const Exact& exact) {
    const auto whole = static_cast<int>(exact.rounded / 100);
    const auto cents = static_cast<int>(exact.rounded % 100);
    const Currency& currency =
        *with_typed_currency(style, parse_number(typed, separators)).currency;
    take_cents(shortened, currency);
    if (shortened.ends_with(currency.mark)) shortened.remove_suffix(currency.mark.size());
    const std::string whole_words = shortened.empty() ? std::string(kNulis) : to_lower(shortened);
    const std::string named = whole_words + to_lower(agreeing(currency.word, whole));
    for (const MoneyForm form : {MoneyForm::word, MoneyForm::full}) {
        Style named_style = style;
        named_style.form = form;
        const Outcome outcome = request(typed, separators, named_style);
        require(outcome.accepted(), "every way accepts the same texts", outcome.text);
        std::string_view rest = outcome.text;
        if (form == MoneyForm::word) {
            require(take_cents(rest, currency) == cents, "the hundredths in digits", outcome.text);
        }
        check_case(std::string(rest), named_style, &currency);
        const std::string words = to_lower(rest);
        require(words.starts_with(named), "the whole part's words and their currency word",
                outcome.text);
        std::string_view after = std::string_view(words).substr(named.size());
        if (form == MoneyForm::word || cents == 0) {
            require(after.empty(), "nothing after the currency word", outcome.text);
            continue;
        }
        const std::string cent = to_lower(agreeing(currency.minor, cents));
        require(after.starts_with(" ") && after.ends_with(cent),
                "the minor unit's word that agrees", outcome.text);
        const auto value = testing::read_words(after.substr(1, after.size() - 1 - cent.size()));
        require(value == cents, "the hundredths in words", outcome.text);
    }
}

void check_refused(const Style& style, const Outcome& outcome, const Exact& exact) {
    require(outcome.text == message_of(outcome.refusal) && !outcome.text.empty(),
            "a refusal shows its own message", outcome.text);
    if (outcome.refusal == Refusal::negative) {
        require(exact.negative, "negative means negative", outcome.text);
    }
    if (outcome.refusal != Refusal::too_large) return;
    const long long hundredths = style.money ? exact.rounded : exact.truncated;
    require(!exact.negative && (!exact.within || hundredths / 100 > kLargestWhole),
            "too large means above the limit, after any carry", outcome.text);
}

// A euro mark before or after an unmarked text changes only " Lt" to " Eur"
// (nothing in number mode), and so from any currency with the same gender and
// the cent, but for the "Nulis" that names another currency under one unit;
// a refusal stays the same refusal.
void check_euro_mark(std::string_view typed, const Separators& separators, const Style& style,
                     const Outcome& unmarked, bool before) {
    const Parsed parsed = parse_number(typed, separators);
    if (parsed.currency != nullptr || parsed.unclear_currency) return;
    if (style.currency->gender != kEuro.gender || !style.currency->minor_is_cent()) return;
    const std::string marked = before ? "EUR " + std::string(typed) : std::string(typed) + " €";
    const Outcome outcome = request(marked, separators, style);
    std::string expected = unmarked.text;
    if (unmarked.accepted() && style.money) {
        if (const auto at = expected.find(style.currency->mark); at != std::string::npos) {
            expected.replace(at, style.currency->mark.size(), kEuro.mark);
        }
        // Under one unit another currency is named after "nulis"; the euro's cents stand alone.
        const std::string named = std::string(kNulis) + std::string(kEuro.mark) + " ";
        if (!style.currency->hundredths_alone() &&
            to_lower(expected).starts_with(to_lower(named))) {
            expected.erase(0, named.size());
        }
    }
    require(outcome.refusal == unmarked.refusal && outcome.text == expected,
            "a euro mark changes only the currency", outcome.text);
}

// With digits: the text as it stood, its blanks and line ends at either end
// trimmed, then the words in parentheses with a small first letter; a
// refusal the same refusal.
void check_with_digits(std::string_view typed, const Separators& separators, Style style,
                       const Outcome& outcome) {
    style.with_digits = true;
    const Outcome paired = request(typed, separators, style);
    require(paired.refusal == outcome.refusal, "with digits, the same texts are refused",
            paired.text);
    if (!outcome.accepted()) return;
    style.with_digits = false;
    style.first_capital = false;
    const std::string expected =
        std::string(trim_blanks(typed)) + " (" + request(typed, separators, style).text + ")";
    require(paired.text == expected, "the text as it stood, then its words", paired.text);
}

// A block's line and the line end after it: CR LF, LF or a lone CR, none
// after the last.
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> lines_of(std::string_view block) {
    std::vector<Line> lines;
    for (std::size_t from = 0; from < block.size();) {
        const std::size_t end = std::min(block.find_first_of("\r\n", from), block.size());
        std::size_t next = end;
        if (next < block.size()) next += block.substr(next, 2) == "\r\n" ? 2 : 1;
        lines.push_back({block.substr(from, end - from), block.substr(end, next - end)});
        from = next;
    }
    return lines;
}

// The typed text as a block of cells, written apart from request_block: its
// shape kept (each tab, each line end but the last, each blank cell as it
// was), every other cell as request writes it alone; the first refused cell,
// in reading order, refuses the whole.
void check_block(std::string_view typed, const Separators& separators, const Style& style) {
    const BlockOutcome outcome = request_block(typed, separators, style);
    const std::vector<Line> lines = lines_of(typed);
    std::string expected;
    std::size_t amounts = 0;
    std::string_view first;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::string_view line = lines[row].text;
        const bool several = line.find('\t') != std::string_view::npos;
        std::size_t column = 0;
        for (std::size_t from = 0; from <= line.size(); ++column) {
            const std::size_t tab = std::min(line.find('\t', from), line.size());
            const std::string_view cell = line.substr(from, tab - from);
            from = tab + 1;
            if (column > 0) expected += '\t';
            if (trim_blanks(cell).empty()) {
                expected += cell;
                continue;
            }
            const Outcome alone = request(cell, separators, style);
            if (!alone.accepted()) {
                require(outcome.refusal == alone.refusal && outcome.text.empty() &&
                            outcome.cell == cell && outcome.place.line == row + 1 &&
                            outcome.place.column == column + 1 &&
                            outcome.place.line_has_cells == several,
                        "the first refused cell refuses the block, named by its place",
                        outcome.text);
                return;
            }
            if (amounts++ == 0) first = cell;
            expected += alone.text;
        }
        if (row + 1 < lines.size()) expected += lines[row].end;
    }
    require(outcome.refusal == Refusal::none && outcome.text == expected,
            "the block's shape kept, each cell as request writes it", outcome.text);
    require(outcome.amounts == amounts && outcome.cell == first,
            "the amounts counted, the first one named", outcome.text);
    const bool single = lines.size() <= 1 && typed.find('\t') == std::string_view::npos;
    require(outcome.single == single, "one cell, perhaps with its line end, is single",
            outcome.text);
    require(
        cells_in(typed) ==
            [&] {
                std::size_t cells = 0;
                for (const Line& line : lines) {
                    cells += 1 + static_cast<std::size_t>(
                                     std::count(line.text.begin(), line.text.end(), '\t'));
                }
                return cells;
            }(),
        "cells counted as the block holds them", outcome.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Style style{
        .money = (data[0] & 1) != 0,
        .first_capital = (data[0] & 2) != 0,
        .all_capitals = (data[0] & 4) != 0,
        .currency = &kCurrencies[((data[0] & 8) != 0 ? 1 : 0) + 2 * ((data[0] >> 6) & 3)]};
    Separators separators = kSeparators[data[1] % kSeparators.size()];
    separators.other_decimal = (data[0] & 32) != 0;
    const std::string_view typed(reinterpret_cast<const char*>(data + 2), size - 2);

    const Outcome outcome = request(typed, separators, style);
    const Exact exact(typed, separators);
    if (outcome.accepted()) {
        check_accepted(typed, separators, style, outcome.text, exact);
        if (style.money) check_money_forms(typed, separators, style, outcome.text, exact);
    } else {
        check_refused(style, outcome, exact);
    }
    std::string parsed;
    const Refusal refusal = append_parsed_request(parsed, typed, separators, style);
    require(refusal == outcome.refusal && (refusal != Refusal::none || parsed == outcome.text),
            "plain amounts give what the parser gives", parsed);
    check_euro_mark(typed, separators, style, outcome, (data[0] & 16) != 0);
    check_block(typed, separators, style);
    check_with_digits(typed, separators, style, outcome);
    return 0;
}
