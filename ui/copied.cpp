#include "copied.hpp"

namespace numora::ui {

Converted convert_copied(std::string_view copied, const Separators& separators,
                         const Style& style) {
    Converted converted;
    // Counted first: a block too large for memory is refused at once.
    if (cells_in(copied) > kMostCells) {
        converted.problem = Converted::Problem::too_many;
        return converted;
    }
    converted.outcome = request_block(copied, separators, style);
    if (converted.outcome.refusal == Refusal::none && converted.outcome.amounts == 0) {
        converted.problem = Converted::Problem::no_amounts;
    }
    return converted;
}

}  // namespace numora::ui
