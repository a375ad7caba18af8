// The exponential and logarithm family: Exp, Ln, 10Log10 and SumLn.
//
// Floating-point members hand the whole vector to the kernels of the variant
// this process runs (explog_kernels.h).  Integer members work element by
// element on the compile-time tables (explog_tables.h):
//
//   Exp (16s, 32s, 64s; B = 15, 31, 63):  round(e^x * 2^-sf), halves up,
//       saturated to the type's maximum.  |sf| <= B: the table row of sf.
//       |sf| > B: the same rule evaluated per element in double-double
//       (explog::exp_rule), exact as the tables are: a product of e^x and
//       2^-sf in double would lose the low bits of 64-bit results and go
//       wrong where one factor overflows and the other underflows.
//   Ln (16s, 32s, 32s16s): x <= 0 gives the type's minimum and the zero or
//       negative warning.  sf >= 0: r = round(ln x) from the thresholds,
//       then r >> sf (rounded first, scaled after: ln 20 = 3 gives 1 at
//       sf = 1).  sf < 0: ln x in double times 2^-sf, rounded to nearest
//       (ties to even) and saturated; double rather than single precision,
//       so that the result is the nearest integer even for the largest
//       multipliers (2^31 ln x needs more than 24 bits).
//   10Log10 (32s): as Ln, with the 10 log10 steps for sf >= 0 and the
//       multiplier 2^-sf * 10 / ln 10 for sf < 0.
//
// Warnings of the logarithms: the kind of the first non-positive element in
// index order, the results of every element written first.
//
// SumLn: blocks of kSumLnBlock elements; each block's sum of logarithms (in
// double) joins a running double total, rounded to the result type at the
// end.  A block with a negative element (sign bit set, -0 included) ends the
// call with NaN and vdxStsLnNegArg; otherwise a block with a zero ends it
// with +inf and vdxStsLnZeroArg; otherwise a NaN element makes the block's
// sum, and the total, NaN (status 0) and the blocks go on.  So within one
// block a negative element wins over a zero, and a zero over a NaN.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "abi/api.h"
#include "runtime/checks.h"
#include "numeric/fixed.h"
#include "runtime/isa.h"
#include "math/explog_kernels.h"
#include "math/explog_tables.h"

