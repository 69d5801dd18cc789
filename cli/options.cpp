#include "options.hpp"

#include <cstddef>

#include "parse.hpp"

namespace numora::cli {
namespace {

// "-5", "-,5" and "-" followed by the decimal separator in use are amounts to
// refuse as negative, not unknown options.
bool looks_like_text(std::string_view arg, std::string_view decimal) {
    if (!arg.starts_with("-") || arg.size() == 1) return true;
    const std::string_view after = arg.substr(1);
    return (after[0] >= '0' && after[0] <= '9') || after[0] == '.' || after[0] == ',' ||
           (!decimal.empty() && after.starts_with(decimal));
}

// The usable separator --decimal gives, looked for before the texts are told
// from options.
std::string_view decimal_given(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--decimal" && usable_decimal_separator(args[i + 1])) return args[i + 1];
    }
    return {};
}

bool set_case(Style& style, std::string_view name) {
    if (name == "upper") {
        style.all_capitals = true;
    } else if (name == "first") {
        style.all_capitals = false;
        style.first_capital = true;
    } else if (name == "lower") {
        style.all_capitals = false;
        style.first_capital = false;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args) {
    Options options;
    const std::string_view decimal = decimal_given(args);
    bool only_texts = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (only_texts || looks_like_text(arg, decimal)) {
            options.texts.push_back(args[i]);
        } else if (arg == "--") {
            only_texts = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--number") {
            options.style.money = false;
        } else if (arg == "--case" && has_value) {
            if (!set_case(options.style, args[++i])) return std::nullopt;
        } else if (arg == "--currency" && has_value) {
            const auto currency = currency_named(args[++i]);
            if (!currency) return std::nullopt;
            options.style.currency = *currency;
        } else if (arg == "--decimal" && has_value && usable_decimal_separator(args[i + 1])) {
            options.decimal = args[++i];
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace numora::cli
