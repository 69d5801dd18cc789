#include "letter_case.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace numora {
namespace {

struct LetterPair {
    char32_t small;
    char32_t capital;
};

// Lithuanian letters, and the Polish ł of the zloty's mark "zł".
inline constexpr std::array<LetterPair, 10> kLithuanianLetters{{
    {U'ą', U'Ą'},
    {U'č', U'Č'},
    {U'ę', U'Ę'},
    {U'ė', U'Ė'},
    {U'į', U'Į'},
    {U'š', U'Š'},
    {U'ų', U'Ų'},
    {U'ū', U'Ū'},
    {U'ž', U'Ž'},
    {U'ł', U'Ł'},
}};

enum class Case { upper, lower };

char32_t map_letter(char32_t c, Case to) {
    if (to == Case::upper && c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (to == Case::lower && c >= U'A' && c <= U'Z') return c - U'A' + U'a';
    if (c < 0x80) return c;
    for (const auto& pair : kLithuanianLetters) {
        if (to == Case::upper && c == pair.small) return pair.capital;
        if (to == Case::lower && c == pair.capital) return pair.small;
    }
    return c;
}

// Every letter mapped here keeps its UTF-8 length (ASCII: one byte, the
// Lithuanian ones: two bytes led by 0xC4 or 0xC5), so the text is mapped in
// place; any other byte, valid UTF-8 or not, is left as it is.
std::size_t map_at(std::string& text, std::size_t i, Case to) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        text[i] = static_cast<char>(map_letter(lead, to));
        return 1;
    }
    if ((lead != 0xC4 && lead != 0xC5) || i + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if ((trail & 0xC0) != 0x80) return 1;
    const char32_t letter = map_letter(((lead & 0x1F) << 6) | (trail & 0x3F), to);
    text[i] = static_cast<char>(0xC0 | (letter >> 6));
    text[i + 1] = static_cast<char>(0x80 | (letter & 0x3F));
    return 2;
}

void map_text(std::string& text, Case first, Case rest, std::size_t from = 0) {
    for (std::size_t i = from; i < text.size();) i += map_at(text, i, i == from ? first : rest);
}

std::string mapped(std::string_view source, Case first, Case rest) {
    std::string text(source);
    map_text(text, first, rest);
    return text;
}

}  // namespace

void make_upper(std::string& text, std::size_t from) {
    map_text(text, Case::upper, Case::upper, from);
}
void make_first_upper(std::string& text, std::size_t from) {
    if (from < text.size()) map_at(text, from, Case::upper);
}

std::string to_upper(std::string_view text) {
    return mapped(text, Case::upper, Case::upper);
}
std::string to_lower(std::string_view text) {
    return mapped(text, Case::lower, Case::lower);
}
std::string capitalize_first(std::string_view text) {
    return mapped(text, Case::upper, Case::lower);
}

namespace {

// The character at byte i in small letters, and its length: the letters
// mapped here, decoded; any other byte as itself, apart from every letter.
struct SmallCharacter {
    char32_t value;
    std::size_t length;
};

SmallCharacter small_at(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) return {map_letter(lead, Case::lower), 1};
    if ((lead == 0xC4 || lead == 0xC5) && i + 1 < text.size()) {
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if ((trail & 0xC0) == 0x80) {
            return {map_letter(((lead & 0x1F) << 6) | (trail & 0x3F), Case::lower), 2};
        }
    }
    return {char32_t{0x110000} + lead, 1};
}

}  // namespace

// Character by character, with nothing allocated: marks are compared often.
bool equals_ignoring_case(std::string_view text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size();) {
        const SmallCharacter a = small_at(text, i);
        const SmallCharacter b = small_at(word, i);
        if (a.value != b.value || a.length != b.length) return false;
        i += a.length;
    }
    return true;
}

}  // namespace numora
