#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

int digitValue(char c, int radix)
{
    int value = -1;
    if (isDigit(c))
        value = c - '0';
    else if (upper(c) >= 'A' && upper(c) <= 'F')
        value = upper(c) - 'A' + 10;
    return value < radix ? value : -1;
}

std::optional<double> readWholeNumber(std::string_view digits, int radix)
{
    double value = 0;
    for (char c : digits) {
        const int d = digitValue(c, radix);
        if (d < 0)
            break;
        value = value * radix + d;
    }
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

// The decimal exponent of the first significant digit, used only to tell an
// overflow from an underflow once from_chars has reported either.
bool isBeyondRange(std::string_view whole, std::string_view fraction, std::string_view exponent)
{
    long long position = 0;
    if (const auto first = whole.find_first_not_of('0'); first != std::string_view::npos) {
        position = static_cast<long long>(whole.size() - first);
    } else {
        const auto first_frac = fraction.find_first_not_of('0');
        position = -static_cast<long long>(first_frac);
    }
    bool negative = false;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        negative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    long long exp = 0;
    constexpr long long cap = 1'000'000'000;
    for (char c : exponent)
        exp = std::min(cap, exp * 10 + (c - '0'));
    return (negative ? position - exp : position + exp) > 0;
}

std::optional<double> readDecimal(std::string_view s)
{
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t wholeStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    const std::string_view whole = s.substr(wholeStart, i - wholeStart);
    std::string_view fraction;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        fraction = s.substr(fracStart, i - fracStart);
    }
    if (whole.empty() && fraction.empty())
        return 0.0;

    std::string number;
    number.reserve(i + 8);
    if (negative)
        number.push_back('-');
    number.append(whole);
    number.push_back('.');
    number.append(fraction);

    std::string_view exponent;
    if (i < s.size() && (upper(s[i]) == 'E' || upper(s[i]) == 'D')) {
        std::size_t j = i + 1;
        const std::size_t expStart = j;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t expDigits = j;
        while (j < s.size() && isDigit(s[j]))
            ++j;
        if (j > expDigits) {
            exponent = s.substr(expStart, j - expStart);
            number.push_back('e');
            number.append(exponent);
        }
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (isBeyondRange(whole, fraction, exponent))
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

} // namespace

std::optional<double> readFieldNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c))
            compact.push_back(c);
    }
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        if (upper(s[1]) == 'H')
            return readWholeNumber(s.substr(2), 16);
        if (upper(s[1]) == 'O')
            return readWholeNumber(s.substr(2), 8);
    }
    return readDecimal(s);
}

std::string formatResult(double value, std::string_view decimalSeparator)
{
    if (value == 0)
        return "0";
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15).ptr;
    std::string text;
    text.reserve(static_cast<std::size_t>(end - buffer.data()) + decimalSeparator.size());
    for (const char* p = buffer.data(); p != end; ++p) {
        if (*p == '.')
            text.append(decimalSeparator);
        else
            text.push_back(*p == 'e' ? 'E' : *p);
    }
    return text;
}

std::string formatInput(double value)
{
    constexpr double wholeLimit = 9.2e18; // within the range of a 64-bit integer
    if (std::trunc(value) == value && std::fabs(value) < wholeLimit) {
        std::array<char, 24> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       static_cast<std::int64_t>(value)).ptr;
        return std::string(buffer.data(), end);
    }
    return formatResult(value, ".");
}

} // namespace velmora
