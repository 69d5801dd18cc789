// A block of cells as a spreadsheet copies it, each amount in it written in
// words, the block's shape kept: lines (CR LF, LF or a lone CR) of cells
// separated by tabs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "request.hpp"

namespace numora {

// A cell's place in its block, both counted from 1.
struct CellPlace {
    std::size_t line = 0;
    std::size_t column = 0;
    bool line_has_cells = false;  // the line has more cells than one
};

struct BlockOutcome {
    Refusal refusal = Refusal::none;
    // Accepted: every cell that is not empty or blank in words, the others
    // as they were, each tab and each line end between lines kept; a line
    // end after the last line dropped.
    std::string text;
    std::size_t amounts = 0;  // the cells written in words
    bool single = false;      // one cell, perhaps with a line end after it
    // The first cell written when accepted, the refused one when not.
    std::string cell;
    CellPlace place;
};

// The cells a text holds, empty ones included: one per tab, and one per line
// (a line end after the last line opens none). Counted before a block is
// written, so that a block too large for memory is refused at once.
std::size_t cells_in(std::string_view text);

// All or nothing: the first cell refused, in reading order, refuses the block.
BlockOutcome request_block(std::string_view text, const Separators& separators, const Style& style);

// A refused block's message: the cell's place before the refusal's, for a
// block of more cells than one ("Eilutė 3, stulpelis 2: Turi būti skaičius").
std::string message_of(const BlockOutcome& outcome);

}  // namespace numora
