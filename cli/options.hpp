// The command line of numora-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format.hpp"

namespace numora::cli {

struct Options {
    Style style;
    std::optional<std::string> decimal;  // overrides the locale's separator
    std::vector<std::string> texts;      // none: read standard input
    bool help = false;
    bool version = false;
};

inline constexpr std::string_view kUsage =
    "usage: numora-cli [--number] [--case upper|first|lower] [--currency CODE]\n"
    "                  [--form short|word|full] [--with-digits] [--decimal SEP]\n"
    "                  [--] [TEXT...]\n"
    "       numora-cli --help | --version\n"
    "Writes each TEXT, or each line of standard input, as an amount in Lithuanian words.\n"
    "Options take their value as --option VALUE or --option=VALUE, in any letter case.\n"
    "  --number          number mode: whole part only, no currency and no hundredths\n"
    "  --case C          upper: ALL CAPITALS, first: First capital (default), lower\n"
    "  --currency CODE   lt (default), eur, usd, gbp, pln, chf, sek, nok, dkk or czk,\n"
    "                    for texts without a mark (\"5 €\", \"5 USD\")\n"
    "  --form F          short: Penki Eur 25 ct (default), word: Penki eurai 25 ct,\n"
    "                    full: Penki eurai dvidešimt penki centai\n"
    "  --with-digits     the text as it stood, then its words in parentheses:\n"
    "                    1 750,00 Eur (vienas tūkstantis septyni šimtai penkiasdešimt Eur)\n"
    "  --decimal SEP     decimal separator (default: the locale's)\n";

// The options, or nothing when the command line is not understood; then
// `error` says, in one line, which option or value is wrong.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

}  // namespace numora::cli
