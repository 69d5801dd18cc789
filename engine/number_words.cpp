#include "number_words.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "letter_case.hpp"

namespace numora {

std::string_view trim_spaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

// Appends the words of a group 1 .. 999 without a space at either end; its
// last units digit agrees with the gender of the word after it.
void append_simtai(std::string& text, int group, Gender gender = Gender::masculine) {
    const int hundreds = group / 100;
    const int rest = group % 100;
    if (hundreds > 0) {
        text += vienetai[hundreds];
        // The hundred word's trailing space would be left over before nothing.
        const auto hundred = hundreds == 1 ? kSimtas : kSimtai;
        text += rest == 0 ? hundred.substr(0, hundred.size() - 1) : hundred;
    }
    if (rest < 10) {
        text += units_word(rest, gender);
    } else if (rest < 20 && rest != 10) {
        text += niolika[rest - 10];
    } else {
        text += desimtys[rest / 10];
        if (rest % 10 > 0) {
            text += kSpace;
            text += units_word(rest % 10, gender);
        }
    }
}

// The units group comes in two genders: before a feminine word it is a
// scale of its own.
enum Scale : std::size_t { kUnits, kFeminineUnits, kThousands, kMillions, kScales };

// Every group's words with each scale word, in small letters and in
// capitals, written once, one after another: bulk conversion spends its time
// here, and one string keeps them small and close together.
class GroupWords {
public:
    GroupWords() {
        constexpr std::array<const ScaleWord*, kScales> scales{nullptr, nullptr, &kThousand,
                                                               &kMillion};
        std::size_t entry = 0;
        for (const bool capitals : {false, true}) {
            for (std::size_t scale_at = 0; scale_at < kScales; ++scale_at) {
                const ScaleWord* scale = scales[scale_at];
                const Gender gender =
                    scale_at == kFeminineUnits ? Gender::feminine : Gender::masculine;
                for (int group = 0; group < kGroups; ++group) {
                    start_[entry++] = static_cast<std::uint32_t>(text_.size());
                    const std::size_t from = text_.size();
                    if (group == 0) continue;
                    append_simtai(text_, group, gender);
                    if (scale != nullptr) text_ += agreeing(*scale, group);
                    if (capitals) make_upper(text_, from);
                    longest_ = std::max(longest_, text_.size() - from);
                }
            }
        }
        start_[entry] = static_cast<std::uint32_t>(text_.size());
    }

    std::size_t longest() const { return longest_; }

    std::string_view get(int group, Scale scale, bool capitals) const {
        const std::size_t entry = (static_cast<std::size_t>(capitals) * kScales + scale) * kGroups +
                                  static_cast<std::size_t>(group);
        return std::string_view(text_).substr(start_[entry], start_[entry + 1] - start_[entry]);
    }

private:
    static constexpr int kGroups = 1000;  // group 0 has no words
    std::string text_;
    // On the heap: a static array would weigh on the window's executable.
    std::vector<std::uint32_t> start_ = std::vector<std::uint32_t>(2 * kScales * kGroups + 1);
    std::size_t longest_ = 0;
};

const GroupWords& group_words() {
    static const GroupWords table;
    return table;
}

}  // namespace

std::string simtai(int group) {
    std::string text;
    if (group >= 1 && group <= 999) append_simtai(text, group);
    return text;
}

std::string_view units_word(int digit, Gender gender) {
    return gender == Gender::feminine ? vienetai_moteriskos[digit] : vienetai[digit];
}

std::string_view agreeing(const ScaleWord& word, int number) {
    const int last_digit = number % 10;
    const int last_two = number % 100;
    if (last_digit == 1 && last_two != 11) return word.singular;
    if ((last_two >= 10 && last_two <= 19) || last_digit == 0) return word.plural_genitive;
    return word.plural;
}

namespace {

// Joins a group's words and its scale word to the words so far with one
// space. Written in place: bulk runs spend their time here.
char* put_group(char* at, const char* start, std::string_view words) {
    if (words.empty()) return at;
    if (at != start) *at++ = ' ';
    std::memcpy(at, words.data(), words.size());
    return at + words.size();
}

}  // namespace

void append_words(std::string& text, std::int32_t n, bool capitals, Gender gender) {
    if (n < 1 || n > kLargestWhole) return;
    // The millions count fits 16 bits for every value in range (at most 999).
    const auto mil = static_cast<std::int16_t>(n / 1'000'000);
    const GroupWords& words = group_words();
    const std::size_t start = text.size();
    text.resize(start + 3 * (words.longest() + 1));
    char* const first = text.data() + start;
    char* at = put_group(first, first, words.get(mil, kMillions, capitals));
    at = put_group(at, first, words.get(n % 1'000'000 / 1000, kThousands, capitals));
    const Scale units = gender == Gender::feminine ? kFeminineUnits : kUnits;
    at = put_group(at, first, words.get(n % 1000, units, capitals));
    text.resize(static_cast<std::size_t>(at - text.data()));
}

std::string versk(double whole) {
    std::string text;
    if (whole >= 1.0 && whole <= kLargestWhole)
        append_words(text, static_cast<std::int32_t>(whole));
    return text;
}

}  // namespace numora
