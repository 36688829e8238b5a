#include "runtime/core/variant.h"

#include "runtime/core/runtime_error.h"

#include <cmath>

namespace vardelis::runtime {
namespace {

Variant checked(double result) {
    if (!std::isfinite(result)) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return Variant(result);
}

} // namespace

Variant operator/(const Variant& dividend, const Variant& divisor) {
    if (divisor.number() == 0) {
        throw RuntimeError(dividend.number() == 0 ? ErrorNumber::Overflow
                                                  : ErrorNumber::DivisionByZero);
    }
    return checked(dividend.number() / divisor.number());
}

Variant operator*(const Variant& left, const Variant& right) {
    return checked(left.number() * right.number());
}

Variant operator-(const Variant& left, const Variant& right) {
    return checked(left.number() - right.number());
}

Variant Int(const Variant& value) {
    return Variant(std::floor(value.number()));
}

} // namespace vardelis::runtime
