// Arithmetic family, black box: the harness shared by the floating-point and
// the integer test binaries.
//
// Every member is one row: its function (wrapped to a uniform call), its
// argument shape, whether its operands are taken in swapped order, its types
// and the element rule that gives the expected result.  The rules here are
// written from the arithmetic itself, independently of the library:
//
//   - integers: the exact result in 128-bit integers (exact rational for
//     quotients), times 2^-sf, rounded by the mode (half to even unless a
//     Round form says otherwise), saturated to the destination part's range;
//   - floats: one IEEE operation per element in the element precision, each
//     product and sum of a complex product or quotient rounded on its own
//     (separate statements, through volatile, so nothing is fused);
//   - a zero divisor: +inf / -inf / NaN by the sign of the dividend for
//     floats, the destination's bound on the dividend's side (0 for a zero
//     dividend) for integers.
//
// A run places the vectors between poisoned guard zones at chosen
// misalignments (or against inaccessible pages), fills them from value pools
// rich in extremes and in results that fall exactly on a rounding tie, calls
// the member and compares every element bit for bit (NaN matches any NaN).
#pragma once

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace arith_test {

using i128 = __int128;
using u128 = unsigned __int128;

// ---------------------------------------------------------------- element types

template <class T>
struct Elem {
    using part = T;
    static constexpr bool complex = false;
};
#define ARITH_COMPLEX_ELEM(T, P)              \
    template <>                               \
    struct Elem<T> {                          \
        using part = P;                       \
        static constexpr bool complex = true; \
    };
ARITH_COMPLEX_ELEM(Vdx16sc, Vdx16s)
ARITH_COMPLEX_ELEM(Vdx32sc, Vdx32s)
ARITH_COMPLEX_ELEM(Vdx32fc, Vdx32f)
ARITH_COMPLEX_ELEM(Vdx64fc, Vdx64f)
#undef ARITH_COMPLEX_ELEM

template <class T>
inline constexpr bool is_complex_v = Elem<T>::complex;
template <class T>
using part_t = typename Elem<T>::part;
template <class T>
inline constexpr bool is_float_v = std::is_floating_point_v<part_t<T>>;

template <class P>
constexpr i128 lo_of() {
    return std::is_signed_v<P> ? -(i128(1) << (8 * sizeof(P) - 1)) : 0;
}
template <class P>
constexpr i128 hi_of() {
    return std::is_signed_v<P> ? (i128(1) << (8 * sizeof(P) - 1)) - 1 : (i128(1) << (8 * sizeof(P))) - 1;
}

// Real and imaginary parts of any element (a real's imaginary part is 0).
template <class T>
part_t<T> re_of(const T& v) {
    if constexpr (is_complex_v<T>)
        return v.re;
    else
        return v;
}
template <class T>
part_t<T> im_of(const T& v) {
    if constexpr (is_complex_v<T>)
        return v.im;
    else
        return part_t<T>(0);
}

template <class P>
bool same_part(P a, P b) {
    if constexpr (std::is_floating_point_v<P>) {
        if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
        return std::memcmp(&a, &b, sizeof(P)) == 0;  // -0 differs from +0
    } else {
        return a == b;
    }
}
template <class T>
bool same(const T& a, const T& b) {
    if constexpr (is_complex_v<T>)
        return same_part(a.re, b.re) && same_part(a.im, b.im);
    else
        return same_part(a, b);
}

template <class T>
bool is_zero(const T& v) {
    if constexpr (is_complex_v<T>)
        return v.re == 0 && v.im == 0;
    else
        return v == 0;
}

inline std::string show128(i128 v) {
    if (v == 0) return "0";
    const bool neg = v < 0;
    u128 m = neg ? -static_cast<u128>(v) : static_cast<u128>(v);
    std::string s;
    while (m) {
        s.insert(s.begin(), char('0' + int(m % 10)));
        m /= 10;
    }
    return neg ? "-" + s : s;
}

template <class P>
std::string show_part(P v) {
    char buf[96];
    if constexpr (std::is_same_v<P, float>) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        std::snprintf(buf, sizeof buf, "%.9g [%a, 0x%08x]", double(v), double(v), bits);
        return buf;
    } else if constexpr (std::is_same_v<P, double>) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        std::snprintf(buf, sizeof buf, "%.17g [%a, 0x%016llx]", v, v, static_cast<unsigned long long>(bits));
        return buf;
    } else {
        return show128(i128(v));
    }
}
template <class T>
std::string show(const T& v) {
    if constexpr (is_complex_v<T>) {
        std::string s = "(";
        s += show_part(v.re);
        s += ", ";
        s += show_part(v.im);
        s += ")";
        return s;
    } else {
        return show_part(v);
    }
}

// ---------------------------------------------------------------- value pools

inline std::mt19937_64& rng() {
    static std::mt19937_64 g{0xA517C0DEull};
    return g;
}

// Integers: extremes, small values, values near the bounds, random bits, and
// a large share of odd * 2^j: sums and products of those land exactly on a
// rounding tie for every scale factor (x * y = odd * 2^(j1 + j2) is a tie at
// sf = j1 + j2 + 1), and so do their quotients.
template <class P>
P pick_int() {
    auto& g = rng();
    constexpr int bits = 8 * sizeof(P);
    const i128 lo = lo_of<P>(), hi = hi_of<P>();
    auto fit = [&](i128 v) { return P(v < lo ? lo : (v > hi ? hi : v)); };
    const bool neg = std::is_signed_v<P> && (g() & 1);
    switch (g() % 10) {
        case 0: {
            const i128 ex[] = {lo, hi, 0, 1, -1, lo + 1, hi - 1, 2, -2};
            return fit(ex[g() % 9]);
        }
        case 1:
        case 2:
        case 3: {
            const i128 odd = 1 + 2 * i128(g() % 8);
            int j = int(g() % bits);
            while (j > 0 && (odd << j) > hi) --j;
            return fit(neg ? -(odd << j) : (odd << j));
        }
        case 4:
            return fit(i128(g() % 11) - 5);
        case 5:
            return fit(neg ? lo + i128(g() % 4) : hi - i128(g() % 4));
        default: {
            P v;
            const std::uint64_t r = g();
            std::memcpy(&v, &r, sizeof(P));
            return v;
        }
    }
}