namespace {

using vdx::ExpLogKernels;
using ExpLogVariant = vdx::Variant<ExpLogKernels, &vdx::explog_kernels_variants>;

// ---------------------------------------------------------------- floating point

template <auto Kernel, class S, class D>
VdxStatus exp_float(const S* src, D* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    (ExpLogVariant::table().*Kernel)(src, dst, len);
    return vdxStsNoErr;
}

template <auto Kernel, class S, class D>
VdxStatus ln_float(const S* src, D* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    return static_cast<VdxStatus>((ExpLogVariant::table().*Kernel)(src, dst, len));
}

// ---------------------------------------------------------------- integer exponential

template <class T>
VdxStatus exp_integer(const T* src, T* dst, int len, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    using Table = vdx::explog::ExpTable<T>;
    constexpr T kMax = vdx::IntBounds<T>::hi;
    if (sf >= -Table::kBits && sf <= Table::kBits) {
        const T* row = vdx::explog::kExpTable<T>.entry[Table::row(sf)];
        const std::int64_t first = Table::first_x(sf), last = first + Table::kColumns - 1;
        for (int i = 0; i < len; ++i) {
            const std::int64_t x = src[i];
            dst[i] = x < first ? T{0} : x > last ? kMax : row[x - first];
        }
        return vdxStsNoErr;
    }
    // Beyond the tables: the same rule, element by element.
    for (int i = 0; i < len; ++i) dst[i] = static_cast<T>(vdx::explog::exp_rule(src[i], sf, kMax, Table::kBits));
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- integer logarithms

// The value of the last step at or below x (x >= 1; 0 below the first step).
template <int N>
int step_value(const vdx::explog::Steps<N>& steps, std::int32_t x) noexcept {
    const std::int32_t* end = steps.from + N;
    const std::int32_t* above = std::upper_bound(steps.from, end, x);
    return above == steps.from ? 0 : steps.value[above - steps.from - 1];
}

// x <= 0: the type's minimum, and the first such element's warning.
template <class D>
inline bool non_positive(std::int64_t x, D& out, int& status) noexcept {
    if (x > 0) return false;
    out = vdx::IntBounds<D>::lo;
    if (status == 0) status = x == 0 ? vdxStsLnZeroArg : vdxStsLnNegArg;
    return true;
}

enum class LogKind { natural, ten_log10 };

// Elements per pass of the sf < 0 path (its logarithms come from the double
// kernel, a block at a time).
constexpr int kLogBlock = 256;

template <LogKind Kind, class S, class D>
VdxStatus log_integer(const S* src, D* dst, int len, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    int status = 0;
    if (sf >= 0) {
        for (int i = 0; i < len; ++i) {
            const std::int32_t x = src[i];
            D out;
            if (!non_positive(x, out, status)) {
                const int r = Kind == LogKind::natural ? step_value(vdx::explog::kLnThresholds, x)
                                                       : step_value(vdx::explog::kTenLog10Steps, x);
                out = static_cast<D>(sf >= 31 ? 0 : r >> sf);
            }
            dst[i] = out;
        }
        return static_cast<VdxStatus>(status);
    }
    // Every x >= 2 saturates from sf = -40 on (ln 2 * 2^40 > 2^31).
    const double scale = vdx::pow2d(sf < -40 ? 40 : -sf);
    const double multiplier = Kind == LogKind::natural ? scale : scale * 0x1.15f2ced384f29p+2;  // 10 / ln 10
    const ExpLogKernels& k = ExpLogVariant::table();
    for (int begin = 0; begin < len; begin += kLogBlock) {
        const int n = std::min(kLogBlock, len - begin);
        double logs[kLogBlock];
        for (int j = 0; j < n; ++j) logs[j] = static_cast<double>(std::max<std::int32_t>(src[begin + j], 1));
        k.ln_64f(logs, logs, n);
        for (int j = 0; j < n; ++j) {
            D out;
            if (!non_positive(src[begin + j], out, status)) out = vdx::round_sat<D>(logs[j] * multiplier, vdxRndNear);
            dst[begin + j] = out;
        }
    }
    return static_cast<VdxStatus>(status);
}

// ---------------------------------------------------------------- sums of logarithms

template <class R>
R negative_nan() noexcept {
    if constexpr (sizeof(R) == 4) return vdxConstantOfNAN_32f;
    else return vdxConstantOfNAN_64f;
}

template <auto Kernel, class S, class R>
VdxStatus sum_ln(const S* src, int len, R* sum) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, sum));
    const ExpLogKernels& k = ExpLogVariant::table();
    double total = 0.0;
    for (int begin = 0; begin < len; begin += vdx::kSumLnBlock) {
        double block = 0.0;
        const int flags = (k.*Kernel)(src + begin, std::min(vdx::kSumLnBlock, len - begin), &block);
        if (flags & vdx::kSumLnNegative) {
            *sum = negative_nan<R>();
            return vdxStsLnNegArg;
        }
        if (flags & vdx::kSumLnZero) {
            *sum = static_cast<R>(HUGE_VAL);
            return vdxStsLnZeroArg;
        }
        total += block;
    }
    *sum = static_cast<R>(total);
    return vdxStsNoErr;
}

}  // namespace

// ---- rows

#define VDX_EXP_FLOAT(code, kernel, S, D)                                                  \
    extern "C" VdxStatus y8_vdxsExp_##code(const S* pSrc, D* pDst, int len) noexcept {     \
        return exp_float<&ExpLogKernels::kernel>(pSrc, pDst, len);                         \
    }
#define VDX_EXP_FLOAT_I(code, kernel, T)                                                   \
    extern "C" VdxStatus y8_vdxsExp_##code##_I(T* pSrcDst, int len) noexcept {             \
        return exp_float<&ExpLogKernels::kernel>(pSrcDst, pSrcDst, len);                   \
    }
#define VDX_LN_FLOAT(code, kernel, S, D)                                                   \
    extern "C" VdxStatus y8_vdxsLn_##code(const S* pSrc, D* pDst, int len) noexcept {      \
        return ln_float<&ExpLogKernels::kernel>(pSrc, pDst, len);                          \
    }
