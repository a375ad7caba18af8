// The arithmetic family's glue: one template per argument shape, shared by
// every member.  A member is a row: its name, its element rule
// (arith_rules.h), its options and its types.
//
//   two_vectors      (x[], y[], dst[])     dst[i] = E(x[i], y[i])
//   vector_constant  (x[], c, dst[])       dst[i] = E(x[i], c)
//   accumulate       (x[], y[], acc[])     acc[i] = acc[i] + x[i] * y[i]
// In-place forms pass the source-and-destination vector as y (two vectors)
// or as x (with a constant) and as dst.
//
// Checks, in this order: the pointers, the length, then the operation's
// scalars (a zero constant where the member rejects it, the rounding mode of
// the Round forms); the scale factor is never rejected.  Divisions finish the
// whole vector and answer vdxStsDivByZero when they met a zero divisor.
#pragma once

#include <climits>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/parallel.h"
#include "vector/arith_fast.h"
#include "vector/arith_rules.h"

namespace vdx::arith {

struct Options {
    int parallel_from = INT_MAX;          // length from which a team of two shares the work
    bool zero_constant_is_error = false;  // a zero constant divisor is vdxStsDivByZeroErr
    bool takes_round_mode = false;        // Round forms: zero, near or financial
};

inline constexpr Options kPlain{};
inline constexpr Options kZeroConstantError{INT_MAX, true, false};
inline constexpr Options kRoundMode{INT_MAX, false, true};
constexpr Options parallel_from(int len) { return Options{len, false, false}; }

// The rules by name, as the rows use them.  "Swapped" rules compute y OP x:
// Sub and Div of two vectors (second minus first, second over first), and
// the CRev forms (constant minus element, constant over element).
using FloatAdd = Float<Op::add>;
using FloatSub = Float<Op::sub>;
using FloatSubSwapped = Float<Op::sub, true>;
using FloatMul = Float<Op::mul>;
using FloatDiv = Float<Op::div>;
using FloatDivSwapped = Float<Op::div, true>;
using SatAdd = Sat<Op::add>;
using SatSub = Sat<Op::sub>;
using SatSubSwapped = Sat<Op::sub, true>;
using SatMul = Sat<Op::mul>;
using SfsAdd = Sfs<Op::add>;
using SfsSub = Sfs<Op::sub>;
using SfsSubSwapped = Sfs<Op::sub, true>;
using SfsMul = Sfs<Op::mul>;
using QuotientDiv = Quotient<false>;
using QuotientDivSwapped = Quotient<true>;
using ToIntMul = ToInt<Op::mul>;

inline Ctx make_ctx(int sf, int mode) noexcept {
    return Ctx{sf, mode, pow2_scale<double>(sf), pow2_scale<float>(sf)};
}

// Runs body(begin, end) -> bool over [0, len), split across threads from the
// member's threshold, and under truncating rounding control when the mode is
// financial.  Returns whether any block met a zero divisor.
template <Options O, class Body>
bool run_blocks(int len, int mode, Body body) noexcept {
    // Members that neither split nor round by a mode go straight to the work.
    if constexpr (O.parallel_from == INT_MAX && !O.takes_round_mode) return body(0, len);
    // The rounding control is per thread: each block sets its own.
    return for_blocks(len, ParallelPolicy{O.parallel_from, 2}, [&](int begin, int end) {
        if (mode == vdxRndFinancial) {
            FinancialRoundingScope truncating;
            return body(begin, end);
        }
        return body(begin, end);
    });
}

template <class E, class X, class Y, class D>
bool scalar_two_vectors(const X* x, const Y* y, D* d, int n, const Ctx& c) noexcept {
    bool zero = false;
    for (int i = 0; i < n; ++i) {
        const X xi = x[i];
        const Y yi = y[i];
        if constexpr (E::divides) zero |= E::zero_divisor(xi, yi);
        d[i] = E::template apply<D>(xi, yi, c);
    }
    return zero;
}

template <class E, class X, class Y, class D>
bool scalar_vector_constant(const X* x, Y k, D* d, int n, const Ctx& c) noexcept {
    bool zero = false;
    for (int i = 0; i < n; ++i) {
        const X xi = x[i];
        if constexpr (E::divides) zero |= E::zero_divisor(xi, k);
        d[i] = E::template apply<D>(xi, k, c);
    }
    return zero;
}

template <class E, Options O = kPlain, class X, class Y, class D>
VdxStatus two_vectors(const X* x, const Y* y, D* d, int len, int sf = 0, int mode = vdxRndNear) noexcept {
    VDX_RETURN_IF_ERROR(check_vectors(len, x, y, d));
    if constexpr (O.takes_round_mode) {
        if (!round_mode_accepted(mode, vdxRndZero, vdxRndNear, vdxRndFinancial)) return vdxStsRoundModeErr;
    }
    const Ctx c = make_ctx(sf, mode);
    const bool zero = run_blocks<O>(len, mode, [&](int begin, int end) {
        if constexpr (FastTwoVectors<E, X, Y, D>::available) {
            return FastTwoVectors<E, X, Y, D>::run(x + begin, y + begin, d + begin, end - begin, c);
        } else {
            return scalar_two_vectors<E>(x + begin, y + begin, d + begin, end - begin, c);
        }
    });
    return zero ? vdxStsDivByZero : vdxStsNoErr;
}

template <class E, Options O = kPlain, class X, class Y, class D>
VdxStatus vector_constant(const X* x, Y k, D* d, int len, int sf = 0) noexcept {
    VDX_RETURN_IF_ERROR(check_vectors(len, x, d));
    if constexpr (O.zero_constant_is_error) {
        if (is_zero(k)) return vdxStsDivByZeroErr;
    }
    const Ctx c = make_ctx(sf, vdxRndNear);
    const bool zero = run_blocks<O>(len, vdxRndNear, [&](int begin, int end) {
        if constexpr (FastVectorConstant<E, X, Y, D>::available) {
            return FastVectorConstant<E, X, Y, D>::run(x + begin, k, d + begin, end - begin, c);
        } else {
            return scalar_vector_constant<E>(x + begin, k, d + begin, end - begin, c);
        }
    });
    return zero ? vdxStsDivByZero : vdxStsNoErr;
}

// acc[i] = acc[i] + x[i] * y[i] (y a vector) or + x[i] * k (y a constant).
template <class E, class X, class Y, class D>
VdxStatus accumulate(const X* x, const Y* y, D* acc, int len, int sf = 0) noexcept {
    VDX_RETURN_IF_ERROR(check_vectors(len, x, y, acc));
    const Ctx c = make_ctx(sf, vdxRndNear);
    if constexpr (FastAccumulate<E, X, Y, D>::available) {
        FastAccumulate<E, X, Y, D>::run(x, y, acc, len, c);
    } else {
        for (int i = 0; i < len; ++i) acc[i] = Accumulate<E>::template apply<D>(acc[i], x[i], y[i], c);
    }
    return vdxStsNoErr;
}

template <class E, class X, class Y, class D>
VdxStatus accumulate_constant(const X* x, Y k, D* acc, int len) noexcept {
    VDX_RETURN_IF_ERROR(check_vectors(len, x, acc));
    const Ctx c = make_ctx(0, vdxRndNear);
    if constexpr (FastAccumulateConstant<E, X, Y, D>::available) {
        FastAccumulateConstant<E, X, Y, D>::run(x, k, acc, len, c);
    } else {
        for (int i = 0; i < len; ++i) acc[i] = Accumulate<E>::template apply<D>(acc[i], x[i], k, c);
    }
    return vdxStsNoErr;
}

}  // namespace vdx::arith