// Floats: specials (signed zeros, infinities, NaNs, extremes, subnormals),
// small dyadic values (exact products that tie when rounded to integers),
// random bit patterns, and mostly full-mantissa values of moderate exponent
// (whose products and sums all round).
template <class F>
F pick_float() {
    auto& g = rng();
    using L = std::numeric_limits<F>;
    switch (g() % 16) {
        case 0: {
            const F sp[] = {
                F(0),     -F(0),       L::infinity(), -L::infinity(),   L::quiet_NaN(),         -L::quiet_NaN(),
                L::max(), L::lowest(), L::min(),      -L::denorm_min(), F(3) * L::denorm_min(), F(1),
                F(-1),    F(0.5)};
            return sp[g() % (sizeof sp / sizeof sp[0])];
        }
        case 1: {
            F v;
            const std::uint64_t r = g();
            std::memcpy(&v, &r, sizeof(F));
            return v;
        }
        case 2:
        case 3:
            return F(int(g() % 161) - 80) / F(1 << (g() % 3));
        default: {
            const F frac = F(g() >> 11) * F(0x1p-53);
            const F v = std::ldexp(F(1) + frac, int(g() % 49) - 24);
            return (g() & 1) ? -v : v;
        }
    }
}

template <class T>
T pick() {
    using P = part_t<T>;
    auto one = [] {
        if constexpr (std::is_floating_point_v<P>)
            return pick_float<P>();
        else
            return pick_int<P>();
    };
    if constexpr (is_complex_v<T>) {
        T v;
        v.re = one();
        v.im = one();
        // A share of purely real or imaginary values and of zeros: zero parts
        // matter to products and quotients (and make zero divisors).
        const auto r = rng()() % 16;
        if (r == 0 || r == 2) v.im = P(0);
        if (r == 1 || r == 2) v.re = P(0);
        return v;
    } else {
        return one();
    }
}

// Constants: a quarter of them special values (signed zeros, infinities,
// NaN, the type's extremes), the rest from the general pool.
template <class T>
T pick_constant() {
    using P = part_t<T>;
    if (rng()() % 4 != 0) return pick<T>();
    auto one = [] {
        auto& g = rng();
        if constexpr (std::is_floating_point_v<P>) {
            using L = std::numeric_limits<P>;
            const P sp[] = {P(0),        -P(0),           L::infinity(), -L::infinity(), L::quiet_NaN(), L::max(),
                            L::lowest(), L::denorm_min(), P(1),          P(-1),          P(0.5),         P(-2)};
            return sp[g() % (sizeof sp / sizeof sp[0])];
        } else {
            const i128 ex[] = {
                lo_of<P>(), hi_of<P>(), 0, 1, lo_of<P>() + 1, hi_of<P>() - 1, std::is_signed_v<P> ? -1 : 2};
            return P(ex[g() % 7]);
        }
    };
    if constexpr (is_complex_v<T>) {
        T v;
        v.re = one();
        v.im = (rng()() & 1) ? one() : P(0);
        return v;
    } else {
        return one();
    }
}

template <class T>
T nonzero(T v) {
    while (is_zero(v)) v = pick<T>();
    return v;
}

// ---------------------------------------------------------------- exact integer rules

enum class Op { add, sub, mul, div };

inline int bit_length(u128 m) {
    int n = 0;
    while (m) {
        ++n;
        m >>= 1;
    }
    return n;
}

inline i128 clamp128(i128 v, i128 lo, i128 hi) { return v < lo ? lo : (v > hi ? hi : v); }

inline u128 magnitude(i128 v) { return v < 0 ? -static_cast<u128>(v) : static_cast<u128>(v); }

// q + rem/den rounded by mode (0 <= rem < den): vdxRndZero truncates,
// vdxRndNear rounds half to even, vdxRndFinancial half away from zero.
inline u128 round_up_magnitude(u128 q, u128 rem, u128 den, int mode) {
    if (mode == vdxRndZero || rem == 0) return q;
    const u128 twice = rem * 2;  // den < 2^127
    if (mode == vdxRndFinancial) return q + (twice >= den ? 1 : 0);
    return q + ((twice > den || (twice == den && (q & 1))) ? 1 : 0);
}

// r * 2^-sf, rounded by mode, saturated to [lo, hi]; |r| < 2^127.
inline i128 scale_exact(i128 r, long long sf, int mode, i128 lo, i128 hi) {
    if (r == 0) return 0;
    const bool neg = r < 0;
    u128 m = magnitude(r);
    if (sf <= 0) {
        const long long k = -sf;
        // Beyond 2^126 every bound is left behind.
        if (bit_length(m) + k > 126) return neg ? lo : hi;
        m <<= k;
    } else if (sf >= 127) {
        m = 0;  // below one half: 0 in every mode
    } else {
        const u128 den = u128(1) << sf;
        m = round_up_magnitude(m >> sf, m & (den - 1), den, mode);
    }
    const i128 v = neg ? -static_cast<i128>(m) : static_cast<i128>(m);
    return clamp128(v, lo, hi);
}

// n / d * 2^-sf rounded by mode, saturated; d != 0, |n| < 2^100, |d| <= 2^63.
inline i128 quotient_exact(i128 n, i128 d, long long sf, int mode, i128 lo, i128 hi) {
    if (n == 0) return 0;
    const bool neg = (n < 0) != (d < 0);
    u128 un = magnitude(n), ud = magnitude(d);
    if (sf < 0) {
        const long long k = -sf;
        // n 2^k >= 2^127 over |d| <= 2^63 is beyond 2^64: saturated.
        if (bit_length(un) + k > 127) return neg ? lo : hi;
        un <<= k;
    } else if (sf > 0) {
        if (bit_length(ud) + sf > 127) return 0;  // below one half
        ud <<= sf;
    }
    const u128 q = round_up_magnitude(un / ud, un % ud, ud, mode);
    const i128 v = neg ? -static_cast<i128>(q) : static_cast<i128>(q);
    return clamp128(v, lo, hi);
}

template <class P>
P scale_to(i128 r, long long sf, int mode = vdxRndNear) {
    return P(scale_exact(r, sf, mode, lo_of<P>(), hi_of<P>()));
}

// The integer result of a division by zero: the bound on the dividend's side.
template <class P, class N>
P bound_by_sign(N n) {
    return n > 0 ? P(hi_of<P>()) : (n < 0 ? P(lo_of<P>()) : P(0));
}

// A long double value (already exact) rounded half to even and saturated;
// NaN gives 0.
template <class P>
P round_even_sat(long double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<long double>(hi_of<P>())) return P(hi_of<P>());
    if (v <= static_cast<long double>(lo_of<P>())) return P(lo_of<P>());
    const long double f = std::floor(v);
    const long double frac = v - f;  // exact
    long double r = f;
    if (frac > 0.5L || (frac == 0.5L && std::fmod(f, 2.0L) != 0)) r = f + 1;
    return static_cast<P>(static_cast<long long>(r));
}

// ---------------------------------------------------------------- floating-point rules

template <class F>
F div_by_zero(F n) {
    if (n > 0) return std::numeric_limits<F>::infinity();
    if (n < 0) return -std::numeric_limits<F>::infinity();
    return std::numeric_limits<F>::quiet_NaN();
}

