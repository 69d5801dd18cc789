// What was copied or selected, in words by the window's settings, or why not:
// the rules both chords share, and the clipboard chord's own steps.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string_view>

#include "block.hpp"

namespace numora::ui {

// What a 32-bit Numora converts in one press: the words take about 150 bytes
// a cell, twice over as UTF-8 and UTF-16.
inline constexpr std::size_t kMostCells = 1'000'000;
inline constexpr std::size_t kMostClipboardBytes = std::size_t{64} << 20;

struct Converted {
    // Refused before any cell was read: too many cells, or none an amount.
    enum class Problem { none, too_many, no_amounts };
    Problem problem = Problem::none;
    BlockOutcome outcome;  // the words, or the cell refused and why
    bool accepted() const { return problem == Problem::none && outcome.refusal == Refusal::none; }
};

// All or nothing, as request_block writes a block, within kMostCells.
Converted convert_copied(std::string_view copied, const Separators& separators, const Style& style);

// How the clipboard chord ended: the words in place of the copy; nothing to
// do, its own words still there; or the clipboard as it was, because it could
// not be had, held no text, too much, a refused text, a newer copy, or a
// write that failed.
enum class Copied { written, own_words, busy, no_text, too_large, refused, newer_copy, failed };

// Copy, press, paste: the clipboard's amounts in words in their place, written
// only over the text read. `written` is the sequence number Numora's words
// last left, updated; `converted` gets the words or why they were refused.
Copied replace_copied(HWND owner, std::optional<DWORD>& written, const Separators& separators,
                      const Style& style, Converted& converted);

}  // namespace numora::ui
