// Fixed-point rules: scaling of results by a power of two, rounding and
// saturation to the destination integer type.
//
//  - Integer results: the exact result r (a 64-bit integer) becomes
//    r * 2^-sf, rounded half to even, then saturated to the destination's own
//    bounds.  Every sf has a defined result: large positive factors round
//    everything to 0, large negative ones saturate every non-zero r by its
//    sign.
//  - Floating-point values: x * 2^-sf in floating point, then rounded by a
//    VdxRoundMode and saturated.  NaN converts to 0.
//
// Everything here is forced inline and calls no std:: template: kernel
// sources use these rules in their scalar tails, and those sources are
// compiled once per instruction set, so an out-of-line copy built with AVX2
// flags must never be the one the linker keeps for the SSE4.1 copy.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include "numeric/types.h"
#include "vdxs.h"

#ifndef VDX_ALWAYS_INLINE
#define VDX_ALWAYS_INLINE inline __attribute__((always_inline))
#endif

namespace vdx {

// ---------------------------------------------------------------- bounds

// The saturation bounds of each integer destination type (lo, hi, and
// hi_bits, the exponent of the power of two just above hi), as types.h
// gives them.
template <class T>
    requires(!ElementTraits<T>::floating && !ElementTraits<T>::complex)
using IntBounds = ElementTraits<T>;

// ---------------------------------------------------------------- integers

// r clamped to the bounds of Dst.
template <class Dst>
VDX_ALWAYS_INLINE constexpr Dst saturate(std::int64_t r) noexcept {
    using B = IntBounds<Dst>;
    if constexpr (B::hi_bits < 63) {
        if (r < static_cast<std::int64_t>(B::lo)) return B::lo;
        if (r > static_cast<std::int64_t>(B::hi)) return B::hi;
    }
    return static_cast<Dst>(r);
}

// r * 2^-s rounded half to even, for s >= 1 of any size.  This is the
// classic (r + 2^(s-1) - 1 + ((r >> s) & 1)) >> s, taken apart so that
// nothing can overflow: the floor q = r >> s plus the carry that the low s
// bits, the bias and the parity of q push into bit s (1 when the remainder is
// above one half, or exactly one half and q is odd).
VDX_ALWAYS_INLINE constexpr std::int64_t shift_right_round_even(std::int64_t r, int s) noexcept {
    // From s = 64 on, |r| * 2^-s <= 1/2, and the only tie (-2^63 * 2^-64)
    // goes to the even 0.
    if (s >= 64) return 0;
    const std::int64_t q = r >> s;
    const std::uint64_t rem = static_cast<std::uint64_t>(r) & ((std::uint64_t{1} << s) - 1);
    const std::uint64_t bias = (std::uint64_t{1} << (s - 1)) - 1 + (static_cast<std::uint64_t>(q) & 1);
    return q + static_cast<std::int64_t>((rem + bias) >> s);
}

// r * 2^n saturated to Dst, for n = -sf >= 1 of any size (sf may be INT_MIN).
template <class Dst>
VDX_ALWAYS_INLINE constexpr Dst shift_left_sat(std::int64_t r, int sf) noexcept {
    using B = IntBounds<Dst>;
    if (r == 0) return 0;
    // A shift of 63 or more puts every non-zero r beyond the bounds (or, for
    // -1 into Vdx64s, exactly onto the lower bound).
    if (sf <= -63) return r > 0 ? B::hi : B::lo;
    const int n = -sf;
    if (r > (INT64_MAX >> n)) return B::hi;
    if (r < (INT64_MIN >> n)) return B::lo;
    return saturate<Dst>(static_cast<std::int64_t>(static_cast<std::uint64_t>(r) << n));
}

// The exact integer result r, scaled by 2^-sf, rounded half to even and
// saturated to Dst: the rule of every integer Sfs result.
template <class Dst>
VDX_ALWAYS_INLINE constexpr Dst scale_round_sat(std::int64_t r, int sf) noexcept {
    if (sf > 0) return saturate<Dst>(shift_right_round_even(r, sf));
    if (sf < 0) return shift_left_sat<Dst>(r, sf);
    return saturate<Dst>(r);
}

// ---------------------------------------------------------------- rounding modes

// Whether mode is one of the accepted ones; a function that takes a
// VdxRoundMode answers vdxStsRoundModeErr when it is not.  The mode arrives
// from C, so it is compared as the plain int it may be:
//   if (!round_mode_accepted(mode, vdxRndZero, vdxRndNear)) return vdxStsRoundModeErr;
template <class... Accepted>
VDX_ALWAYS_INLINE constexpr bool round_mode_accepted(int mode, Accepted... accepted) noexcept {
    return ((mode == static_cast<int>(accepted)) || ...);
}

// Holds the processor's rounding control (the RC field of MXCSR) at
// truncation for its lifetime, as the financial mode needs: |y| + 1/2 must
// not round up to the next integer (0.49999997f + 0.5f is 1.0f under
// round-to-nearest, 0.99999994f under truncation).  MXCSR is written only
// when RC differs from truncation, and on exit only RC is put back, so the
// caller's other control bits (FTZ, DAZ, masks) are never touched and flags
// raised in between stay raised.  One scope covers a whole vector operation.
// The compiler does not order floating-point arithmetic against MXCSR
// writes: code that must round under the scope pins its operations between
// them, as round_sat does.
class FinancialRoundingScope {
public:
    FinancialRoundingScope() noexcept : saved_(_mm_getcsr()) {
        changed_ = (saved_ & _MM_ROUND_MASK) != _MM_ROUND_TOWARD_ZERO;
        if (changed_) _mm_setcsr((saved_ & ~_MM_ROUND_MASK) | _MM_ROUND_TOWARD_ZERO);
    }
    ~FinancialRoundingScope() {
        if (changed_) _mm_setcsr((_mm_getcsr() & ~_MM_ROUND_MASK) | (saved_ & _MM_ROUND_MASK));
    }
    FinancialRoundingScope(const FinancialRoundingScope&) = delete;
    FinancialRoundingScope& operator=(const FinancialRoundingScope&) = delete;

private:
    unsigned saved_;
    bool changed_;
};

// ---------------------------------------------------------------- floating point

// 2^k built from its bits: k in -126..127 for float, -1022..1023 for double.
VDX_ALWAYS_INLINE constexpr float pow2f(int k) noexcept {
    return __builtin_bit_cast(float, static_cast<std::uint32_t>(k + 127) << 23);
}
VDX_ALWAYS_INLINE constexpr double pow2d(int k) noexcept {
    return __builtin_bit_cast(double, static_cast<std::uint64_t>(k + 1023) << 52);
}

// 2^-sf as two normal powers of two, applied one after the other:
// x * first * second.  Each product is exact unless it overflows, which
// happens only when the exact value is far beyond every integer bound (the
// result, infinity or under truncation the largest finite value, saturates
// the same way), or underflows, which happens only when the exact value is
// far below 1/2 (and rounds to 0 in every mode, whether or not FTZ flushes
// it).  Both factors lie on the same side of 1, and neither is subnormal, so
// DAZ cannot zero them.  Scale factors are clamped where every finite
// non-zero value already rounds to 0 (sf above 240 for float, 2000 for
// double) or saturates (below -240, -2000); infinities stay infinite and NaN
// stays NaN whatever the factor.
template <class F>
struct Pow2Scale {
    F first;
    F second;
};

template <class F>
VDX_ALWAYS_INLINE constexpr Pow2Scale<F> pow2_scale(int sf) noexcept {
    static_assert(sizeof(F) == 4 || sizeof(F) == 8, "float or double");
    constexpr int limit = sizeof(F) == 4 ? 240 : 2000;
    const int s = sf > limit ? limit : (sf < -limit ? -limit : sf);
    const int a = s / 2, b = s - a;
    if constexpr (sizeof(F) == 4) {
        return {pow2f(-a), pow2f(-b)};
    } else {
        return {pow2d(-a), pow2d(-b)};
    }
}

template <class F>
VDX_ALWAYS_INLINE F apply_scale(F x, Pow2Scale<F> s) noexcept {
    return x * s.first * s.second;
}

namespace fixed_detail {

// Builtins rather than intrinsics: they are known not to throw, so noexcept
// callers need no exception tables.  With SSE4.1 they compile to roundss /
// roundsd with the rounding in the immediate, whatever MXCSR says.
VDX_ALWAYS_INLINE float trunc_of(float y) noexcept { return __builtin_truncf(y); }
VDX_ALWAYS_INLINE double trunc_of(double y) noexcept { return __builtin_trunc(y); }
VDX_ALWAYS_INLINE float round_even_of(float y) noexcept { return __builtin_roundevenf(y); }
VDX_ALWAYS_INLINE double round_even_of(double y) noexcept { return __builtin_roundeven(y); }
VDX_ALWAYS_INLINE float copy_sign(float m, float s) noexcept { return __builtin_copysignf(m, s); }
VDX_ALWAYS_INLINE double copy_sign(double m, double s) noexcept { return __builtin_copysign(m, s); }
VDX_ALWAYS_INLINE float abs_of(float y) noexcept { return __builtin_fabsf(y); }
VDX_ALWAYS_INLINE double abs_of(double y) noexcept { return __builtin_fabs(y); }

}  // namespace fixed_detail

// A floating-point value (already scaled) to Dst by the rounding mode,
// saturated to Dst's bounds; NaN gives 0.
//   vdxRndZero       truncates;
//   vdxRndNear       rounds to nearest, ties to even, whatever MXCSR says;
//   vdxRndFinancial  rounds to nearest, ties away from zero, by adding 1/2 to
//                    the magnitude and truncating; the caller must hold a
//                    FinancialRoundingScope (the addition has to truncate).
// Any other mode is treated as vdxRndNear (modes are checked at the
// interface).  Saturating the rounded value is the same as rounding the
// clamped one: the bounds are integers and every mode is monotonic.
template <class Dst, class F>
VDX_ALWAYS_INLINE Dst round_sat(F y, int mode) noexcept {
    using B = IntBounds<Dst>;
    if (!(y == y)) return 0;
    F r;
    if (mode == vdxRndZero) {
        r = fixed_detail::trunc_of(y);
    } else if (mode == vdxRndFinancial) {
        // The compiler does not know that the addition depends on MXCSR: it
        // may fold it with constant operands or move it across the scope's
        // MXCSR writes.  An opaque half, produced after the switch, and an
        // opaque sum, consumed before the restore, pin it in between (the
        // empty volatile asms keep their order relative to the MXCSR writes).
        F half = F(0.5);
        __asm__ volatile("" : "+x"(half));
        F m = fixed_detail::abs_of(y) + half;
        __asm__ volatile("" : "+x"(m));
        r = fixed_detail::copy_sign(fixed_detail::trunc_of(m), y);
    } else {
        r = fixed_detail::round_even_of(y);
    }
    // hi + 1 and lo are powers of two (or 0), exact in either format.
    const F above = sizeof(F) == 4 ? F(pow2f(B::hi_bits)) : F(pow2d(B::hi_bits));
    if (r >= above) return B::hi;
    if (r < F(B::lo)) return B::lo;
    return static_cast<Dst>(static_cast<std::int64_t>(r));
}

// x * 2^-sf to Dst by the rounding mode (the one-element form; vector code
// prepares pow2_scale once and uses apply_scale and round_sat).
template <class Dst, class F>
VDX_ALWAYS_INLINE Dst convert_sfs(F x, int sf, int mode) noexcept {
    return round_sat<Dst>(apply_scale(x, pow2_scale<F>(sf)), mode);
}

}  // namespace vdx