// One IEEE operation in F.
template <class F>
F fop(Op op, F a, F b) {
    volatile F va = a, vb = b;
    volatile F r;
    switch (op) {
        case Op::add:
            r = va + vb;
            break;
        case Op::sub:
            r = va - vb;
            break;
        case Op::mul:
            r = va * vb;
            break;
        case Op::div:
            if (b == F(0)) return div_by_zero(a);
            r = va / vb;
            break;
    }
    return r;
}

// ---------------------------------------------------------------- element rules
//
// apply<D>(l, r, sf, mode): the element l OP r (l is the left operand of the
// mathematical operation: the dividend, the minuend).  divides: whether the
// rule reports zero divisors (r).  adjust(x, y): narrows generated operands
// where a member promises exact results only for some inputs.
// propose<D>(x, y, sf, swapped): another value for the vector operand x that
// puts the exact result on a rounding tie at this scale factor, or next to a
// bound of the destination (x itself where the rule cannot aim);
// propose_acc<D>: the same for the accumulator of AddProduct.

struct RuleBase {
    template <class X, class Y>
    static void adjust(X&, const Y&) {}
    template <class D, class X, class Y>
    static X propose(const X& x, const Y&, int, bool) {
        return x;
    }
    template <class D, class X, class Y>
    static D propose_acc(const D& acc, const X&, const Y&, int) {
        return acc;
    }
};

template <class P>
bool fits(i128 v) {
    return v >= lo_of<P>() && v <= hi_of<P>();
}

inline i128 random_odd(bool negative_too) {
    const i128 odd = 1 + 2 * i128(rng()() % 4);
    return (negative_too && (rng()() & 1)) ? -odd : odd;
}

inline int trailing_zeros(u128 m) {
    int n = 0;
    while (m && !(m & 1)) {
        m >>= 1;
        ++n;
    }
    return n;
}

// An exact result to aim at, near r: on a tie of scale factor sf (an odd
// multiple of 2^(sf-1)), or within one unit of a bound of P after scaling.
// false when sf leaves nothing to aim at.
template <class P>
bool aim(i128 r, int sf, i128* target) {
    auto& g = rng();
    const i128 step = i128(g() % 3) - 1;
    if (g() & 1) {
        if (sf < 1 || sf > 100) return false;
        const i128 unit = i128(1) << sf;
        *target = (r >> sf) * unit + unit / 2 + step * unit;
        return true;
    }
    const i128 bound = (g() & 1) ? hi_of<P>() : lo_of<P>();
    if (sf >= 0 && sf <= 60) {
        const i128 unit = i128(1) << sf;
        *target = bound * unit + i128(g() % (2 * std::uint64_t(unit) + 1)) - unit;
        return true;
    }
    if (sf < 0 && sf >= -60) {
        *target = (bound >> -sf) + step;
        return true;
    }
    return false;
}

template <Op O>
struct FloatRule : RuleBase {
    static constexpr bool divides = O == Op::div;
    template <class R>
    static bool zero_divisor(const R& r) {
        return is_zero(r);
    }
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int, int) {
        using F = part_t<D>;
        if constexpr (!is_complex_v<D>) {
            return fop(O, F(l), F(r));  // integer operands convert exactly
        } else if constexpr (is_complex_v<L> && is_complex_v<R>) {
            const F a = l.re, b = l.im, c = r.re, d = r.im;
            if constexpr (O == Op::add || O == Op::sub) {
                return D{fop(O, a, c), fop(O, b, d)};
            } else if constexpr (O == Op::mul) {
                return D{fop(Op::sub, fop(Op::mul, a, c), fop(Op::mul, b, d)),
                         fop(Op::add, fop(Op::mul, a, d), fop(Op::mul, b, c))};
            } else {
                if (c == 0 && d == 0) return D{div_by_zero(a), div_by_zero(b)};
                const F den = fop(Op::add, fop(Op::mul, c, c), fop(Op::mul, d, d));
                return D{fop(Op::div, fop(Op::add, fop(Op::mul, a, c), fop(Op::mul, b, d)), den),
                         fop(Op::div, fop(Op::sub, fop(Op::mul, b, c), fop(Op::mul, a, d)), den)};
            }
        } else {
            static_assert(O == Op::mul, "only products mix real and complex operands");
            if constexpr (is_complex_v<R>)
                return D{fop(Op::mul, F(l), r.re), fop(Op::mul, F(l), r.im)};
            else
                return D{fop(Op::mul, l.re, F(r)), fop(Op::mul, l.im, F(r))};
        }
    }
};

// Exact integer result, scaled by 2^-sf, rounded half to even, saturated
// (members without a scale factor run with sf = 0: plain saturation).
template <Op O>
struct IntRule : RuleBase {
    static constexpr bool divides = false;
    template <class R>
    static bool zero_divisor(const R&) {
        return false;
    }
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int) {
        using P = part_t<D>;
        const i128 a = re_of(l), b = im_of(l), c = re_of(r), d = im_of(r);
        i128 pr, pi;
        switch (O) {
            case Op::add:
                pr = a + c, pi = b + d;
                break;
            case Op::sub:
                pr = a - c, pi = b - d;
                break;
            default:
                pr = a * c - b * d, pi = a * d + b * c;
                break;
        }
        if constexpr (is_complex_v<D>)
            return D{scale_to<P>(pr, sf), scale_to<P>(pi, sf)};
        else
            return scale_to<P>(pr, sf);
    }

    template <class D, class X, class Y>
    static X propose(const X& x, const Y& y, int sf, bool swapped) {
        using P = part_t<D>;
        using XP = part_t<X>;
        if constexpr (O == Op::mul) {
            // A real first operand (the imaginary part cleared) times y.re.
            X v = x;
            if constexpr (is_complex_v<X>) {
                v.im = 0;
                v.re = product_tie<XP>(x.re, re_of(y), sf);
            } else {
                v = product_tie<XP>(x, re_of(y), sf);
            }
            return v;
        } else {
            X v = x;
            if constexpr (is_complex_v<X>) {
                v.re = sum_target<XP, P>(x.re, re_of(y), sf, swapped);
                v.im = sum_target<XP, P>(x.im, im_of(y), sf, swapped);
            } else {
                v = sum_target<XP, P>(x, re_of(y), sf, swapped);
            }
            return v;
        }
    }

private:
    // x' such that x' OP y (or y OP x') is a target near x OP y.
    template <class XP, class P, class YP>
    static XP sum_target(XP x, YP y, int sf, bool swapped) {
        const i128 r = O == Op::add ? i128(x) + i128(y) : (swapped ? i128(y) - i128(x) : i128(x) - i128(y));
        i128 t;
        if (!aim<P>(r, sf, &t)) return x;
        const i128 v = O == Op::add ? t - i128(y) : (swapped ? i128(y) - t : t + i128(y));
        return fits<XP>(v) ? XP(v) : x;
    }
    // x' = odd * 2^e with e + (trailing zeros of y) = sf - 1: x' y is a tie.
    template <class XP, class YP>
    static XP product_tie(XP x, YP y, int sf) {
        if (y == 0 || sf < 1) return x;
        const int e = sf - 1 - trailing_zeros(magnitude(i128(y)));
        if (e < 0 || e > 100) return x;
        const i128 v = random_odd(std::is_signed_v<XP>) * (i128(1) << e);
        return fits<XP>(v) ? XP(v) : x;
    }
};

