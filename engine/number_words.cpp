#include "number_words.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace numora {

std::string_view trim_spaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

// Appends the words of a group 1 .. 999 without a space at either end.
void append_simtai(std::string& text, int group) {
    const int hundreds = group / 100;
    const int rest = group % 100;
    if (hundreds > 0) {
        text += vienetai[hundreds];
        // The hundred word's trailing space would be left over before nothing.
        const auto hundred = hundreds == 1 ? kSimtas : kSimtai;
        text += rest == 0 ? hundred.substr(0, hundred.size() - 1) : hundred;
    }
    if (rest < 10) {
        text += vienetai[rest];
    } else if (rest < 20 && rest != 10) {
        text += niolika[rest - 10];
    } else {
        text += desimtys[rest / 10];
        if (rest % 10 > 0) {
            text += kSpace;
            text += vienetai[rest % 10];
        }
    }
}

// Every group's words, written once, one after another: bulk conversion
// spends its time here, and one string keeps them small and close together.
class GroupWords {
public:
    GroupWords() {
        for (int group = 1; group <= 999; ++group) {
            start_[static_cast<std::size_t>(group)] = static_cast<std::uint32_t>(text_.size());
            append_simtai(text_, group);
        }
        start_[1000] = static_cast<std::uint32_t>(text_.size());
    }

    std::string_view operator[](int group) const {
        const auto g = static_cast<std::size_t>(group);
        return std::string_view(text_).substr(start_[g], start_[g + 1] - start_[g]);
    }

private:
    std::string text_;
    std::array<std::uint32_t, 1001> start_{};  // group g is text_[start_[g], start_[g + 1])
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

std::string_view agreeing(const ScaleWord& scale, int group) {
    const int last_digit = group % 10;
    const int last_two = group % 100;
    if (last_digit == 1 && last_two != 11) return scale.singular;
    if ((last_two >= 10 && last_two <= 19) || last_digit == 0) return scale.plural_genitive;
    return scale.plural;
}

namespace {

// Joins a group's words and its scale word to the words since `start` with one space.
void append_group(std::string& text, std::size_t start, int group, const ScaleWord* scale) {
    if (group <= 0) return;
    if (text.size() > start) text += kSpace;
    text += group_words()[group];
    if (scale != nullptr) text += agreeing(*scale, group);
}

}  // namespace

void append_words(std::string& text, double whole) {
    if (!(whole >= 1.0 && whole <= kLargestWhole)) return;
    const auto n = static_cast<std::int32_t>(whole);
    // The millions count fits 16 bits for every value in range (at most 999).
    const auto mil = static_cast<std::int16_t>(n / 1'000'000);
    const std::size_t start = text.size();
    append_group(text, start, mil, &kMillion);
    append_group(text, start, n % 1'000'000 / 1000, &kThousand);
    append_group(text, start, n % 1000, nullptr);
}

std::string versk(double whole) {
    std::string text;
    append_words(text, whole);
    return text;
}

}  // namespace numora
