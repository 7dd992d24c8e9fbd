// The result and input text rules: numbers as the fields show them.
#include "number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace velmora {

namespace {

// A finite nonzero double rounded to at most 15 significant digits, without
// trailing zeros: digits d1 d2 ... with d1 at 10^exponent.
struct Decimal {
    std::array<char, 17> digits{};
    std::size_t count = 0;
    int exponent = 0;
    bool negative = false;
};

// Splits to_chars' scientific text "-d.ddde+XX" into a Decimal.
Decimal parseScientific(const char* first, const char* last)
{
    Decimal d;
    if (*first == '-') {
        d.negative = true;
        ++first;
    }
    for (; first != last && *first != 'e'; ++first) {
        if (*first != '.')
            d.digits[d.count++] = *first;
    }
    std::from_chars(first + 1 + (first[1] == '+'), last, d.exponent);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// The exact rounding, from the standard library: always right, not fast.
Decimal exactlyRounded(double value)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14).ptr;
    return parseScientific(buffer.data(), end);
}

#if defined(__SIZEOF_INT128__)
// Writes the 15 decimal digits of n (below 10^15), two at a time.
void writeDigits(std::uint64_t n, char* out)
{
    static constexpr auto pairs = [] {
        std::array<char, 200> p{};
        for (std::size_t i = 0; i < 100; ++i) {
            p[2 * i] = static_cast<char>('0' + i / 10);
            p[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        return p;
    }();
    auto high = static_cast<std::uint32_t>(n / 100'000'000); // 7 digits
    auto low = static_cast<std::uint32_t>(n % 100'000'000);  // 8 digits
    for (int i = 14; i > 6; i -= 2, low /= 100)
        std::memcpy(out + i - 1, &pairs[2 * (low % 100)], 2);
    for (int i = 6; i > 0; i -= 2, high /= 100)
        std::memcpy(out + i - 1, &pairs[2 * (high % 100)], 2);
    out[0] = static_cast<char>('0' + high);
}

__extension__ typedef unsigned __int128 u128; // a GCC and Clang extension

// value x 10^shift, split exactly into its whole part and how the rest
// compares with one half (-1 below, 0 exactly, 1 above); nullopt where the
// whole part would not fit 64 bits.
struct Scaled {
    std::uint64_t whole;
    int restAgainstHalf;
};

std::optional<Scaled> scaleExactly(std::uint64_t mantissa, int binaryExponent, int shift)
{
    static constexpr auto powersOf5 = [] {
        std::array<std::uint64_t, 28> p{};
        p[0] = 1;
        for (std::size_t i = 1; i < p.size(); ++i)
            p[i] = p[i - 1] * 5;
        return p;
    }();
    const auto compare = [](u128 twiceRest, u128 unit) { return twiceRest < unit ? -1 : twiceRest > unit ? 1 : 0; };
    u128 numerator = mantissa;
    u128 denominator = 1;
    int twos = binaryExponent + shift; // 10^shift = 5^shift x 2^shift
    if (shift >= 0)
        numerator *= powersOf5[static_cast<std::size_t>(shift)];
    else
        denominator = powersOf5[static_cast<std::size_t>(-shift)];
    if (twos >= 0) {
        if (twos > 64 || (numerator >> (127 - twos)) != 0)
            return std::nullopt;
        numerator <<= twos;
    } else if (denominator == 1) {
        if (-twos >= 127)
            return Scaled{0, -1};
        const int bits = -twos;
        const u128 whole = numerator >> bits;
        const u128 rest = numerator & ((u128(1) << bits) - 1);
        if (whole >> 64)
            return std::nullopt;
        return Scaled{static_cast<std::uint64_t>(whole), compare(rest << 1, u128(1) << bits)};
    } else {
        if (-twos > 60)
            return Scaled{0, -1};
        denominator <<= -twos;
    }
    const u128 whole = numerator / denominator;
    if (whole >> 64)
        return std::nullopt;
    return Scaled{static_cast<std::uint64_t>(whole), compare((numerator % denominator) << 1, denominator)};
}

// The fast way: scale the value by a power of ten so that 15 digits stand
// before the point, in exact integer arithmetic, and round half to even as
// the standard library does. Magnitudes beyond the table take the exact path.
std::optional<Decimal> quicklyRounded(double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-12 && magnitude < 1e40))
        return std::nullopt;
    // magnitude = mantissa x 2^binaryExponent, with the hidden leading bit.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1075;
    // log10(2) times the exponent of the leading bit: the decimal exponent, or one less.
    int exponent = ((binaryExponent + 52) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto scaled = scaleExactly(mantissa, binaryExponent, 14 - exponent);
        if (!scaled || scaled->whole >= 1'000'000'000'000'000ULL) {
            ++exponent;
            continue;
        }
        if (scaled->whole < 100'000'000'000'000ULL) {
            --exponent;
            continue;
        }
        std::uint64_t rounded = scaled->whole;
        if (scaled->restAgainstHalf > 0 || (scaled->restAgainstHalf == 0 && rounded % 2 == 1))
            ++rounded;
        if (rounded == 1'000'000'000'000'000ULL) { // 999...9.5 rounds up to the next power
            rounded /= 10;
            ++exponent;
        }
        Decimal d;
        d.negative = value < 0;
        d.exponent = exponent;
        d.count = 15;
        writeDigits(rounded, d.digits.data());
        while (d.count > 1 && d.digits[d.count - 1] == '0')
            --d.count;
        return d;
    }
    return std::nullopt;
}
#else
std::optional<Decimal> quicklyRounded(double) { return std::nullopt; }
#endif

Decimal roundedTo15Digits(double value)
{
    if (const auto quick = quicklyRounded(value))
        return *quick;
    return exactlyRounded(value);
}

} // namespace

std::string_view formatResult(double value, std::string_view decimalSeparator, ResultBuffer& buffer)
{
    if (value == 0)
        return "0";
    const Decimal decimal = roundedTo15Digits(value);
    const std::string_view digits(decimal.digits.data(), decimal.count);
    const int exponent = decimal.exponent;

    char* out = buffer.data();
    const auto put = [&out](std::string_view part) { out = std::copy(part.begin(), part.end(), out); };
    const std::string_view separator = decimalSeparator.substr(0, kMaxSeparatorSize);
    if (decimal.negative)
        *out++ = '-';
    if (exponent < -4 || exponent > 14) {
        put(digits.substr(0, 1));
        if (digits.size() > 1) {
            put(separator);
            put(digits.substr(1));
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent < 0) {
        *out++ = '0';
        put(separator);
        out = std::fill_n(out, -exponent - 1, '0');
        put(digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        put(digits.substr(0, whole));
        if (digits.size() > whole) {
            put(separator);
            put(digits.substr(whole));
        } else {
            out = std::fill_n(out, whole - digits.size(), '0');
        }
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

std::string formatResult(double value, std::string_view decimalSeparator)
{
    ResultBuffer buffer;
    return std::string(formatResult(value, decimalSeparator, buffer));
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