// Integer quotient l / r, exact, scaled, rounded by the call's mode, saturated;
// complex: ((ac + bd) + (bc - ad) i) / (c^2 + d^2), each part rounded.
struct QuotientRule : RuleBase {
    static constexpr bool divides = true;
    template <class R>
    static bool zero_divisor(const R& r) {
        return is_zero(r);
    }
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int mode) {
        using P = part_t<D>;
        if constexpr (!is_complex_v<D>) {
            if (r == 0) return bound_by_sign<P>(l);
            return P(quotient_exact(i128(l), i128(r), sf, mode, lo_of<P>(), hi_of<P>()));
        } else {
            const i128 a = re_of(l), b = im_of(l), c = re_of(r), d = im_of(r);
            if (c == 0 && d == 0) return D{bound_by_sign<P>(a), bound_by_sign<P>(b)};
            const i128 den = c * c + d * d;
            return D{P(quotient_exact(a * c + b * d, den, sf, mode, lo_of<P>(), hi_of<P>())),
                     P(quotient_exact(b * c - a * d, den, sf, mode, lo_of<P>(), hi_of<P>()))};
        }
    }

    // A dividend or divisor x that makes the quotient an odd multiple of 1/2
    // after scaling (real quotients only).
    template <class D, class X, class Y>
    static X propose(const X& x, const Y& y, int sf, bool swapped) {
        if constexpr (is_complex_v<X> || is_complex_v<Y>) {
            return x;
        } else {
            if (y == 0 || sf < -60 || sf > 60) return x;
            const i128 odd = random_odd(std::is_signed_v<X>);
            i128 v;
            if (!swapped) {  // x / y * 2^-sf = odd / 2
                if (sf >= 1) {
                    v = odd * i128(y) * (i128(1) << (sf - 1));
                } else {
                    const i128 unit = i128(1) << (1 - sf);
                    if (i128(y) % unit != 0) return x;
                    v = odd * (i128(y) / unit);
                }
            } else {  // y / x * 2^-sf = odd / 2: x = y 2^(1 - sf) / odd
                i128 num = i128(y);
                if (sf <= 1) {
                    num *= i128(1) << (1 - sf);
                } else {
                    const i128 unit = i128(1) << (sf - 1);
                    if (num % unit != 0) return x;
                    num /= unit;
                }
                if (num % odd != 0) return x;
                v = num / odd;
            }
            return fits<X>(v) ? X(v) : x;
        }
    }
};

// Float product (one rounding in float), then times 2^-sf exactly, rounded
// half to even, saturated; NaN gives 0.
struct FloatProductToIntRule : RuleBase {
    static constexpr bool divides = false;
    template <class R>
    static bool zero_divisor(const R&) {
        return false;
    }
    template <class D, class L, class R>
    static D apply(const L& l, const R& r, int sf, int) {
        const L p = fop(Op::mul, l, L(r));
        const int k = std::clamp(sf, -4000, 4000);  // far beyond every float: saturates or rounds to 0 alike
        return round_even_sat<D>(std::ldexp(static_cast<long double>(p), -k));
    }

    // x near (n + 1/2) 2^sf / val: a product on (or next to) a tie, or at a bound.
    template <class D, class X, class Y>
    static X propose(const X& x, const Y& val, int sf, bool) {
        if (!std::isfinite(val) || val == 0 || sf < -40 || sf > 40) return x;
        auto& g = rng();
        const long double n = (g() & 1) ? (long double)(int(g() % 81) - 40)
                                        : ((g() & 1) ? (long double)hi_of<D>() : (long double)lo_of<D>());
        return X(std::ldexp(n + 0.5L, sf) / val);
    }
};

// val (double) times a 64-bit integer, exactly, times 2^-sf, rounded half to
// even, saturated.  The product is promised exact only while it fits the 64
// significant bits of extended precision, so generated integers keep only as
// many leading bits as the constant's mantissa leaves room for.
struct DoubleTimesInt64Rule {
    static constexpr bool divides = false;
    template <class R>
    static bool zero_divisor(const R&) {
        return false;
    }
    static int significant_bits(u128 m) {
        if (m == 0) return 0;
        while (!(m & 1)) m >>= 1;
        return bit_length(m);
    }
    static std::int64_t mantissa(double v, int* exp) {
        int e = 0;
        const double f = std::frexp(v, &e);
        *exp = e - 53;
        return static_cast<std::int64_t>(std::ldexp(f, 53));
    }
    static void adjust(Vdx64s& x, const Vdx64f& val) {
        if (!std::isfinite(val) || val == 0) return;
        int e;
        const int keep = 64 - significant_bits(magnitude(mantissa(val, &e)));
        u128 m = magnitude(x);
        const int drop = bit_length(m) - keep;
        if (drop > 0) m &= ~((u128(1) << drop) - 1);
        x = x < 0 ? static_cast<Vdx64s>(-static_cast<i128>(m)) : static_cast<Vdx64s>(m);
    }
    template <class D, class L, class R>
    static D apply(const L& x, const R& val, int sf, int) {
        static_assert(std::is_same_v<L, Vdx64s> && std::is_same_v<R, Vdx64f> && std::is_same_v<D, Vdx64s>);
        if (std::isnan(val) || (std::isinf(val) && x == 0)) return 0;
        if (std::isinf(val)) return (val > 0) == (x > 0) ? INT64_MAX : INT64_MIN;
        if (val == 0 || x == 0) return 0;
        int e;
        const i128 m = mantissa(val, &e);
        return scale_to<Vdx64s>(m * i128(x), static_cast<long long>(sf) - e);
    }

    // With val = m 2^e (m odd), x = odd 2^(sf - 1 - e) makes x val 2^-sf an
    // odd multiple of 1/2.
    template <class D, class X, class Y>
    static X propose(const X& x, const Y& val, int sf, bool) {
        if (!std::isfinite(val) || val == 0) return x;
        int e;
        const std::int64_t m = mantissa(val, &e);
        const long long s = static_cast<long long>(sf) - 1 - e - trailing_zeros(magnitude(m));
        if (s < 0 || s > 60) return x;
        return static_cast<X>(random_odd(true) * (i128(1) << s));
    }
};

