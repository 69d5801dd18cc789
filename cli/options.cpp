#include "options.hpp"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "letter_case.hpp"
#include "parse.hpp"

namespace numora::cli {
namespace {

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether a text starts with a currency mark: "eur5", "Lt 5", "kr5". The
// marks that start with a letter take two or three bytes.
bool starts_with_mark(std::string_view text) {
    return is_currency_mark(text.substr(0, 3)) || is_currency_mark(text.substr(0, 2));
}

// Options are "--name" and "-h"; anything else that starts with a minus is
// an amount to refuse as negative ("-5", "-,5", "-€5", "-eur5"), including
// one that starts with the decimal separator in use.
bool looks_like_text(std::string_view arg, std::string_view decimal) {
    if (arg.starts_with("--")) return false;
    if (!arg.starts_with("-") || arg.size() == 1) return true;
    const std::string_view after = arg.substr(1);
    return !is_letter(after.front()) || (!decimal.empty() && after.starts_with(decimal)) ||
           starts_with_mark(after);
}

// "--name=value" split at the first "=", or "--name" with no value given.
struct Split {
    std::string_view name;
    std::optional<std::string_view> value;
};

Split split(std::string_view arg) {
    const auto equals = arg.find('=');
    if (!arg.starts_with("--") || equals == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// The usable separator --decimal gives, looked for before the texts are told
// from options.
std::string_view decimal_given(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        const Split option = split(args[i]);
        if (option.name != "--decimal") continue;
        std::string_view value = option.value.value_or(std::string_view{});
        if (!option.value && i + 1 < args.size()) value = args[i + 1];
        if (usable_decimal_separator(value)) return value;
    }
    return {};
}

bool set_case(Style& style, std::string_view name) {
    if (equals_ignoring_case(name, "upper")) {
        style.all_capitals = true;
    } else if (equals_ignoring_case(name, "first")) {
        style.all_capitals = false;
        style.first_capital = true;
    } else if (equals_ignoring_case(name, "lower")) {
        style.all_capitals = false;
        style.first_capital = false;
    } else {
        return false;
    }
    return true;
}

bool set_currency(Options& options, std::string_view name) {
    const Currency* currency = currency_called(name);
    if (currency != nullptr) options.style.currency = currency;
    return currency != nullptr;
}

bool set_form(Options& options, std::string_view name) {
    const auto form = money_form_named(name);
    if (form) options.style.form = *form;
    return form.has_value();
}

bool set_decimal(Options& options, std::string_view separator) {
    if (!usable_decimal_separator(separator)) return false;
    options.decimal = std::string(separator);
    return true;
}

// An option that takes a value: what it sets, and the values it takes.
struct ValueOption {
    std::string_view name;
    bool (*set)(Options&, std::string_view);
    std::string_view values;
};

constexpr std::array<ValueOption, 4> kValueOptions{{
    {"--case", [](Options& o, std::string_view v) { return set_case(o.style, v); },
     "upper, first, lower"},
    {"--currency", set_currency, "lt, eur, usd, gbp, pln, chf, sek, nok, dkk, czk"},
    {"--form", set_form, "short, word, full"},
    {"--decimal", set_decimal, "not a digit, sign or blank"},
}};

const ValueOption* value_option(std::string_view name) {
    for (const auto& option : kValueOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// A switch without a value; false when the name is none of them.
bool set_switch(Options& options, std::string_view name) {
    if (name == "--help" || name == "-h") {
        options.help = true;
    } else if (name == "--version") {
        options.version = true;
    } else if (name == "--number") {
        options.style.money = false;
    } else if (name == "--with-digits") {
        options.style.with_digits = true;
    } else {
        return false;
    }
    return true;
}

// One line of words and quoted texts, appended in turn.
std::string said(std::initializer_list<std::string_view> pieces) {
    std::string line;
    for (const auto piece : pieces) line.append(piece);
    return line;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options options;
    const std::string_view decimal = decimal_given(args);
    bool only_texts = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (only_texts || looks_like_text(arg, decimal)) {
            options.texts.push_back(args[i]);
            continue;
        }
        if (arg == "--") {
            only_texts = true;
            continue;
        }
        const Split option = split(arg);
        const ValueOption* takes_value = value_option(option.name);
        if (takes_value == nullptr) {
            const bool known = set_switch(options, option.name);
            if (known && !option.value) continue;
            error = known ? said({"option '", option.name, "' takes no value"})
                          : said({"unknown option '", option.name, "'"});
            return std::nullopt;
        }
        const bool given = option.value || i + 1 < args.size();
        std::string_view value = option.value.value_or(std::string_view{});
        if (!option.value && given) value = args[++i];
        if (!given || !takes_value->set(options, value)) {
            error = said({given ? "invalid value '" : "missing value for ", value,
                          given ? "' for " : "", option.name, " (", takes_value->values, ")"});
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace numora::cli
