#pragma once

#include <QtGlobal>

// numerator / denominator rounded to the nearest integer, halves to the even one.
// The denominator must be positive.
inline qint64 RoundHalfEven(qint64 numerator, qint64 denominator) {
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // floor division
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}