// acc + x * y: floats as two IEEE operations (the product rounded, then the
// sum), integers as one exact result scaled, rounded and saturated.
struct FloatMacRule : RuleBase {
    static constexpr bool divides = false;
    template <class R>
    static bool zero_divisor(const R&) {
        return false;
    }
    template <class D, class X, class Y>
    static D accumulate(const D& acc, const X& x, const Y& y, int sf) {
        const D p = FloatRule<Op::mul>::apply<D>(x, y, sf, vdxRndNear);
        return FloatRule<Op::add>::apply<D>(acc, p, sf, vdxRndNear);
    }
};
struct IntMacRule : RuleBase {
    static constexpr bool divides = false;
    template <class R>
    static bool zero_divisor(const R&) {
        return false;
    }
    template <class D, class X, class Y>
    static D accumulate(const D& acc, const X& x, const Y& y, int sf) {
        return scale_to<D>(i128(acc) + i128(x) * i128(y), sf);
    }
    template <class D, class X, class Y>
    static D propose_acc(const D& acc, const X& x, const Y& y, int sf) {
        const i128 p = i128(x) * i128(y);
        i128 t;
        if (!aim<D>(i128(acc) + p, sf, &t)) return acc;
        return fits<D>(t - p) ? D(t - p) : acc;
    }
};

// ---------------------------------------------------------------- memory

constexpr std::uint8_t kPoison = 0xA5;

// `bytes` bytes starting `misalign` bytes past a 64-byte boundary, between
// 64 poisoned bytes on each side.
class Guarded {
public:
    Guarded(std::size_t bytes, std::size_t misalign) : bytes_(bytes), all_(bytes + misalign + 192, kPoison) {
        lead_ = (64 - reinterpret_cast<std::uintptr_t>(all_.data()) % 64) % 64 + 64 + misalign;
    }
    std::uint8_t* data() { return all_.data() + lead_; }
    bool guards_intact() const {
        auto poisoned = [](std::uint8_t b) { return b == kPoison; };
        return std::all_of(all_.begin(), all_.begin() + lead_, poisoned) &&
               std::all_of(all_.begin() + lead_ + bytes_, all_.end(), poisoned);
    }

private:
    std::size_t bytes_, lead_;
    std::vector<std::uint8_t> all_;
};

// Read-write pages between two inaccessible ones.
class Fenced {
public:
    explicit Fenced(std::size_t bytes) : page_(sysconf(_SC_PAGESIZE)), size_((bytes / page_ + 1) * page_) {
        void* p = mmap(nullptr, size_ + 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) std::abort();
        map_ = static_cast<std::uint8_t*>(p);
        mprotect(map_, page_, PROT_NONE);
        mprotect(map_ + page_ + size_, page_, PROT_NONE);
    }
    ~Fenced() { munmap(map_, size_ + 2 * page_); }
    Fenced(const Fenced&) = delete;
    Fenced& operator=(const Fenced&) = delete;
    // n bytes ending at the upper fence, or starting at the lower one.
    std::uint8_t* at(bool upper, std::size_t n) { return upper ? map_ + page_ + size_ - n : map_ + page_; }
    std::size_t capacity() const { return size_; }

private:
    std::size_t page_, size_;
    std::uint8_t* map_;
};

// ---------------------------------------------------------------- the harness

enum class Shape {
    vv,    // (src1[], src2[], dst[], len)
    vvi,   // (src[], srcDst[], len)
    vc,    // (src[], val, dst[], len)
    vci,   // (val, srcDst[], len)
    mac,   // (src1[], src2[], srcDst[], len): srcDst += src1 * src2
    macc,  // (src[], val, srcDst[], len): srcDst += src * val
};

enum class Place { guarded, fence_low, fence_high };

// Three page-fenced regions (one per vector role), shared by every run.
inline Fenced& fences(int role, std::size_t bytes) {
    static Fenced regions[3] = {Fenced(1 << 17), Fenced(1 << 17), Fenced(1 << 17)};
    if (bytes > regions[role].capacity()) std::abort();
    return regions[role];
}

struct RunOptions {
    int len = 1;
    int sf = 0;
    int mode = vdxRndNear;
    Place place = Place::guarded;
    int misalign = 0;                  // 0 .. 26: one of {0, 1, 3} elements for each of three vectors
    bool avoid_zero_divisor = false;   // replace generated zero divisors
    std::vector<int> zero_divisor_at;  // divisor elements forced to zero
};

// The scale factors every Sfs member runs with: each regime of the rule
// (rounding shifts, everything rounding to 0, left shifts, sign saturation)
// and the extremes of the argument.
inline std::vector<int> scale_factors() {
    std::vector<int> out;
    for (int sf = -20; sf <= 20; ++sf) out.push_back(sf);
    for (int sf : {31, 32, 63, 64, 200, INT_MAX, -31, -32, -63, -64, -200, INT_MIN}) out.push_back(sf);
    return out;
}

inline const char* place_name(Place p) {
    return p == Place::guarded ? "guarded" : (p == Place::fence_low ? "at lower page fence" : "at upper page fence");
}

class MemberBase {
public:
    MemberBase(std::string name, bool sfs, bool round, bool zero_constant_error)
        : name_(std::move(name)), sfs_(sfs), round_(round), zero_constant_error_(zero_constant_error) {}
    virtual ~MemberBase() = default;
    const std::string& name() const { return name_; }
    bool sfs() const { return sfs_; }
    bool round() const { return round_; }
    bool zero_constant_error() const { return zero_constant_error_; }

    // One call on fresh data, compared element by element with the rule.
    virtual ::testing::AssertionResult run(const RunOptions& o) const = 0;
    // Every way an argument check can fail; nothing may be written.
    virtual void check_rejections() const = 0;

    std::vector<int> scale_factor_list() const { return sfs_ ? scale_factors() : std::vector<int>{0}; }
    std::vector<int> modes() const {
        return round_ ? std::vector<int>{vdxRndZero, vdxRndNear, vdxRndFinancial} : std::vector<int>{vdxRndNear};
    }

private:
    std::string name_;
    bool sfs_, round_, zero_constant_error_;
};

// Uniform call: (x, y, dst, len, sf, mode).  In-place shapes ignore the
// operand their function does not take (the harness puts its values into
// dst); constant shapes read *y.
template <class X, class Y, class D>
using Call = VdxStatus (*)(const X*, const Y*, D*, int, int, int);

template <Shape S, bool Swapped, class X, class Y, class D, class Rule>
class Member final : public MemberBase {
public:
    Member(std::string name, Call<X, Y, D> call, bool sfs, bool round, bool zero_constant_error)
        : MemberBase(std::move(name), sfs, round, zero_constant_error), call_(call) {
        if constexpr (S == Shape::vvi) static_assert(std::is_same_v<Y, D>, "in place: the second operand is dst");
        if constexpr (S == Shape::vci) static_assert(std::is_same_v<X, D>, "in place: the vector is dst");
    }

