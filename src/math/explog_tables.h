// Integer tables of the exponential and logarithm family, generated at
// compile time from their rules (nothing here is typed in but the rules):
//
//   ExpTable<T>        round(e^x * 2^-sf), halves up, saturated to T's
//                      maximum, for every sf in -B .. B (B = 15, 31, 63 for
//                      16s, 32s, 64s) and x in 0 .. 2X for sf >= 0, -X .. X
//                      for sf < 0, X = ceil(B ln 2) (11, 22, 44): below
//                      those x every result is 0, above them every result
//                      saturates.
//   kLnThresholds      the smallest integer x with round(ln x) >= r,
//                      ceil(e^(r - 1/2)), for r = 1 .. 21.
//   kTenLog10Steps     the smallest integer x at which 10 log10 x is taken as
//                      r, ceil(10^((2r - 1) / 20)), for r = 1 .. 12 (steps of
//                      one), 14, 16, .. 92 (steps of two) and 93.
//
// The values come from double-double arithmetic (about 104 bits): e, e^-1
// and e^(1/2) from their series, 10^(1/20) by Newton's method, and integer
// powers by repeated squaring, so every product that is rounded or compared
// is known to far more bits than the 64 of its integer part.  None of these
// values is an integer or lies halfway between two (e^x and 10^(j/20) are
// irrational for x != 0 and odd j), except e^0 = 1, which is exact.
#pragma once

#include <cstdint>

#include "numeric/fixed.h"

