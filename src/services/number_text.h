#pragma once
// The one reader for numbers written in text (settings flags, version answers, numeric fields):
// the number a text starts with, kept as its digits so that callers decide exactly, without
// rounding and without the locale.
#include <optional>
#include <string>
#include <string_view>

namespace vis {

struct NumberText {
    // At least one digit was read.
    bool found = false;
    bool negative = false;
    // Every digit written, those before the point first, then those after it.
    std::string digits;
    // How many of `digits` stand before the decimal point once the exponent is applied; may be
    // negative or beyond the digits ("1e3": digits "1", point 4).
    long long point = 0;
    // Where the number ends in the text.
    std::size_t end = 0;

    // The value, or nothing when there is no number or a double cannot hold it.
    std::optional<double> value() const;
    // The digits before and after the point, the exponent applied (no digits: empty).
    std::string integer_digits() const;
    std::string fraction_digits() const;
};

// Blanks (space, tab, CR, LF) at the start are skipped; then an optional sign, digits with an
// optional fraction, and an optional exponent ("e" or "E", a sign, digits; an "e" without digits
// ends the number before it). Anything else ends the number.
NumberText read_number(std::string_view text);

}  // namespace vis
