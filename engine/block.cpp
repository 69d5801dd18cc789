#include "block.hpp"

#include <algorithm>

namespace numora {
namespace {

// The line end at the start of a text: CR LF, LF or a lone CR; 0 when none.
std::size_t line_end_at(std::string_view text) {
    if (text.starts_with("\r\n")) return 2;
    return text.starts_with('\n') || text.starts_with('\r') ? 1 : 0;
}

// One cell, without a tab or a line end but perhaps one at its very end.
bool is_single(std::string_view text) {
    if (const std::size_t end = text.find_first_of("\r\n"); end != std::string_view::npos) {
        const std::string_view rest = text.substr(end);
        if (rest != "\r\n" && rest != "\n" && rest != "\r") return false;
        text = text.substr(0, end);
    }
    return text.find('\t') == std::string_view::npos;
}

class Block {
public:
    Block(const Separators& separators, const Style& style)
        : separators_(separators), style_(style) {}

    // One line's cells, appended to the outcome's text; false on a refusal.
    bool add_line(std::string_view line, std::size_t number, BlockOutcome& outcome) const {
        const bool several = line.find('\t') != std::string_view::npos;
        std::size_t column = 0;
        for (std::size_t from = 0; from <= line.size(); ++column) {
            const std::size_t tab = std::min(line.find('\t', from), line.size());
            const std::string_view cell = line.substr(from, tab - from);
            if (column > 0) outcome.text += '\t';
            if (!add_cell(cell, {number, column + 1, several}, outcome)) return false;
            from = tab + 1;
        }
        return true;
    }

private:
    bool add_cell(std::string_view cell, const CellPlace& place, BlockOutcome& outcome) const {
        if (trim_blanks(cell).empty()) {  // left as it is
            outcome.text += cell;
            return true;
        }
        outcome.refusal = append_request(outcome.text, cell, separators_, style_);
        if (outcome.refusal != Refusal::none || outcome.amounts++ == 0) {
            outcome.cell = cell;
            outcome.place = place;
        }
        return outcome.refusal == Refusal::none;
    }

    const Separators& separators_;
    const Style& style_;
};

constexpr std::string_view kLine = "Eilutė ";
constexpr std::string_view kColumn = ", stulpelis ";

}  // namespace

std::size_t cells_in(std::string_view text) {
    std::size_t cells = 0;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", from), text.size());
        cells += 1 + static_cast<std::size_t>(
                         std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                                    text.begin() + static_cast<std::ptrdiff_t>(end), '\t'));
        from = end + line_end_at(text.substr(end));
    }
    return cells;
}

BlockOutcome request_block(std::string_view text, const Separators& separators,
                           const Style& style) {
    const Block block(separators, style);
    BlockOutcome outcome;
    outcome.single = is_single(text);
    std::size_t lines = 0;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", from), text.size());
        if (!block.add_line(text.substr(from, end - from), ++lines, outcome)) {
            outcome.text.clear();
            return outcome;
        }
        const std::size_t line_end = line_end_at(text.substr(end));
        from = end + line_end;
        // The line end after the last line is dropped: a single cell pastes
        // without a new paragraph.
        if (from < text.size()) outcome.text += text.substr(end, line_end);
    }
    return outcome;
}

std::string message_of(const BlockOutcome& outcome) {
    std::string message;
    if (!outcome.single) {
        message = std::string(kLine) + std::to_string(outcome.place.line);
        if (outcome.place.line_has_cells) {
            message += std::string(kColumn) + std::to_string(outcome.place.column);
        }
        message += ": ";
    }
    return message + std::string(message_of(outcome.refusal));
}

}  // namespace numora
