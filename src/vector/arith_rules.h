// What one element of an arithmetic result is, for every kind of member.
//
// An element rule E computes the destination element from x and y:
//   two vectors      x = first source[i],  y = second source[i]
//   in place         x = source[i],        y = source-and-destination[i]
//   with a constant  x = vector[i],        y = the constant
// Add and Mul give x OP y; the swapped forms give y OP x: Sub and Div of two
// vectors (second minus first, second over first), SubCRev and DivCRev
// (constant minus element, constant over element).
//
// Rules:
//   Float<op>   one IEEE operation in the destination's precision (complex
//               products and quotients as (a+bi)(c+di) = (ac-bd) + (ad+bc)i
//               and ((ac+bd) + (bc-ad)i) / (c^2+d^2)); a zero divisor gives
//               +inf, -inf or NaN by the sign of the dividend, never by the
//               sign of the zero;
//   Sat<op>     the exact integer result, saturated to the destination;
//   Sfs<op>     the exact integer result scaled by 2^-sf, rounded half to
//               even and saturated;
//   Quotient    integer division: the quotient scaled by 2^-sf and rounded
//               by the call's rounding mode (half to even unless a Round
//               form says otherwise), saturated; a zero divisor gives the
//               destination's bound on the dividend's side (0 for a zero
//               dividend);
//   ToInt<op>   one floating-point operation, then scaled, rounded half to
//               even and saturated to the integer destination.
//
// Everything here is forced inline and free of std:: templates: kernel
// sources compiled once per instruction set use these rules in their tails.
#pragma once

#include <cstdint>
#include <type_traits>

#include "numeric/fixed.h"
#include "numeric/types.h"
#include "vdxs.h"