    static constexpr bool kYVector = S == Shape::vv || S == Shape::vvi || S == Shape::mac;
    static constexpr bool kAccumulates = S == Shape::mac || S == Shape::macc;
    // Separate source buffers (in-place shapes keep one operand in dst).
    static constexpr bool kXBuffer = S != Shape::vci;
    static constexpr bool kYBuffer = S == Shape::vv || S == Shape::mac;
    // The operands' names in the function's own terms, for failure reports.
    static constexpr const char* kXName =
        S == Shape::vv || S == Shape::mac ? "src1" : (S == Shape::vci ? "srcDst" : "src");
    static constexpr const char* kYName =
        S == Shape::vv || S == Shape::mac ? "src2" : (S == Shape::vvi ? "srcDst" : "val");

    ::testing::AssertionResult run(const RunOptions& options) const override {
        RunOptions o = options;
        if (!sfs()) o.sf = 0;  // members without a scale factor compute at 2^0
        if (!round()) o.mode = vdxRndNear;
        const int n = o.len;
        std::vector<X> xs(n);
        std::vector<Y> ys(kYVector ? n : 1);
        std::vector<D> dst0(n);
        for (auto& v : xs) v = pick<X>();
        for (auto& v : ys) v = kYVector ? pick<Y>() : pick_constant<Y>();
        if (!kYVector && zero_constant_error()) ys[0] = nonzero(ys[0]);
        // A quarter of the elements aimed at ties and bounds.
        for (int i = 0; i < n; ++i)
            if (rng()() % 4 == 0) xs[i] = Rule::template propose<D>(xs[i], ys[kYVector ? i : 0], o.sf, Swapped);
        for (int i = 0; i < n; ++i) Rule::adjust(xs[i], ys[kYVector ? i : 0]);
        if constexpr (Rule::divides) {
            // The divisor is the right operand: x when swapped, y otherwise.
            auto& divisors = [&]() -> auto& {
                if constexpr (Swapped)
                    return xs;
                else
                    return ys;
            }
            ();
            if (o.avoid_zero_divisor)
                for (auto& v : divisors) v = nonzero(v);
            for (int i : o.zero_divisor_at) divisors.at(i) = {};
        }
        if constexpr (kAccumulates) {
            for (int i = 0; i < n; ++i) {
                dst0[i] = pick<D>();
                if (rng()() % 4 == 0)
                    dst0[i] = Rule::template propose_acc<D>(dst0[i], xs[i], ys[kYVector ? i : 0], o.sf);
            }
        } else if constexpr (S == Shape::vvi) {
            dst0 = ys;
        } else if constexpr (S == Shape::vci) {
            dst0 = xs;
        }

        // Expected elements and status.
        std::vector<D> expect(n);
        bool zero = false;
        for (int i = 0; i < n; ++i) {
            const X& x = xs[i];
            const Y& y = ys[kYVector ? i : 0];
            if constexpr (kAccumulates) {
                expect[i] = Rule::template accumulate<D>(dst0[i], x, y, o.sf);
            } else if constexpr (Swapped) {
                expect[i] = Rule::template apply<D>(y, x, o.sf, o.mode);
                zero |= Rule::divides && Rule::zero_divisor(x);
            } else {
                expect[i] = Rule::template apply<D>(x, y, o.sf, o.mode);
                zero |= Rule::divides && Rule::zero_divisor(y);
            }
        }
        const VdxStatus expectStatus = zero ? vdxStsDivByZero : vdxStsNoErr;

        // Placement.
        const auto offset = [&](int role, std::size_t size) {
            static constexpr int kElems[3] = {0, 1, 3};
            int m = o.misalign;
            for (int r = 0; r < role; ++r) m /= 3;
            return kElems[m % 3] * size;
        };
        const std::size_t xb = n * sizeof(X), yb = n * sizeof(Y), db = n * sizeof(D);
        std::unique_ptr<Guarded> gx, gy, gd;
        std::uint8_t *px = nullptr, *py = nullptr, *pd = nullptr;
        if (o.place == Place::guarded) {
            if (kXBuffer) gx = std::make_unique<Guarded>(xb, offset(0, sizeof(X))), px = gx->data();
            if (kYBuffer) gy = std::make_unique<Guarded>(yb, offset(1, sizeof(Y))), py = gy->data();
            gd = std::make_unique<Guarded>(db, offset(2, sizeof(D)));
            pd = gd->data();
        } else {
            const bool upper = o.place == Place::fence_high;
            if (kXBuffer) px = fences(0, xb).at(upper, xb);
            if (kYBuffer) py = fences(1, yb).at(upper, yb);
            pd = fences(2, db).at(upper, db);
            std::memset(pd, kPoison, db);
        }
        if (kXBuffer) std::memcpy(px, xs.data(), xb);
        if (kYBuffer) std::memcpy(py, ys.data(), yb);
        if (kAccumulates || S == Shape::vvi || S == Shape::vci) std::memcpy(pd, dst0.data(), db);

        const X* cx = kXBuffer ? reinterpret_cast<const X*>(px) : nullptr;
        const Y* cy = kYBuffer ? reinterpret_cast<const Y*>(py) : (kYVector ? nullptr : ys.data());
        D* cd = reinterpret_cast<D*>(pd);
        const VdxStatus status = call_(cx, cy, cd, n, o.sf, o.mode);

        auto where = [&]() {
            return name() + " len " + std::to_string(n) + " sf " + std::to_string(o.sf) + " mode " +
                   std::to_string(o.mode) + " misalign " + std::to_string(o.misalign) + " " + place_name(o.place);
        };
        std::vector<D> got(n);
        std::memcpy(got.data(), pd, db);
        for (int i = 0; i < n; ++i) {
            if (!same(got[i], expect[i])) {
                auto f = ::testing::AssertionFailure();
                f << where() << ": element " << i << " of " << n << "\n  " << kXName << " = " << show(xs[i]) << "\n  "
                  << kYName << " = " << show(ys[kYVector ? i : 0]);
                if (kAccumulates) f << "\n  srcDst before = " << show(dst0[i]);
                f << "\n  expected " << show(expect[i]) << "\n  actual   " << show(got[i]) << "\n  (status " << status
                  << ")";
                return f;
            }
        }
        if (status != expectStatus)
            return ::testing::AssertionFailure() << where() << ": status " << status << ", expected " << expectStatus;
        if (gd && !gd->guards_intact()) return ::testing::AssertionFailure() << where() << ": wrote outside dst";
        if ((gx && !gx->guards_intact()) || (gy && !gy->guards_intact()))
            return ::testing::AssertionFailure() << where() << ": wrote around a source";
        if ((kXBuffer && std::memcmp(px, xs.data(), xb) != 0) || (kYBuffer && std::memcmp(py, ys.data(), yb) != 0))
            return ::testing::AssertionFailure() << where() << ": changed a source vector";
        return ::testing::AssertionSuccess();
    }

