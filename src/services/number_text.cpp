#include "services/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vis {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Far beyond any double, yet small enough that the digit strings built from it stay short.
constexpr long long kExponentLimit = 100'000;

}  // namespace

NumberText read_number(std::string_view text) {
    NumberText n;
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) n.negative = text[i++] == '-';
    while (i < text.size() && is_digit(text[i])) n.digits += text[i++];
    n.point = static_cast<long long>(n.digits.size());
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) n.digits += text[i++];
    }
    n.found = !n.digits.empty();
    if (!n.found) return n;
    n.end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && is_digit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && is_digit(text[j]); ++j)
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[j] - '0');
            n.point += negative ? -exponent : exponent;
            n.end = j;
        }
    }
    return n;
}

std::optional<double> NumberText::value() const {
    if (!found) return std::nullopt;
    // Significant digits only, so a long run of zeros cannot push the number out of range.
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return negative ? -0.0 : 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    const std::string significant = digits.substr(first, last - first + 1);
    const long long exponent = point - static_cast<long long>(last) - 1;
    const std::string written = significant + "e" + std::to_string(exponent);
    double v = 0;
    const auto [end, ec] = std::from_chars(written.data(), written.data() + written.size(), v);
    if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

std::string NumberText::integer_digits() const {
    if (point <= 0) return {};
    const auto before = static_cast<std::size_t>(point);
    if (before <= digits.size()) return digits.substr(0, before);
    return digits + std::string(before - digits.size(), '0');
}

std::string NumberText::fraction_digits() const {
    if (point >= static_cast<long long>(digits.size())) return {};
    if (point >= 0) return digits.substr(static_cast<std::size_t>(point));
    return std::string(static_cast<std::size_t>(-point), '0') + digits;
}

}  // namespace vis
