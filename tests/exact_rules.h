// The fixed-point rules worked out exactly, for the tests of every family:
// integers in 128 bits (exact rationals for quotients), floats through long
// double, which holds every float, every double and every power of two in
// reach exactly.  Ties are decided explicitly, so nothing here shares code
// or tricks with the library.
#pragma once

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "vdxs.h"

namespace exact {

using i128 = __int128;
using u128 = unsigned __int128;

template <class P>
constexpr i128 lo_of() {
    return std::is_signed_v<P> ? -(i128(1) << (8 * sizeof(P) - 1)) : 0;
}
template <class P>
constexpr i128 hi_of() {
    return std::is_signed_v<P> ? (i128(1) << (8 * sizeof(P) - 1)) - 1 : (i128(1) << (8 * sizeof(P))) - 1;
}

inline i128 clamp128(i128 v, i128 lo, i128 hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline u128 magnitude(i128 v) { return v < 0 ? -static_cast<u128>(v) : static_cast<u128>(v); }
inline int bit_length(u128 m) {
    int n = 0;
    for (; m; m >>= 1) ++n;
    return n;
}

// q + rem/den rounded by mode (0 <= rem < den < 2^127): vdxRndZero truncates,
// vdxRndNear rounds half to even, vdxRndFinancial half away from zero.
inline u128 round_magnitude(u128 q, u128 rem, u128 den, int mode) {
    if (mode == vdxRndZero || rem == 0) return q;
    const u128 twice = rem * 2;
    if (mode == vdxRndFinancial) return q + (twice >= den ? 1 : 0);
    return q + ((twice > den || (twice == den && (q & 1))) ? 1 : 0);
}

// n / d * 2^-sf rounded by mode, saturated to [lo, hi]; d != 0,
// |n| < 2^126, |d| <= 2^64.
inline i128 quotient(i128 n, i128 d, long long sf, int mode, i128 lo, i128 hi) {
    if (n == 0) return 0;
    const bool neg = (n < 0) != (d < 0);
    u128 un = magnitude(n), ud = magnitude(d);
    if (sf < 0) {
        // n 2^k >= 2^127 over |d| <= 2^64 is beyond every bound.
        if (bit_length(un) - sf > 127) return neg ? lo : hi;
        un <<= -sf;
    } else if (sf > 0) {
        if (bit_length(ud) + sf > 127) return 0;  // below one half
        ud <<= sf;
    }
    const u128 q = round_magnitude(un / ud, un % ud, ud, mode);
    return clamp128(neg ? -static_cast<i128>(q) : static_cast<i128>(q), lo, hi);
}

// r * 2^-sf rounded by mode (half to even unless told), saturated to P.
template <class P>
P scaled(i128 r, long long sf, int mode = vdxRndNear) {
    return P(quotient(r, 1, sf, mode, lo_of<P>(), hi_of<P>()));
}

// A long double value, exact as it stands, rounded by mode and saturated to
// P; NaN gives 0.
template <class P>
P rounded(long double v, int mode = vdxRndNear) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<long double>(hi_of<P>())) return P(hi_of<P>());
    if (v <= static_cast<long double>(lo_of<P>())) return P(lo_of<P>());
    const long double f = std::floor(v), frac = v - f;  // exact below 2^64
    long double r = f;
    if (mode == vdxRndZero)
        r = std::trunc(v);
    else if (frac > 0.5L || (frac == 0.5L && (mode == vdxRndFinancial ? v > 0 : std::fmod(f, 2.0L) != 0)))
        r = f + 1;
    return std::is_signed_v<P> ? P(static_cast<long long>(r)) : P(static_cast<unsigned long long>(r));
}

// x * 2^-sf exactly (far factors give 0 or infinity, which round and
// saturate as the exact value would), rounded by mode and saturated.
template <class P, class F>
P scaled_float(F x, long long sf, int mode = vdxRndNear) {
    return rounded<P>(std::ldexp(static_cast<long double>(x), static_cast<int>(std::clamp(-sf, -20000LL, 20000LL))),
                      mode);
}

}  // namespace exact