// ---- row macros: name without the vdxs prefix, rule, options, types

#define VDX_ARITH_VV(name, E, O, X, Y, D)                                                          \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc1, const Y* pSrc2, D* pDst, int len) noexcept { \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc1, pSrc2, pDst, len);     \
    }
#define VDX_ARITH_VV_SFS(name, E, O, X, Y, D)                                                          \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc1, const Y* pSrc2, D* pDst, int len, int sf) noexcept { \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc1, pSrc2, pDst, len, sf);     \
    }
#define VDX_ARITH_VV_I(name, E, O, X, D)                                                    \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, D* pSrcDst, int len) noexcept {       \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc, pSrcDst, pSrcDst, len); \
    }
#define VDX_ARITH_VV_ISFS(name, E, O, X, D)                                                         \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, D* pSrcDst, int len, int sf) noexcept {       \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc, pSrcDst, pSrcDst, len, sf); \
    }
#define VDX_ARITH_VV_RSFS(name, E, O, X, Y, D)                                                              \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc1, const Y* pSrc2, D* pDst, int len, VdxRoundMode mode, \
                                       int sf) noexcept {                                                   \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc1, pSrc2, pDst, len, sf, mode);    \
    }
#define VDX_ARITH_VV_IRSFS(name, E, O, X, D)                                                                    \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, D* pSrcDst, int len, VdxRoundMode mode, int sf) noexcept { \
        return vdx::arith::two_vectors<vdx::arith::E, vdx::arith::O>(pSrc, pSrcDst, pSrcDst, len, sf, mode);   \
    }
#define VDX_ARITH_VC(name, E, O, X, C, D)                                                       \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, C val, D* pDst, int len) noexcept {       \
        return vdx::arith::vector_constant<vdx::arith::E, vdx::arith::O>(pSrc, val, pDst, len); \
    }
#define VDX_ARITH_VC_SFS(name, E, O, X, C, D)                                                           \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, C val, D* pDst, int len, int sf) noexcept {       \
        return vdx::arith::vector_constant<vdx::arith::E, vdx::arith::O>(pSrc, val, pDst, len, sf);     \
    }
#define VDX_ARITH_VC_I(name, E, O, C, D)                                                                \
    extern "C" VdxStatus y8_vdxs##name(C val, D* pSrcDst, int len) noexcept {                           \
        return vdx::arith::vector_constant<vdx::arith::E, vdx::arith::O>(pSrcDst, val, pSrcDst, len);   \
    }
#define VDX_ARITH_VC_ISFS(name, E, O, C, D)                                                                 \
    extern "C" VdxStatus y8_vdxs##name(C val, D* pSrcDst, int len, int sf) noexcept {                       \
        return vdx::arith::vector_constant<vdx::arith::E, vdx::arith::O>(pSrcDst, val, pSrcDst, len, sf);   \
    }
#define VDX_ARITH_MAC(name, E, X, Y, D)                                                           \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc1, const Y* pSrc2, D* pSrcDst, int len) noexcept { \
        return vdx::arith::accumulate<vdx::arith::E>(pSrc1, pSrc2, pSrcDst, len);                 \
    }
#define VDX_ARITH_MAC_SFS(name, E, X, Y, D)                                                                \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc1, const Y* pSrc2, D* pSrcDst, int len, int sf) noexcept { \
        return vdx::arith::accumulate<vdx::arith::E>(pSrc1, pSrc2, pSrcDst, len, sf);                      \
    }
#define VDX_ARITH_MACC(name, E, X, C, D)                                                      \
    extern "C" VdxStatus y8_vdxs##name(const X* pSrc, C val, D* pSrcDst, int len) noexcept {  \
        return vdx::arith::accumulate_constant<vdx::arith::E>(pSrc, val, pSrcDst, len);       \
    }