    void check_rejections() const override {
        constexpr int kLen = 9;
        std::vector<X> xs(kLen);
        std::vector<Y> ys(kYVector ? kLen : 1);
        for (auto& v : xs) v = pick<X>();
        for (auto& v : ys) v = nonzero(pick<Y>());
        Guarded gd(kLen * sizeof(D), 0);
        D* d = reinterpret_cast<D*>(gd.data());
        std::vector<D> before(kLen);
        for (auto& v : before) v = pick<D>();
        std::memcpy(d, before.data(), sizeof(D) * kLen);
        const X* x = xs.data();
        const Y* y = ys.data();
        const Y zeroConst{};
        // Scalars that would fail their own checks must not be reported
        // before the pointers and the length.
        const int badMode = round() ? 3 : vdxRndNear;
        const Y* yBad = (!kYVector && zero_constant_error()) ? &zeroConst : y;

        for (int len : {kLen, 0, -1}) {
            if (kXBuffer) {
                EXPECT_EQ(call_(nullptr, y, d, len, 0, vdxRndNear), vdxStsNullPtrErr)
                    << name() << " null src, len " << len;
                EXPECT_EQ(call_(nullptr, yBad, d, len, INT_MIN, badMode), vdxStsNullPtrErr) << name() << " len " << len;
            }
            if (kYBuffer) {
                EXPECT_EQ(call_(x, nullptr, d, len, 0, vdxRndNear), vdxStsNullPtrErr)
                    << name() << " null src2, len " << len;
            }
            EXPECT_EQ(call_(x, y, nullptr, len, 0, vdxRndNear), vdxStsNullPtrErr) << name() << " null dst, len " << len;
            EXPECT_EQ(call_(x, yBad, nullptr, len, 5, badMode), vdxStsNullPtrErr) << name() << " null dst, len " << len;
        }
        for (int len : {0, -1, -kLen, INT_MIN}) {
            EXPECT_EQ(call_(x, y, d, len, 0, vdxRndNear), vdxStsSizeErr) << name() << " len " << len;
            EXPECT_EQ(call_(x, yBad, d, len, INT_MAX, badMode), vdxStsSizeErr) << name() << " len " << len;
        }
        if (round()) {
            for (int mode : {3, 4, -1, 100, INT_MIN, INT_MAX})
                for (int sf : {0, 1, -3})
                    EXPECT_EQ(call_(x, y, d, kLen, sf, mode), vdxStsRoundModeErr) << name() << " mode " << mode;
        }
        if (!kYVector && zero_constant_error()) {
            std::vector<Y> zeros = {zeroConst};
            if constexpr (std::is_floating_point_v<part_t<Y>>) {
                const part_t<Y> nz = -part_t<Y>(0);
                Y negZero{};
                if constexpr (is_complex_v<Y>)
                    negZero = Y{nz, nz};
                else
                    negZero = nz;
                zeros.push_back(negZero);
            }
            for (const Y& z : zeros)
                for (int sf : {0, 2, -2, INT_MIN})
                    EXPECT_EQ(call_(x, &z, d, kLen, sf, vdxRndNear), vdxStsDivByZeroErr)
                        << name() << " constant " << show(z);
        }
        EXPECT_EQ(std::memcmp(d, before.data(), sizeof(D) * kLen), 0) << name() << ": wrote on error";
        EXPECT_TRUE(gd.guards_intact()) << name() << ": wrote outside dst on error";
    }

private:
    Call<X, Y, D> call_;
};

// ---------------------------------------------------------------- rows
//
// ROW_<shape>(name, swapped, rule, types...): one member.  `swapped` says the
// operation reads its operands in reverse: Sub and Div of two vectors (second
// minus / over first), SubCRev and DivCRev (constant minus / over element).

using Registry = std::vector<std::unique_ptr<MemberBase>>;

// The members of a registry, as test parameters.
inline std::vector<const MemberBase*> member_pointers(const Registry& registry) {
    std::vector<const MemberBase*> out;
    for (const auto& m : registry) out.push_back(m.get());
    return out;
}

template <Shape S, bool Swapped, class X, class Y, class D, class Rule>
std::unique_ptr<MemberBase> make_member(const char* name, Call<X, Y, D> call, bool sfs, bool round, bool zeroErr) {
    return std::make_unique<Member<S, Swapped, X, Y, D, Rule>>(name, call, sfs, round, zeroErr);
}

enum : bool { kFwd = false, kSwap = true };
enum : bool { kZeroConstantOk = false, kZeroConstantError = true };

#define ROW_VV(name, sw, Rule, X, Y, D)                                                                            \
    make_member<Shape::vv, sw, X, Y, D, Rule>(                                                                     \
        #name, [](const X* x, const Y* y, D* d, int n, int, int) { return vdxs##name(x, y, d, n); }, false, false, \
        false)
#define ROW_VV_SFS(name, sw, Rule, X, Y, D)                                                                       \
    make_member<Shape::vv, sw, X, Y, D, Rule>(                                                                    \
        #name, [](const X* x, const Y* y, D* d, int n, int sf, int) { return vdxs##name(x, y, d, n, sf); }, true, \
        false, false)
