#include "words_reader.hpp"

#include <string>
#include <unordered_map>
#include <vector>

#include "number_words.hpp"
#include "words.hpp"

namespace numora::testing {
namespace {

enum class Kind { unit, teen, tens, hundred, thousand, million };

struct Token {
    Kind kind;
    int value;              // digit for unit/teen/tens; 1 or 2+ for the hundred words
    std::string_view word;  // the scale word as written, with its leading space
};

using Lexicon = std::unordered_map<std::string_view, Token>;

void add_scale(Lexicon& lexicon, Kind kind, const ScaleWord& scale) {
    for (const auto word : {scale.singular, scale.plural, scale.plural_genitive}) {
        lexicon.emplace(word.substr(1), Token{kind, 0, word});
    }
}

const Lexicon& lexicon() {
    static const Lexicon words = [] {
        Lexicon l;
        for (int i = 1; i <= 9; ++i) {
            l.emplace(vienetai[i], Token{Kind::unit, i, {}});
            l.emplace(vienetai_moteriskos[i], Token{Kind::unit, i, {}});
            l.emplace(niolika[i], Token{Kind::teen, i, {}});
            l.emplace(desimtys[i], Token{Kind::tens, i, {}});
        }
        l.emplace(trim_spaces(kSimtas), Token{Kind::hundred, 1, {}});
        l.emplace(trim_spaces(kSimtai), Token{Kind::hundred, 2, {}});
        add_scale(l, Kind::thousand, kThousand);
        add_scale(l, Kind::million, kMillion);
        return l;
    }();
    return words;
}

// Splits at single spaces; an empty word (double, leading or trailing space)
// or an unknown word makes the whole text unreadable.
std::optional<std::vector<Token>> tokens(std::string_view text) {
    std::vector<Token> out;
    while (true) {
        const auto space = text.find(' ');
        const auto word = text.substr(0, space);
        const auto found = lexicon().find(word);
        if (found == lexicon().end()) return std::nullopt;
        out.push_back(found->second);
        if (space == std::string_view::npos) return out;
        text.remove_prefix(space + 1);
    }
}

class Reader {
public:
    explicit Reader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

    std::optional<long long> read() {
        long long total = 0;
        Kind last_scale = Kind::million;
        bool first = true;
        while (i_ < tokens_.size()) {
            const int group = read_group();
            if (group == 0) return std::nullopt;
            if (i_ == tokens_.size()) return total + group;
            const Token& scale = tokens_[i_++];
            const bool ordered =
                scale.kind == Kind::million
                    ? first
                    : scale.kind == Kind::thousand && (first || last_scale == Kind::million);
            if (!ordered) return std::nullopt;
            const auto& words = scale.kind == Kind::million ? kMillion : kThousand;
            if (agreeing(words, group) != scale.word) return std::nullopt;
            total += group * (scale.kind == Kind::million ? 1'000'000LL : 1000LL);
            last_scale = scale.kind;
            first = false;
        }
        return total;
    }

private:
    bool next_is(Kind kind) const { return i_ < tokens_.size() && tokens_[i_].kind == kind; }
    bool hundred_follows() const {
        return i_ + 1 < tokens_.size() && tokens_[i_ + 1].kind == Kind::hundred;
    }

    // [unit hundred] [tens [unit] | teen | unit]; 0 when nothing fits.
    int read_group() {
        int group = 0;
        if (next_is(Kind::unit) && hundred_follows()) {
            const int digit = tokens_[i_].value;
            if ((digit == 1) != (tokens_[i_ + 1].value == 1)) return 0;
            group = digit * 100;
            i_ += 2;
        }
        if (next_is(Kind::tens)) {
            group += tokens_[i_++].value * 10;
            if (next_is(Kind::unit)) group += tokens_[i_++].value;
        } else if (next_is(Kind::teen)) {
            group += 10 + tokens_[i_++].value;
        } else if (next_is(Kind::unit)) {
            group += tokens_[i_++].value;
        }
        return group;
    }

    std::vector<Token> tokens_;
    std::size_t i_ = 0;
};

}  // namespace

std::optional<long long> read_words(std::string_view text) {
    auto words = tokens(text);
    if (!words) return std::nullopt;
    return Reader(std::move(*words)).read();
}

}  // namespace numora::testing