#define VDX_LN_FLOAT_I(code, kernel, T)                                                    \
    extern "C" VdxStatus y8_vdxsLn_##code##_I(T* pSrcDst, int len) noexcept {              \
        return ln_float<&ExpLogKernels::kernel>(pSrcDst, pSrcDst, len);                    \
    }
#define VDX_EXP_INT(code, T)                                                                             \
    extern "C" VdxStatus y8_vdxsExp_##code##_Sfs(const T* pSrc, T* pDst, int len, int scaleFactor) noexcept { \
        return exp_integer(pSrc, pDst, len, scaleFactor);                                                \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxsExp_##code##_ISfs(T* pSrcDst, int len, int scaleFactor) noexcept {       \
        return exp_integer(pSrcDst, pSrcDst, len, scaleFactor);                                          \
    }
#define VDX_LOG_INT(name, kind, S, D)                                                                  \
    extern "C" VdxStatus y8_vdxs##name##_Sfs(const S* pSrc, D* pDst, int len, int scaleFactor) noexcept { \
        return log_integer<LogKind::kind>(pSrc, pDst, len, scaleFactor);                              \
    }
#define VDX_LOG_INT_I(name, kind, T)                                                                   \
    extern "C" VdxStatus y8_vdxs##name##_ISfs(T* pSrcDst, int len, int scaleFactor) noexcept {        \
        return log_integer<LogKind::kind>(pSrcDst, pSrcDst, len, scaleFactor);                        \
    }
#define VDX_SUM_LN(code, kernel, S, R)                                                     \
    extern "C" VdxStatus y8_vdxsSumLn_##code(const S* pSrc, int len, R* pSum) noexcept {   \
        return sum_ln<&ExpLogKernels::kernel>(pSrc, len, pSum);                            \
    }

VDX_EXP_FLOAT(32f, exp_32f, Vdx32f, Vdx32f)
VDX_EXP_FLOAT_I(32f, exp_32f, Vdx32f)
VDX_EXP_FLOAT(64f, exp_64f, Vdx64f, Vdx64f)
VDX_EXP_FLOAT_I(64f, exp_64f, Vdx64f)
VDX_EXP_FLOAT(32f64f, exp_32f64f, Vdx32f, Vdx64f)

VDX_EXP_INT(16s, Vdx16s)
VDX_EXP_INT(32s, Vdx32s)
VDX_EXP_INT(64s, Vdx64s)

VDX_LN_FLOAT(32f, ln_32f, Vdx32f, Vdx32f)
VDX_LN_FLOAT_I(32f, ln_32f, Vdx32f)
VDX_LN_FLOAT(64f, ln_64f, Vdx64f, Vdx64f)
VDX_LN_FLOAT_I(64f, ln_64f, Vdx64f)
VDX_LN_FLOAT(64f32f, ln_64f32f, Vdx64f, Vdx32f)

VDX_LOG_INT(Ln_16s, natural, Vdx16s, Vdx16s)
VDX_LOG_INT_I(Ln_16s, natural, Vdx16s)
VDX_LOG_INT(Ln_32s, natural, Vdx32s, Vdx32s)
VDX_LOG_INT_I(Ln_32s, natural, Vdx32s)
VDX_LOG_INT(Ln_32s16s, natural, Vdx32s, Vdx16s)

VDX_LOG_INT(10Log10_32s, ten_log10, Vdx32s, Vdx32s)
VDX_LOG_INT_I(10Log10_32s, ten_log10, Vdx32s)

VDX_SUM_LN(32f, sum_ln_32f, Vdx32f, Vdx32f)
VDX_SUM_LN(64f, sum_ln_64f, Vdx64f, Vdx64f)
VDX_SUM_LN(32f64f, sum_ln_32f, Vdx32f, Vdx64f)
VDX_SUM_LN(16s32f, sum_ln_16s, Vdx16s, Vdx32f)

#undef VDX_EXP_FLOAT
#undef VDX_EXP_FLOAT_I
#undef VDX_LN_FLOAT
#undef VDX_LN_FLOAT_I
#undef VDX_EXP_INT
#undef VDX_LOG_INT
#undef VDX_LOG_INT_I
#undef VDX_SUM_LN
