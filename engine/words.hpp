// The Lithuanian numeral words and the fixed group and currency words.
// Entry 0 of every table is empty on purpose: a units lookup at 0 adds nothing.
#pragma once

#include <array>
#include <string_view>

namespace numora {

using WordTable = std::array<std::string_view, 10>;

inline constexpr WordTable vienetai{"",      "vienas", "du",      "trys",    "keturi",
                                    "penki", "šeši",   "septyni", "aštuoni", "devyni"};
// The same before a feminine word: "dvi kronos".
inline constexpr WordTable vienetai_moteriskos{"",          "viena",   "dvi",    "trys",
                                               "keturios",  "penkios", "šešios", "septynios",
                                               "aštuonios", "devynios"};

// Index i holds the word for 10 + i.
inline constexpr WordTable niolika{
    "",           "vienuolika", "dvylika",      "trylika",      "keturiolika",
    "penkiolika", "šešiolika",  "septyniolika", "aštuoniolika", "devyniolika"};

// Index i holds the word for 10 * i.
inline constexpr WordTable desimtys{"",
                                    "dešimt",
                                    "dvidešimt",
                                    "trisdešimt",
                                    "keturiasdešimt",
                                    "penkiasdešimt",
                                    "šešiasdešimt",
                                    "septyniasdešimt",
                                    "aštuoniasdešimt",
                                    "devyniasdešimt"};

// The spaces inside these words carry the spacing of the result.
inline constexpr std::string_view kSimtas = " šimtas ";
inline constexpr std::string_view kSimtai = " šimtai ";
inline constexpr std::string_view kSpace = " ";
inline constexpr std::string_view kCt = " ct";
// Zero, written where no other word would be.
inline constexpr std::string_view kNulis = "nulis";

// The largest whole value written in words.
inline constexpr int kLargestWhole = 999'999'999;

// The number before a feminine word agrees with it: "viena krona", "dvi erės".
enum class Gender : unsigned char { masculine, feminine };

// A word in the three forms that agree with the number before it.
struct ScaleWord {
    std::string_view singular;         // vienas tūkstantis
    std::string_view plural;           // du tūkstančiai
    std::string_view plural_genitive;  // dešimt tūkstančių
    friend constexpr bool operator==(const ScaleWord&, const ScaleWord&) = default;
};

inline constexpr ScaleWord kThousand{" tūkstantis", " tūkstančiai", " tūkstančių"};
inline constexpr ScaleWord kMillion{" milijonas", " milijonai", " milijonų"};
// The cents of the litas, the euro and the dollar, named in words.
inline constexpr ScaleWord kCent{" centas", " centai", " centų"};

}  // namespace numora
