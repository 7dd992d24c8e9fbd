#pragma once

#include <cmath>

namespace velmora {

// Why a step of the calculation could not produce its value.
enum class FailureCause {
    DivisionByZero,
    Overflow, // a value, read or computed, beyond the range of a double
    LogarithmOfNonPositive,
};

struct ArithmeticFailure {
    FailureCause cause;
};

// A double whose every operation is checked: instead of letting IEEE
// arithmetic turn a bad operation into an infinity, a NaN or a quiet 0,
// it throws ArithmeticFailure at the operation that went wrong.
class Checked {
public:
    constexpr Checked(double value) : value_(value) { } // NOLINT: implicit by design, for constants
    constexpr double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b) { return finite(a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return finite(a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return finite(a.value_ * b.value_); }
    friend Checked operator/(Checked a, Checked b)
    {
        if (b.value_ == 0)
            throw ArithmeticFailure {FailureCause::DivisionByZero};
        return finite(a.value_ / b.value_);
    }

    static Checked finite(double result)
    {
        if (!std::isfinite(result))
            throw ArithmeticFailure {FailureCause::Overflow};
        return result;
    }

private:
    double value_;
};

inline Checked ln(Checked x)
{
    if (!(x.value() > 0))
        throw ArithmeticFailure {FailureCause::LogarithmOfNonPositive};
    return std::log(x.value());
}

inline Checked power(Checked base, Checked exponent)
{
    return Checked::finite(std::pow(base.value(), exponent.value()));
}

inline Checked arctan(Checked x)
{
    return std::atan(x.value());
}

// The larger of two values; when they are equal, their common value.
inline Checked larger(Checked a, Checked b)
{
    return a.value() >= b.value() ? a : b;
}

} // namespace velmora