namespace vdx::explog {

// ---------------------------------------------------------------- double-double

struct DD {
    double hi, lo;  // value hi + lo, |lo| <= ulp(hi) / 2
};

constexpr DD two_sum(double a, double b) {
    const double s = a + b;
    const double v = s - a;
    return {s, (a - (s - v)) + (b - v)};
}

constexpr DD fast_two_sum(double a, double b) {  // |a| >= |b|
    const double s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly, by Veltkamp's split into 26-bit halves (no fused operation:
// the build keeps every product rounded on its own).
constexpr DD two_prod(double a, double b) {
    constexpr double split = 134217729.0;  // 2^27 + 1
    const double ca = split * a, cb = split * b;
    const double a_hi = ca - (ca - a), a_lo = a - a_hi;
    const double b_hi = cb - (cb - b), b_lo = b - b_hi;
    const double p = a * b;
    return {p, ((a_hi * b_hi - p) + a_hi * b_lo + a_lo * b_hi) + a_lo * b_lo};
}

constexpr DD add(DD a, DD b) {
    const DD s = two_sum(a.hi, b.hi);
    const DD t = two_sum(a.lo, b.lo);
    DD r = fast_two_sum(s.hi, s.lo + t.hi);
    return fast_two_sum(r.hi, r.lo + t.lo);
}

constexpr DD mul(DD a, DD b) {
    const DD p = two_prod(a.hi, b.hi);
    return fast_two_sum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DD div_int(DD a, int n) {
    const double q1 = a.hi / n;
    const DD p = two_prod(q1, n);
    const double r = ((a.hi - p.hi) - p.lo) + a.lo;
    return fast_two_sum(q1, r / n);
}

constexpr DD pow_int(DD b, int n) {  // n >= 0
    DD r{1.0, 0.0};
    while (n > 0) {
        if (n & 1) r = mul(r, b);
        b = mul(b, b);
        n >>= 1;
    }
    return r;
}

// e^y for |y| <= 1 by its series.
constexpr DD exp_series(double y) {
    DD sum{1.0, 0.0}, term{1.0, 0.0};
    for (int n = 1; n < 32; ++n) {  // 1/31! < 2^-112
        term = div_int(mul(term, DD{y, 0.0}), n);
        sum = add(sum, term);
    }
    return sum;
}

// floor(y) for |y| < 2^52.
constexpr std::int64_t floor_double(double y) {
    const std::int64_t i = static_cast<std::int64_t>(y);  // toward zero
    return static_cast<double>(i) > y ? i - 1 : i;
}

// v = whole + frac with an integer whole and frac in [0, 1), for
// 0 <= v < 2^63 (frac is exact up to the rounding of lo).
struct Parts {
    std::int64_t whole;
    double frac;
};
constexpr Parts split_integer(DD v) {
    const std::int64_t i = static_cast<std::int64_t>(v.hi);      // hi is exact from 2^52 on
    const double frac = (v.hi - static_cast<double>(i)) + v.lo;  // in (-1024, 1024)
    const std::int64_t f = floor_double(frac);
    return {i + f, frac - static_cast<double>(f)};
}

constexpr std::int64_t floor_of(DD v) { return split_integer(v).whole; }

// round(v) with halves up, saturated to hi_value, for v >= 0.
constexpr std::int64_t round_half_up_sat(DD v, std::int64_t hi_value) {
    constexpr double two63 = 9223372036854775808.0;
    if (v.hi > two63 || (v.hi == two63 && v.lo >= -0.5)) return hi_value;
    std::int64_t r;
    if (v.hi == two63) {
        r = INT64_MAX + (floor_double(v.lo + 0.5) + 1);  // 2^63 + round(lo), lo in (-1024, -0.5)
    } else {
        const Parts p = split_integer(v);
        r = p.whole + (p.frac >= 0.5 ? 1 : 0);
    }
    return r > hi_value ? hi_value : r;
}

// ceil(v) for 0 < v < 2^53, v not an integer.
constexpr std::int64_t ceil_of(DD v) { return floor_of(v) + 1; }

inline constexpr DD kE = exp_series(1.0);
inline constexpr DD kInvE = exp_series(-1.0);
inline constexpr DD kSqrtE = exp_series(0.5);

// 10^(1/20): Newton's method on t^20 = 10, first in double, then twice in
// double-double with the correction computed in double (it only has to be
// right to the precision it adds).
constexpr DD twentieth_root_of_ten() {
    double t = 1.12;
    for (int i = 0; i < 8; ++i) {
        double p = 1.0;
        for (int j = 0; j < 19; ++j) p *= t;
        t -= (p * t - 10.0) / (20.0 * p);
    }
    DD r{t, 0.0};
    for (int i = 0; i < 2; ++i) {
        const DD p19 = pow_int(r, 19);
        const DD residual = add(mul(p19, r), DD{-10.0, 0.0});
        r = add(r, DD{-(residual.hi / (20.0 * p19.hi)), 0.0});
    }
    return r;
}
inline constexpr DD kTwentiethRootOfTen = twentieth_root_of_ten();

// ---------------------------------------------------------------- integer exponential

template <class T>
struct ExpTable {
    static constexpr int kBits = IntBounds<T>::hi_bits;
    static constexpr int kReach = static_cast<int>(kBits * 0.6931471805599453) + 1;  // ceil(B ln 2)
    static constexpr int kColumns = 2 * kReach + 1;

    // Row of sf (|sf| <= kBits) and its first x.
    static constexpr int row(int sf) { return sf + kBits; }
    static constexpr int first_x(int sf) { return sf >= 0 ? 0 : -kReach; }

    T entry[2 * kBits + 1][kColumns];
};

template <class T>
constexpr ExpTable<T> make_exp_table() {
    using Table = ExpTable<T>;
    ExpTable<T> table{};
    // e^x for x = -kReach .. 2 kReach.
    DD powers[3 * Table::kReach + 1]{};
    for (int x = -Table::kReach; x <= 2 * Table::kReach; ++x)
        powers[x + Table::kReach] = x >= 0 ? pow_int(kE, x) : pow_int(kInvE, -x);
    for (int sf = -Table::kBits; sf <= Table::kBits; ++sf) {
        const double scale = pow2d(-sf);
        for (int c = 0; c < Table::kColumns; ++c) {
            const int x = Table::first_x(sf) + c;
            const DD e = powers[x + Table::kReach];
            table.entry[Table::row(sf)][c] =
                static_cast<T>(round_half_up_sat(DD{e.hi * scale, e.lo * scale}, IntBounds<T>::hi));
        }
    }
    return table;
}

template <class T>
inline constexpr ExpTable<T> kExpTable = make_exp_table<T>();

// The same rule for any x and sf (the tables' range excepted, where the
// tables are cheaper): round(e^x 2^-sf), halves up, saturated to hi_value,
// where hi_value + 1 = 2^bits.  The value is e^t with t = x - sf ln 2; only
// t in [-2, (bits + 2) ln 2] needs computing, and there |x| < 2^32, so t is
// formed exactly enough in double-double: ln 2 in three parts, the first two
// of 21 bits (sf times either is exact, and x minus sf times the first is
// exact), then e^t = e^floor(t) e^frac(t) from powers of e and the series.
constexpr std::int64_t exp_rule(std::int64_t x, int sf, std::int64_t hi_value, int bits) {
    constexpr double kLn2 = 0x1.62e42fefa39efp-1;
    constexpr double kLn2A = 0x1.62e42p-1, kLn2B = 0x1.fdf47p-22, kLn2C = 0x1.ef35793c7673p-45;
    const double rough = static_cast<double>(x) - sf * kLn2;
    if (rough < -2.0) return 0;                             // below e^-2 + tiny
    if (rough > (bits + 2) * kLn2) return hi_value;         // above 2^(bits + 1)
    const double s = static_cast<double>(sf);
    DD t = two_sum(static_cast<double>(x) - s * kLn2A, -(s * kLn2B));
    t = add(t, two_prod(-s, kLn2C));
    std::int64_t n = floor_double(t.hi);
    DD f = add(t, DD{-static_cast<double>(n), 0.0});
    if (f.hi < 0.0) f = add(f, DD{1.0, 0.0}), --n;
    const DD whole = n >= 0 ? pow_int(kE, static_cast<int>(n)) : pow_int(kInvE, static_cast<int>(-n));
    const DD part = mul(exp_series(f.hi), DD{1.0, f.lo});  // e^lo = 1 + lo to 2^-106
    return round_half_up_sat(mul(whole, part), hi_value);
}

// ---------------------------------------------------------------- integer logarithms

// Thresholds b^(2r - 1) for the given r, rounded up to integers: the r-th
// entry is the smallest integer x whose value is taken as r.
template <int N>
struct Steps {
    std::int32_t from[N];  // increasing
    std::int32_t value[N];
};

constexpr Steps<21> make_ln_thresholds() {
    Steps<21> s{};
    for (int r = 1; r <= 21; ++r) {
        s.from[r - 1] = static_cast<std::int32_t>(ceil_of(pow_int(kSqrtE, 2 * r - 1)));
        s.value[r - 1] = r;
    }
    return s;
}

// 10 log10 x taken to the nearest integer up to 12 (x <= 14), to the nearest
// even integer (halves up) from 12 to 92, and to the nearest integer again
// above: 93 from ceil(10^9.25).
constexpr Steps<53> make_ten_log10_steps() {
    Steps<53> s{};
    int n = 0;
    for (int r = 1; r <= 93; ++r) {
        if (r > 12 && r < 93 && (r & 1)) continue;
        s.from[n] = static_cast<std::int32_t>(ceil_of(pow_int(kTwentiethRootOfTen, 2 * r - 1)));
        s.value[n] = r;
        ++n;
    }
    return s;
}

inline constexpr Steps<21> kLnThresholds = make_ln_thresholds();
inline constexpr Steps<53> kTenLog10Steps = make_ten_log10_steps();

}  // namespace vdx::explog