// Round forms: the mode goes through as the plain int a C caller may pass
// (any value, not only the enumerated ones).
#define ROW_VV_RSFS(name, sw, Rule, X, Y, D)                                                                   \
    make_member<Shape::vv, sw, X, Y, D, Rule>(                                                                 \
        #name,                                                                                                 \
        [](const X* x, const Y* y, D* d, int n, int sf, int mode) {                                            \
            using AnyMode = VdxStatus (*)(const X*, const Y*, D*, int, int, int);                              \
            return reinterpret_cast<AnyMode>(reinterpret_cast<void (*)()>(&vdxs##name))(x, y, d, n, mode, sf); \
        },                                                                                                     \
        true, true, false)
#define ROW_VVI(name, sw, Rule, X, D)           \
    make_member<Shape::vvi, sw, X, D, D, Rule>( \
        #name, [](const X* x, const D*, D* d, int n, int, int) { return vdxs##name(x, d, n); }, false, false, false)
#define ROW_VVI_SFS(name, sw, Rule, X, D)                                                                           \
    make_member<Shape::vvi, sw, X, D, D, Rule>(                                                                     \
        #name, [](const X* x, const D*, D* d, int n, int sf, int) { return vdxs##name(x, d, n, sf); }, true, false, \
        false)
#define ROW_VVI_RSFS(name, sw, Rule, X, D)                                                                  \
    make_member<Shape::vvi, sw, X, D, D, Rule>(                                                             \
        #name,                                                                                              \
        [](const X* x, const D*, D* d, int n, int sf, int mode) {                                           \
            using AnyMode = VdxStatus (*)(const X*, D*, int, int, int);                                     \
            return reinterpret_cast<AnyMode>(reinterpret_cast<void (*)()>(&vdxs##name))(x, d, n, mode, sf); \
        },                                                                                                  \
        true, true, false)
#define ROW_VC(name, sw, Rule, X, C, D, zeroErr)                                                                    \
    make_member<Shape::vc, sw, X, C, D, Rule>(                                                                      \
        #name, [](const X* x, const C* c, D* d, int n, int, int) { return vdxs##name(x, *c, d, n); }, false, false, \
        zeroErr)
#define ROW_VC_SFS(name, sw, Rule, X, C, D, zeroErr)                                                               \
    make_member<Shape::vc, sw, X, C, D, Rule>(                                                                     \
        #name, [](const X* x, const C* c, D* d, int n, int sf, int) { return vdxs##name(x, *c, d, n, sf); }, true, \
        false, zeroErr)
#define ROW_VCI(name, sw, Rule, C, D, zeroErr)                                                                 \
    make_member<Shape::vci, sw, D, C, D, Rule>(                                                                \
        #name, [](const D*, const C* c, D* d, int n, int, int) { return vdxs##name(*c, d, n); }, false, false, \
        zeroErr)
#define ROW_VCI_SFS(name, sw, Rule, C, D, zeroErr)                                                                   \
    make_member<Shape::vci, sw, D, C, D, Rule>(                                                                      \
        #name, [](const D*, const C* c, D* d, int n, int sf, int) { return vdxs##name(*c, d, n, sf); }, true, false, \
        zeroErr)
#define ROW_MAC(name, Rule, X, Y, D)                                                                               \
    make_member<Shape::mac, kFwd, X, Y, D, Rule>(                                                                  \
        #name, [](const X* x, const Y* y, D* d, int n, int, int) { return vdxs##name(x, y, d, n); }, false, false, \
        false)
#define ROW_MAC_SFS(name, Rule, X, Y, D)                                                                          \
    make_member<Shape::mac, kFwd, X, Y, D, Rule>(                                                                 \
        #name, [](const X* x, const Y* y, D* d, int n, int sf, int) { return vdxs##name(x, y, d, n, sf); }, true, \
        false, false)
#define ROW_MACC(name, Rule, X, C, D)                                                                               \
    make_member<Shape::macc, kFwd, X, C, D, Rule>(                                                                  \
        #name, [](const X* x, const C* c, D* d, int n, int, int) { return vdxs##name(x, *c, d, n); }, false, false, \
        false)

// ---------------------------------------------------------------- shared checks

// Lengths 1 .. 67 (every vector tail) and a long one (about 2000 or 4000
// elements, by turns), each at a rotating misalignment of the three vectors,
// for every scale factor and mode.
inline void check_all_lengths(const MemberBase& m, int rounds) {
    int rotation = 0, turn = 0;
    for (int r = 0; r < rounds; ++r)
        for (int sf : m.scale_factor_list())
            for (int mode : m.modes()) {
                std::vector<int> lens;
                for (int n = 1; n <= 67; ++n) lens.push_back(n);
                lens.push_back((turn++ % 2 ? 2000 : 4000) + int(rng()() % 100));
                for (int n : lens) {
                    RunOptions o;
                    o.len = n;
                    o.sf = sf;
                    o.mode = mode;
                    o.misalign = rotation++ % 27;
                    ASSERT_TRUE(m.run(o));
                }
            }
}

// Every short length and a long odd one with the vectors ending at, or
// starting at, an inaccessible page: a kernel that reads or writes one element
// too many faults.
inline void check_page_edges(const MemberBase& m) {
    std::vector<int> sfs = {0};
    if (m.sfs()) sfs = {0, 1, 5, 17, -3, -17};
    std::vector<int> lens;
    for (int n = 1; n <= 67; ++n) lens.push_back(n);
    lens.push_back(2051);
    for (int sf : sfs)
        for (int mode : m.modes())
            for (Place p : {Place::fence_high, Place::fence_low})
                for (int n : lens) {
                    RunOptions o;
                    o.len = n;
                    o.sf = sf;
                    o.mode = mode;
                    o.place = p;
                    ASSERT_TRUE(m.run(o));
                }
}

// The arithmetic exports declared by the public header (from its arithmetic
// section on), split by whether their type codes name a floating-point type.
inline std::vector<std::string> declared_members(bool floating) {
    std::FILE* f = std::fopen(VDXS_HEADER_PATH, "r");
    if (!f) return {};
    std::string text;
    char buf[4096];
    for (std::size_t got; (got = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, got);
    std::fclose(f);
    std::vector<std::string> out;
    // The section runs from the end of its banner to the next banner.
    const std::size_t start = text.find("Arithmetic:");
    if (start == std::string::npos) return out;
    const std::size_t body = text.find("/* ---", start);
    const std::size_t stop = std::min(text.find("/* ---", body + 1), text.size());
    for (std::size_t at = text.find("vdxs", body); at < stop; at = text.find("vdxs", at + 4)) {
        std::size_t end = at + 4;
        while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) ++end;
        if (end >= text.size() || text[end] != '(') continue;
        const std::string name = text.substr(at + 4, end - at - 4);
        // The type codes: the first '_'-separated token that starts with a digit.
        std::string types;
        for (std::size_t p = 0; p != std::string::npos;) {
            const std::size_t q = name.find('_', p);
            const std::string token = name.substr(p, q == std::string::npos ? std::string::npos : q - p);
            if (!token.empty() && std::isdigit(static_cast<unsigned char>(token[0]))) {
                types = token;
                break;
            }
            p = q == std::string::npos ? q : q + 1;
        }
        if ((types.find('f') != std::string::npos) == floating) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

inline const MemberBase& find_member(const Registry& all, const std::string& name) {
    for (const auto& m : all)
        if (m->name() == name) return *m;
    std::fprintf(stderr, "no member %s\n", name.c_str());
    std::abort();
}

// Restores the default thread count on scope exit.
struct ThreadCount {
    explicit ThreadCount(int n) { vdxcoreSetNumThreads(n); }
    ~ThreadCount() { vdxcoreSetNumThreads(0); }
};

// A long division at lengths around its parallel threshold, with 1 .. 4
// threads, with no zero divisor, one in the first block, one at the last
// element, or one in each half: every element by the rule, and the status by
// whether a zero divisor was present.  The scale factors take turns.
inline void check_thread_splits(const MemberBase& m, int threshold, const std::vector<int>& sfs) {
    std::size_t turn = 0;
    for (int threads : {1, 2, 3, 4}) {
        ThreadCount pin(threads);
        for (int len : {threshold - 1, threshold, threshold + 1, 3 * threshold + 7})
            for (int where : {-1, 0, 1, 2}) {
                RunOptions o;
                o.len = len;
                o.sf = sfs[turn++ % sfs.size()];
                o.misalign = (len + where + 1) % 27;
                o.avoid_zero_divisor = true;
                if (where == 0) o.zero_divisor_at = {3};
                if (where == 1) o.zero_divisor_at = {len - 1};
                if (where == 2) o.zero_divisor_at = {len / 2 - 1, len - 2};
                ASSERT_TRUE(m.run(o)) << threads << " threads, zero divisor case " << where;
            }
    }
}

}  // namespace arith_test