namespace vdx::arith {

enum class Op { add, sub, mul, div };

// Per-call values the rules read, and the one thing they report.
struct Ctx {
    int sf = 0;
    int mode = vdxRndNear;
    Pow2Scale<double> scale = pow2_scale<double>(0);  // 2^-sf
    Pow2Scale<float> scale_f = pow2_scale<float>(0);
};

// ---------------------------------------------------------------- integers wider than 64 bits

// The Sfs rule for exact results that may need more than 64 bits.
template <class Dst>
VDX_ALWAYS_INLINE Dst scale_round_sat_wide(i128 r, int sf) noexcept {
    // The bounds as 128-bit values (2^64 - 1 for a 64u destination).
    constexpr i128 lo = ElementTraits<Dst>::lo, hi = ElementTraits<Dst>::hi;
    if constexpr (!std::is_same_v<Dst, Vdx64u>) {
        if (r >= INT64_MIN && r <= INT64_MAX) return scale_round_sat<Dst>(static_cast<std::int64_t>(r), sf);
    }
    if (sf > 0) {
        if (sf >= 127) return 0;  // |r| < 2^127: half or less, and the tie goes to the even 0
        const i128 q = r >> sf;
        const unsigned __int128 rem = static_cast<unsigned __int128>(r) & ((static_cast<unsigned __int128>(1) << sf) - 1);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (sf - 1);
        r = q + ((rem > half || (rem == half && (q & 1))) ? 1 : 0);
    } else if (sf < 0 && r != 0) {
        // |r| >= 2^63 here (or a 64u result), so any left shift leaves the bounds
        // except for small 64u results, which shift while they fit.
        const int n = sf <= -64 ? 64 : -sf;  // (no negation of INT_MIN)
        if (n >= 64 || r > (hi >> n) || r < (lo >> n)) return r > 0 ? Dst(hi) : Dst(lo);
        r <<= n;
    }
    return r < lo ? Dst(lo) : (r > hi ? Dst(hi) : Dst(r));
}

// ---------------------------------------------------------------- element types

// is_complex, PartOf and WideOf come from types.h.

// The complex pair of wide values an integer complex result is computed in.
template <class W>
struct Pair {
    W re, im;
};

// ---------------------------------------------------------------- floating point

template <class F>
VDX_ALWAYS_INLINE F nan_of() noexcept {
    if constexpr (sizeof(F) == 4) return vdxConstantOfNAN_32f;
    else return vdxConstantOfNAN_64f;
}

// n / d with the zero-divisor rule: +inf, -inf or NaN by the sign of n.
template <class F>
VDX_ALWAYS_INLINE F divide(F n, F d) noexcept {
    if (d == F(0)) {
        if (n > F(0)) return __builtin_inf();
        if (n < F(0)) return -F(__builtin_inf());
        return nan_of<F>();
    }
    return n / d;
}

template <Op O, class F>
VDX_ALWAYS_INLINE F real_op(F l, F r) noexcept {
    if constexpr (O == Op::add) return l + r;
    else if constexpr (O == Op::sub) return l - r;
    else if constexpr (O == Op::mul) return l * r;
    else return divide(l, r);
}

template <Op O, class C>
VDX_ALWAYS_INLINE C complex_op(C l, C r) noexcept {
    if constexpr (O == Op::add) return C{l.re + r.re, l.im + r.im};
    else if constexpr (O == Op::sub) return C{l.re - r.re, l.im - r.im};
    else if constexpr (O == Op::mul) return C{l.re * r.re - l.im * r.im, l.re * r.im + l.im * r.re};
    else {
        using F = decltype(l.re);
        if (r.re == F(0) && r.im == F(0)) return C{divide(l.re, r.re), divide(l.im, r.im)};
        const F den = r.re * r.re + r.im * r.im;
        return C{(l.re * r.re + l.im * r.im) / den, (l.im * r.re - l.re * r.im) / den};
    }
}

// Brings an operand to the destination's domain: integers to the float
// destination (exact for the 16-bit sources), a real to a complex
// destination's part type (products of a real and a complex are taken part by
// part).
template <class D, class X>
VDX_ALWAYS_INLINE auto to_domain(X x) noexcept {
    if constexpr (is_complex<D> && !is_complex<X>) return static_cast<PartOf<D>>(x);
    else if constexpr (is_complex<D>) return x;
    else return static_cast<D>(x);
}

// Whether v is a zero divisor (a complex one when both parts are 0).
template <class V>
VDX_ALWAYS_INLINE bool is_zero(V v) noexcept {
    if constexpr (is_complex<V>) return v.re == 0 && v.im == 0;
    else return v == 0;
}

template <Op O, bool Swap = false>
struct Float {
    static constexpr bool divides = O == Op::div;
    template <class X, class Y>
    static VDX_ALWAYS_INLINE bool zero_divisor(X x, Y y) noexcept {
        if constexpr (Swap) return is_zero(x);
        else return is_zero(y);
    }
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(X x, Y y, const Ctx&) noexcept {
        if constexpr (Swap) return combine<D>(to_domain<D>(y), to_domain<D>(x));
        else return combine<D>(to_domain<D>(x), to_domain<D>(y));
    }

private:
    template <class D, class L, class R>
    static VDX_ALWAYS_INLINE D combine(L l, R r) noexcept {
        if constexpr (!is_complex<D>) {
            return real_op<O>(l, r);
        } else if constexpr (is_complex<L> && is_complex<R>) {
            return complex_op<O>(l, r);
        } else {
            static_assert(O == Op::mul, "only products mix a real and a complex operand");
            if constexpr (is_complex<R>) return D{l * r.re, l * r.im};
            else return D{r * l.re, r * l.im};
        }
    }
};

// ---------------------------------------------------------------- exact integers

template <Op O, class W>
VDX_ALWAYS_INLINE W exact_real(W l, W r) noexcept {
    static_assert(O != Op::div, "integer quotients are rounded by Quotient");
    if constexpr (O == Op::add) return l + r;
    else if constexpr (O == Op::sub) return l - r;
    else return l * r;
}

// The exact result of l OP r for integer (complex) operands, in a type wide
// enough for it: 64 bits for parts up to 32 bits (products of 32-bit complex
// parts and 64-bit operands take 128).
template <Op O, class D, class X, class Y>
VDX_ALWAYS_INLINE auto exact(X x, Y y) noexcept {
    if constexpr (is_complex<X> || is_complex<Y>) {
        constexpr bool wide = sizeof(D) >= 8 && (O == Op::mul || sizeof(D) >= 16);
        using W = typename std::conditional_t<wide, i128, std::int64_t>;
        auto part = [](auto v, bool imag) -> W {
            if constexpr (is_complex<decltype(v)>) return imag ? W(v.im) : W(v.re);
            else return imag ? W(0) : W(v);
        };
        const W a = part(x, false), b = part(x, true), c = part(y, false), d = part(y, true);
        if constexpr (O == Op::mul) {
            if constexpr (!is_complex<X>) return Pair<W>{a * c, a * d};  // real times complex
            else if constexpr (!is_complex<Y>) return Pair<W>{c * a, c * b};
            else return Pair<W>{a * c - b * d, a * d + b * c};
        } else {
            return Pair<W>{exact_real<O>(a, c), exact_real<O>(b, d)};
        }
    } else {
        using W = WideOf<D>;
        constexpr bool wide_sources = sizeof(X) >= 8 || sizeof(Y) >= 8;
        using V = std::conditional_t<wide_sources, i128, W>;
        return exact_real<O>(V(x), V(y));
    }
}

template <class D, class R>
VDX_ALWAYS_INLINE D finish_sfs(R r, int sf) noexcept {
    if constexpr (sizeof(R) > 8) return scale_round_sat_wide<D>(r, sf);
    else return scale_round_sat<D>(r, sf);
}

template <Op O, bool Swap = false>
struct Sfs {
    static constexpr bool divides = false;
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(X x, Y y, const Ctx& c) noexcept {
        if constexpr (Swap) return Sfs<O, false>::template apply<D>(y, x, c);
        else {
            const auto r = exact<O, D>(x, y);
            if constexpr (is_complex<D>) {
                using P = PartOf<D>;
                return D{finish_sfs<P>(r.re, c.sf), finish_sfs<P>(r.im, c.sf)};
            } else {
                return finish_sfs<D>(r, c.sf);
            }
        }
    }
};

// Without a scale factor: the same exact result, saturated.
template <Op O, bool Swap = false>
struct Sat {
    static constexpr bool divides = false;
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(X x, Y y, const Ctx& c) noexcept {
        const Ctx unscaled{0, c.mode, c.scale, c.scale_f};
        return Sfs<O, Swap>::template apply<D>(x, y, unscaled);
    }
};

// ---------------------------------------------------------------- integer quotients

// n / d * 2^-sf rounded by mode and saturated, for |n| <= 2^32 and
// |d| <= 2^32: the quotient is formed in double.  That is exact enough: a
// quotient that is not itself a tie (or an integer) lies at least
// 1 / (2 |d| 2^sf) from one, while the double quotient is off by at most
// |n/d| 2^-52 2^-sf, less than that; scaling by 2^-sf is exact.  The caller
// has handled d == 0 and, for the financial mode, holds the rounding scope.
template <class D>
VDX_ALWAYS_INLINE D quotient(double n, double d, const Ctx& c) noexcept {
    return round_sat<D>(apply_scale(n / d, c.scale), c.mode);
}

// The bound of D on the side of n, 0 for n == 0: the result of a division by zero.
template <class D, class N>
VDX_ALWAYS_INLINE D saturate_by_sign(N n) noexcept {
    return n > 0 ? IntBounds<D>::hi : (n < 0 ? IntBounds<D>::lo : D(0));
}

// n / d * 2^-sf rounded by mode and saturated, exactly, in 128-bit
// integers: for 64-bit operands, and for 32-bit ones scaled up (sf < 0),
// where the double quotient could land on a tie it is not.
template <class D>
VDX_ALWAYS_INLINE D quotient_exact(std::int64_t n64, std::int64_t d64, const Ctx& c) noexcept {
    using u128 = unsigned __int128;
    if (n64 == 0) return 0;
    const bool negative = (n64 < 0) != (d64 < 0);
    const u128 un = n64 < 0 ? -static_cast<u128>(n64) : static_cast<u128>(n64);  // <= 2^63
    u128 ud = d64 < 0 ? -static_cast<u128>(d64) : static_cast<u128>(d64);         // 1 .. 2^63
    const auto bound = [&] { return negative ? IntBounds<D>::lo : IntBounds<D>::hi; };
    // Whole quotient q and remainder rem of un * 2^k / ud.
    u128 q, rem;
    if (c.sf >= 0) {
        // Above 2^64 the divisor exceeds every dividend: |value| <= 2^63 / 2^64, a
        // half only for 2^63 / 1 at sf 64.
        if (c.sf > 64) return 0;
        if (c.sf == 64) {
            const bool half = un == (u128(1) << 63) && ud == 1;
            if (!half || c.mode != vdxRndFinancial) return 0;
            return negative ? D(-1) : D(1);
        }
        ud <<= c.sf;
        q = un / ud;
        rem = un % ud;
    } else {
        const int k = c.sf <= -192 ? 192 : -c.sf;
        // From 2^63 on, every destination saturates: un * 2^k >= 2^63 * ud.
        if (k >= 127 || (k > 63 && (un << (k - 63)) >= ud) || (k <= 63 && (un << k) >= (ud << 63))) return bound();
        if (k <= 63) {
            q = (un << k) / ud;
            rem = (un << k) % ud;
        } else {
            // Long division, one bit of 2^k at a time; q stays below 2^63.
            q = un / ud;
            rem = un % ud;
            for (int i = 0; i < k; ++i) {
                q <<= 1;
                rem <<= 1;
                if (rem >= ud) {
                    rem -= ud;
                    q |= 1;
                }
            }
        }
    }
    const bool up = c.mode == vdxRndZero ? false
                    : c.mode == vdxRndFinancial ? 2 * rem >= ud
                                                : (2 * rem > ud || (2 * rem == ud && (q & 1)));
    q += up ? 1 : 0;
    const i128 r = negative ? -static_cast<i128>(q) : static_cast<i128>(q);
    return r < IntBounds<D>::lo ? IntBounds<D>::lo : (r > IntBounds<D>::hi ? IntBounds<D>::hi : D(r));
}

template <bool Swap = false>
struct Quotient {
    static constexpr bool divides = true;
    template <class X, class Y>
    static VDX_ALWAYS_INLINE bool zero_divisor(X x, Y y) noexcept {
        if constexpr (Swap) return is_zero(x);
        else return is_zero(y);
    }
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(X x, Y y, const Ctx& c) noexcept {
        if constexpr (Swap) return Quotient<false>::template apply<D>(y, x, c);
        else if constexpr (is_complex<D>) {
            // (a+bi) / (e+fi): both parts over e^2 + f^2, each part rounded.
            using P = PartOf<D>;
            const double a = x.re, b = x.im;
            const double e = to_part(y, false), f = to_part(y, true);
            if (e == 0 && f == 0) return D{saturate_by_sign<P>(x.re), saturate_by_sign<P>(x.im)};
            const double den = e * e + f * f;
            return D{quotient<P>(a * e + b * f, den, c), quotient<P>(b * e - a * f, den, c)};
        } else if constexpr (sizeof(X) == 8 || sizeof(Y) == 8) {
            if (y == 0) return saturate_by_sign<D>(x);
            return quotient_exact<D>(x, y, c);
        } else if constexpr (sizeof(X) == 4 || sizeof(Y) == 4) {
            if (y == 0) return saturate_by_sign<D>(x);
            if (c.sf < 0) return quotient_exact<D>(x, y, c);
            return quotient<D>(double(x), double(y), c);
        } else {
            if (y == 0) return saturate_by_sign<D>(x);
            return quotient<D>(double(x), double(y), c);
        }
    }

private:
    template <class Y>
    static VDX_ALWAYS_INLINE double to_part(Y y, bool imag) noexcept {
        if constexpr (is_complex<Y>) return imag ? double(y.im) : double(y.re);
        else return imag ? 0.0 : double(y);
    }
};

// ---------------------------------------------------------------- floating point to integers

// One operation in the float type F of the operands, then x * 2^-sf rounded
// half to even and saturated to the integer destination.  64-bit integer
// operands are taken exactly: their products are formed in extended
// precision.
template <Op O>
struct ToInt {
    static constexpr bool divides = false;
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(X x, Y y, const Ctx& c) noexcept {
        if constexpr (sizeof(X) == 8 && !is_floating<X>) {
            const long double p = real_op<O>(static_cast<long double>(x), static_cast<long double>(y));
            const long double scaled = p * static_cast<long double>(c.scale.first) * static_cast<long double>(c.scale.second);
            return round_sat_long<D>(scaled);
        } else if constexpr (sizeof(X) == 4) {
            return round_sat<D>(apply_scale(real_op<O>(x, y), c.scale_f), vdxRndNear);
        } else {
            return round_sat<D>(apply_scale(real_op<O>(x, y), c.scale), vdxRndNear);
        }
    }

private:
    template <class D>
    static VDX_ALWAYS_INLINE D round_sat_long(long double y) noexcept {
        if (!(y == y)) return 0;
        const long double r = __builtin_roundevenl(y);
        if (r >= 0x1p63L) return IntBounds<D>::hi;
        if (r < -0x1p63L) return IntBounds<D>::lo;
        return static_cast<D>(static_cast<std::int64_t>(r));
    }
};

// ---------------------------------------------------------------- multiply-accumulate

// acc + x * y, with the product and the sum as two operations of the rule R
// (two IEEE operations for floats; one exact integer result for Sfs).
template <class R>
struct Accumulate;

template <>
struct Accumulate<Float<Op::mul>> {
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(D acc, X x, Y y, const Ctx& c) noexcept {
        const D p = Float<Op::mul>::apply<D>(x, y, c);
        return Float<Op::add>::apply<D>(acc, p, c);
    }
};

template <>
struct Accumulate<Sfs<Op::mul>> {
    template <class D, class X, class Y>
    static VDX_ALWAYS_INLINE D apply(D acc, X x, Y y, const Ctx& c) noexcept {
        return finish_sfs<D>(std::int64_t(acc) + std::int64_t(x) * std::int64_t(y), c.sf);
    }
};

}  // namespace vdx::arith
