// The reductions: Sum, Mean, StdDev, MeanStdDev, the extrema (Min, Max,
// their Indx, Abs and MinMax forms), MinEvery / MaxEvery, MaxOrder,
// CountInRange, ZeroCrossing and SumWindow.
//
// The vector work (fixed-order float sums, exact integer sums, extrema,
// first positions, element-wise min / max, range counts) runs in the kernels
// of the variant this process picked (reduce_kernels.h); what stays here is
// checking, the scalar finishing rules (scale factors, rounding, the
// standard-deviation formula) and the members that are serial by nature
// (SumWindow's running update) and the integer MaxOrder, a plain OR loop.
//
// Extrema: MinIndx / MaxIndx keep (value, index) lane pairs in one pass.
// The other forms find the extremum value in the kernel; MinMaxIndx then
// scans for the first element equal to each extremum, which is also how the
// value-only float forms settle a zero (-0 or +0: the first one met) or an
// infinity (which may be the kernel's start value, with only NaNs met: the
// first element and index 0 are reported then).
#include <cstdint>

#include "abi/api.h"
#include "runtime/checks.h"
#include "numeric/fixed.h"
#include "runtime/isa.h"
#include "stats/reduce_kernels.h"
#include "numeric/types.h"

namespace {

using vdx::ExtremaKernels;
using vdx::ReduceKernels;
using ReduceVariant = vdx::Variant<ReduceKernels, &vdx::reduce_kernels_variants>;

inline const ReduceKernels& kernels() noexcept { return ReduceVariant::table(); }

// ---------------------------------------------------------------- shared rules

// sqrt(max(0, v) / (n (n - 1))); a NaN v stays NaN.
inline double std_dev_from(double v, double n) noexcept {
    if (v < 0) v = 0;
    return __builtin_sqrt(v / (n * (n - 1)));
}

// From float-type sums S and Q of n elements.
inline double std_dev(double s, double q, int n) noexcept {
    const double dn = n;
    return std_dev_from(dn * q - s * s, dn);
}

// From exact integer sums: n Q - S^2 is formed exactly (it is never
// negative), then rounded once to double.
inline double std_dev_exact(std::int64_t s, std::uint64_t q, int n) noexcept {
    const __int128 v = static_cast<__int128>(n) * static_cast<__int128>(q) - static_cast<__int128>(s) * s;
    return std_dev_from(static_cast<double>(v), n);
}

// A double result scaled by 2^-sf, rounded half to even, saturated to D.
template <class D>
inline D scaled(double y, int sf) noexcept {
    return vdx::round_sat<D>(vdx::apply_scale(y, vdx::pow2_scale<double>(sf)), vdxRndNear);
}

// a / b rounded to nearest, ties to even: the quotient of the magnitudes
// with the sign applied after (b > 0).
inline __int128 div_round_even(__int128 a, __int128 b) noexcept {
    const bool negative = a < 0;
    const unsigned __int128 m = negative ? -static_cast<unsigned __int128>(a) : static_cast<unsigned __int128>(a);
    const unsigned __int128 ub = static_cast<unsigned __int128>(b);
    unsigned __int128 q = m / ub;
    const unsigned __int128 r = m % ub;
    if (2 * r > ub || (2 * r == ub && (q & 1))) ++q;
    return negative ? -static_cast<__int128>(q) : static_cast<__int128>(q);
}

inline Vdx32s saturate32(__int128 v) noexcept {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<Vdx32s>(v);
}

// Mean of 32-bit integers from their exact sum.
Vdx32s mean_32s(std::int64_t sum, int len, int sf) noexcept {
    if (sf >= 0) {
        // |sum| < 2^62 while len 2^sf >= 2^63 from sf = 63 on: the quotient
        // is below 1/2 and rounds to 0.
        if (sf >= 63) return 0;
        return saturate32(div_round_even(sum, static_cast<__int128>(len) << sf));
    }
    if (sf <= -32) {  // (tested before negating: sf may be INT_MIN)
        const __int128 q = div_round_even(sum, len);
        return q == 0 ? 0 : (q > 0 ? INT32_MAX : INT32_MIN);
    }
    const int n = -sf;
    if (sum >= INT32_MIN && sum <= INT32_MAX) {
        return saturate32(div_round_even(static_cast<__int128>(sum) << n, len));
    }
    return saturate32(div_round_even(sum, len) * (static_cast<__int128>(1) << n));
}

// ---------------------------------------------------------------- float sums

// Sum (and sum of squares) of n float elements of C components by the
// hint's scheme, widened to double.
template <int C>
void sum_32f_by_hint(const Vdx32f* x, int n, int hint, double* sum, double* sq) noexcept {
    const ReduceKernels& k = kernels();
    if (hint == vdxAlgHintFast) {
        float s[C], q = 0;
        (C == 1 ? k.sum_32f_fast : k.sum_32fc_fast)(x, n, s, sq ? &q : nullptr);
        for (int c = 0; c < C; ++c) sum[c] = s[c];
        if (sq) *sq = q;
    } else {
        (C == 1 ? k.sum_32f : k.sum_32fc)(x, n, sum, sq);
    }
}

// Sum or mean of a float vector: the per-part sums in double, divided by
// len for the mean, rounded once to the part type.
template <bool Mean, class T>
VdxStatus float_sum(const T* src, int len, T* out, int hint) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, out));
    using P = vdx::PartOf<T>;
    constexpr int C = vdx::ElementTraits<T>::parts;
    double s[C];
    if constexpr (sizeof(P) == sizeof(Vdx32f)) {
        sum_32f_by_hint<C>(reinterpret_cast<const Vdx32f*>(src), len, hint, s, nullptr);
    } else {
        (C == 1 ? kernels().sum_64f : kernels().sum_64fc)(reinterpret_cast<const Vdx64f*>(src), len, s, nullptr);
    }
    P* o = reinterpret_cast<P*>(out);
    for (int c = 0; c < C; ++c) o[c] = static_cast<P>(Mean ? s[c] / len : s[c]);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- integer sums

template <class D>
VdxStatus sum_16s(const Vdx16s* src, int len, D* out, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, out));
    std::int64_t s;
    kernels().sum_16s(src, len, &s, nullptr);
    *out = vdx::saturate<D>(vdx::scale_round_sat<Vdx32s>(s, sf));
    return vdxStsNoErr;
}

template <class D, class DC>
VdxStatus sum_16sc(const Vdx16sc* src, int len, DC* out, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, out));
    std::int64_t s[2];
    kernels().sum_16sc(reinterpret_cast<const Vdx16s*>(src), len, s);
    out->re = vdx::saturate<D>(vdx::scale_round_sat<Vdx32s>(s[0], sf));
    out->im = vdx::saturate<D>(vdx::scale_round_sat<Vdx32s>(s[1], sf));
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- deviations

// StdDev and (WithMean) MeanStdDev of 32f / 64f; 32f sums by the hint,
// which MeanStdDev passes as none (double sums).
template <bool WithMean, class T>
VdxStatus float_std_dev(const T* src, int len, T* mean, T* dev, int hint) noexcept {
    if (vdx::any_null(src, dev) || (WithMean && mean == nullptr)) return vdxStsNullPtrErr;
    if (len < 2) return vdxStsSizeErr;
    double s, q;
    if constexpr (sizeof(T) == sizeof(Vdx32f)) {
        sum_32f_by_hint<1>(src, len, hint, &s, &q);
    } else {
        kernels().sum_64f(src, len, &s, &q);
    }
    if constexpr (WithMean) *mean = static_cast<T>(s / len);
    *dev = static_cast<T>(std_dev(s, q, len));
    return vdxStsNoErr;
}

// The 16s forms with result type D: the deviation is rounded to 32 bits and
// then limited to D (StdDev_16s: at most 32767); the mean, like Mean_16s,
// is the exact sum over len in double, scaled and rounded.
template <bool WithMean, class D>
VdxStatus int_std_dev(const Vdx16s* src, int len, D* mean, D* dev, int sf) noexcept {
    if (vdx::any_null(src, dev) || (WithMean && mean == nullptr)) return vdxStsNullPtrErr;
    if (len < 2) return vdxStsSizeErr;
    std::int64_t s;
    std::uint64_t q;
    kernels().sum_16s(src, len, &s, &q);
    if constexpr (WithMean) *mean = scaled<D>(static_cast<double>(s) / len, sf);
    *dev = vdx::saturate<D>(scaled<Vdx32s>(std_dev_exact(s, q, len), sf));
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- extrema

template <class T>
inline const ExtremaKernels<T>& extrema() noexcept {
    return vdx::member_of_type<ExtremaKernels<T>, &ReduceKernels::x8u, &ReduceKernels::x16u, &ReduceKernels::x16s,
                               &ReduceKernels::x32u, &ReduceKernels::x32s, &ReduceKernels::x32f, &ReduceKernels::x64f>(
        kernels());
}

// The first element equal to the kernel's extremum m: its index, and m
// replaced by the element itself (the sign of a zero); a float vector with
// no such element holds NaNs only, and gives its first element.
template <class T>
inline int locate(const T* x, int len, T& m) noexcept {
    int i = extrema<T>().first_equal(x, len, m);
    if (i < 0) i = 0;
    m = x[i];
    return i;
}

// Whether a float extremum needs locating to be exact: a zero (which sign
// came first) or an infinity (which may be the kernel's start value).
template <class T>
inline bool ambiguous(T m) noexcept {
    if constexpr (vdx::is_floating<T>) {
        return m == 0 || m - m != 0;
    } else {
        return false;
    }
}

template <class T>
inline const vdx::IndexKernels<T>& first_index() noexcept {
    return vdx::member_of_type<vdx::IndexKernels<T>, &ReduceKernels::i16s, &ReduceKernels::i32s, &ReduceKernels::i32f,
                               &ReduceKernels::i64f>(kernels());
}

// Min, Max, MinIndx, MaxIndx: the indexed forms run the one-pass index
// kernel; the others take the value kernel and locate only an ambiguous
// float result.
template <bool Max, class T>
VdxStatus extremum(const T* src, int len, T* out, int* index) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, out));
    if (index != nullptr) {
        const vdx::IndexKernels<T>& k = first_index<T>();
        const int i = (Max ? k.max : k.min)(src, len);
        *out = src[i];
        *index = i;
        return vdxStsNoErr;
    }
    const ExtremaKernels<T>& e = extrema<T>();
    T m = Max ? e.max(src, len) : e.min(src, len);
    if (ambiguous(m)) locate(src, len, m);
    *out = m;
    return vdxStsNoErr;
}

template <class T>
VdxStatus min_max(const T* src, int len, T* mn, T* mx) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, mn, mx));
    T a, b;
    extrema<T>().min_max(src, len, &a, &b);
    if (ambiguous(a)) locate(src, len, a);
    if (ambiguous(b)) locate(src, len, b);
    *mn = a;
    *mx = b;
    return vdxStsNoErr;
}

template <class T>
VdxStatus min_max_indx(const T* src, int len, T* mn, int* mn_index, T* mx, int* mx_index) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, mn, mn_index, mx, mx_index));
    T a, b;
    extrema<T>().min_max(src, len, &a, &b);
    const int i = locate(src, len, a);
    const int j = locate(src, len, b);
    *mn = a;
    *mn_index = i;
    *mx = b;
    *mx_index = j;
    return vdxStsNoErr;
}

// |x| as the Abs forms compare it: 16s saturates |-32768| to 32767, 32s
// wraps it to -2^31 (two's complement).
inline Vdx16s magnitude(Vdx16s x) noexcept { return x == -32768 ? 32767 : static_cast<Vdx16s>(x < 0 ? -x : x); }
inline Vdx32s magnitude(Vdx32s x) noexcept {
    return static_cast<Vdx32s>(x < 0 ? 0u - static_cast<Vdx32u>(x) : static_cast<Vdx32u>(x));
}

template <class T>
inline const vdx::IndexKernels<T>& first_abs_index() noexcept {
    return vdx::member_of_type<vdx::IndexKernels<T>, &ReduceKernels::abs16s, &ReduceKernels::abs32s>(kernels());
}

template <bool Max, class T>
VdxStatus abs_extremum(const T* src, int len, T* out, int* index) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, out, index));
    const vdx::IndexKernels<T>& e = first_abs_index<T>();
    const int i = (Max ? e.max : e.min)(src, len);
    *out = magnitude(src[i]);
    *index = i;
    return vdxStsNoErr;
}

// The value-only Abs forms run the indexed one with a local index.
template <bool Max, class T>
VdxStatus abs_value(const T* src, int len, T* out) noexcept {
    int unused;
    return abs_extremum<Max>(src, len, out, &unused);
}

// ---------------------------------------------------------------- every

template <class T>
inline const vdx::EveryKernels<T>& every_kernels() noexcept {
    return vdx::member_of_type<vdx::EveryKernels<T>, &ReduceKernels::e8u, &ReduceKernels::e16u, &ReduceKernels::e16s,
                               &ReduceKernels::e32s, &ReduceKernels::e32f, &ReduceKernels::e64f>(kernels());
}

template <bool Max, class T>
inline void every(const T* a, const T* b, T* d, std::size_t n) noexcept {
    const vdx::EveryKernels<T>& e = every_kernels<T>();
    (Max ? e.max : e.min)(a, b, d, n);
}

template <bool Max, class T>
VdxStatus every_in_place(const T* src, T* src_dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, src_dst));
    every<Max>(src, src_dst, src_dst, static_cast<std::size_t>(len));
    return vdxStsNoErr;
}

template <bool Max, class T>
VdxStatus every_two(const T* src1, const T* src2, T* dst, Vdx32u len) noexcept {
    if (vdx::any_null(src1, src2, dst)) return vdxStsNullPtrErr;
    if (len == 0) return vdxStsSizeErr;
    every<Max>(src1, src2, dst, len);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- max order

template <class T>
VdxStatus max_order_int(const T* src, int len, int* order) noexcept {
    if (len < 1) return vdxStsSizeErr;
    if (vdx::any_null(src, order)) return vdxStsNullPtrErr;
    std::uint32_t bits = 0;
    for (int i = 0; i < len; ++i) {
        const std::int32_t x = src[i];
        bits |= x < 0 ? 0u - static_cast<std::uint32_t>(x) : static_cast<std::uint32_t>(x);
    }
    *order = bits == 0 ? 0 : 32 - __builtin_clz(bits);
    return vdxStsNoErr;
}

// Float order: the largest exponent field among finite elements, minus
// 126 (1022); infinities and NaNs are left out and noted.
template <class T>
VdxStatus max_order_float(const T* src, int len, int* order) noexcept {
    if (len < 1) return vdxStsSizeErr;
    if (vdx::any_null(src, order)) return vdxStsNullPtrErr;
    int non_finite;
    const ReduceKernels& k = kernels();
    if constexpr (sizeof(T) == sizeof(Vdx32f)) {
        *order = k.max_exponent_32f(src, len, &non_finite) - 126;
    } else {
        *order = k.max_exponent_64f(src, len, &non_finite) - 1022;
    }
    return non_finite ? vdxStsNonFiniteArg : vdxStsNoErr;
}

// ---------------------------------------------------------------- zero crossing

template <class T>
VdxStatus zero_crossing(const T* src, int len, Vdx32f* out, int type) noexcept {
    if (vdx::any_null(src, out)) return vdxStsNullPtrErr;
    if (len <= 0) return vdxStsSizeErr;
    if (type < vdxZCProduct || type > vdxZCSignDiff) return vdxStsRangeErr;
    const ReduceKernels& k = kernels();
    std::int64_t count;
    if constexpr (sizeof(T) == 2) {
        count = k.zero_crossing_16s(src, len, type);
    } else {
        count = k.zero_crossing_32f(src, len, type);
    }
    if (type == vdxZCSignDiff) count >>= 1;
    *out = static_cast<Vdx32f>(count);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- sum window

template <class T>
VdxStatus sum_window(const T* src, Vdx32f* dst, int len, int m) noexcept {
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    if (m < 1) return vdxStsMaskSizeErr;
    if (len < 1) return vdxStsNoErr;
    // The first window: eight float partials, folded as a halving tree,
    // then the leftover elements one by one.
    float p[8] = {};
    const int whole = m / 8 * 8;
    for (int i = 0; i < whole; i += 8) {
        for (int j = 0; j < 8; ++j) p[j] += static_cast<float>(src[i + j]);
    }
    for (int h = 4; h >= 1; h /= 2) {
        for (int j = 0; j < h; ++j) p[j] += p[j + h];
    }
    float s = p[0];
    for (int i = whole; i < m; ++i) s += static_cast<float>(src[i]);
    dst[0] = s;
    // len + m - 1 elements may lie beyond the int range of indices.
    const T* ahead = src + m;
    for (int i = 0; i + 1 < len; ++i) {
        s += static_cast<float>(static_cast<std::int32_t>(ahead[i]) - static_cast<std::int32_t>(src[i]));
        dst[i + 1] = s;
    }
    return vdxStsNoErr;
}

}  // namespace

// ---- rows

// Float sums and means: code, element type, hint parameter (or none).
#define VDX_HINT_PARAM , VdxHintAlgorithm hint
#define VDX_HINT_ARG hint
#define VDX_NO_PARAM
#define VDX_NO_ARG vdxAlgHintNone
#define VDX_FLOAT_SUM_ROW(code, T, PARAM, ARG)                                                        \
    extern "C" VdxStatus y8_vdxsSum_##code(const T* pSrc, int len, T* pSum PARAM) noexcept {         \
        return float_sum<false>(pSrc, len, pSum, ARG);                                               \
    }                                                                                                 \
    extern "C" VdxStatus y8_vdxsMean_##code(const T* pSrc, int len, T* pMean PARAM) noexcept {       \
        return float_sum<true>(pSrc, len, pMean, ARG);                                               \
    }
VDX_FLOAT_SUM_ROW(32f, Vdx32f, VDX_HINT_PARAM, VDX_HINT_ARG)
VDX_FLOAT_SUM_ROW(32fc, Vdx32fc, VDX_HINT_PARAM, VDX_HINT_ARG)
VDX_FLOAT_SUM_ROW(64f, Vdx64f, VDX_NO_PARAM, VDX_NO_ARG)
VDX_FLOAT_SUM_ROW(64fc, Vdx64fc, VDX_NO_PARAM, VDX_NO_ARG)
#undef VDX_FLOAT_SUM_ROW
#undef VDX_HINT_PARAM
#undef VDX_HINT_ARG
#undef VDX_NO_PARAM
#undef VDX_NO_ARG

// Integer sums.
extern "C" VdxStatus y8_vdxsSum_16s32s_Sfs(const Vdx16s* pSrc, int len, Vdx32s* pSum, int scaleFactor) noexcept {
    return sum_16s(pSrc, len, pSum, scaleFactor);
}
extern "C" VdxStatus y8_vdxsSum_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pSum, int scaleFactor) noexcept {
    return sum_16s(pSrc, len, pSum, scaleFactor);
}
extern "C" VdxStatus y8_vdxsSum_16sc32sc_Sfs(const Vdx16sc* pSrc, int len, Vdx32sc* pSum, int scaleFactor) noexcept {
    return sum_16sc<Vdx32s>(pSrc, len, pSum, scaleFactor);
}
extern "C" VdxStatus y8_vdxsSum_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pSum, int scaleFactor) noexcept {
    return sum_16sc<Vdx16s>(pSrc, len, pSum, scaleFactor);
}
extern "C" VdxStatus y8_vdxsSum_32s_Sfs(const Vdx32s* pSrc, int len, Vdx32s* pSum, int scaleFactor) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pSum));
    *pSum = vdx::scale_round_sat<Vdx32s>(kernels().sum_32s(pSrc, len), scaleFactor);
    return vdxStsNoErr;
}

// Integer means: the exact sum over len in double, scaled, rounded half to even.
extern "C" VdxStatus y8_vdxsMean_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pMean, int scaleFactor) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pMean));
    std::int64_t s;
    kernels().sum_16s(pSrc, len, &s, nullptr);
    *pMean = scaled<Vdx16s>(static_cast<double>(s) / len, scaleFactor);
    return vdxStsNoErr;
}
extern "C" VdxStatus y8_vdxsMean_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pMean, int scaleFactor) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pMean));
    std::int64_t s[2];
    kernels().sum_16sc(reinterpret_cast<const Vdx16s*>(pSrc), len, s);
    pMean->re = scaled<Vdx16s>(static_cast<double>(s[0]) / len, scaleFactor);
    pMean->im = scaled<Vdx16s>(static_cast<double>(s[1]) / len, scaleFactor);
    return vdxStsNoErr;
}
extern "C" VdxStatus y8_vdxsMean_32s_Sfs(const Vdx32s* pSrc, int len, Vdx32s* pMean, int scaleFactor) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pMean));
    *pMean = mean_32s(kernels().sum_32s(pSrc, len), len, scaleFactor);
    return vdxStsNoErr;
}

// Standard deviations: code, element type, hint parameter and argument.
#define VDX_HINT_PARAM , VdxHintAlgorithm hint
#define VDX_NO_PARAM
#define VDX_FLOAT_STDDEV_ROW(code, T, PARAM, ARG)                                                                \
    extern "C" VdxStatus y8_vdxsStdDev_##code(const T* pSrc, int len, T* pStdDev PARAM) noexcept {               \
        return float_std_dev<false>(pSrc, len, static_cast<T*>(nullptr), pStdDev, ARG);                          \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMeanStdDev_##code(const T* pSrc, int len, T* pMean, T* pStdDev) noexcept {       \
        return float_std_dev<true>(pSrc, len, pMean, pStdDev, vdxAlgHintNone);                                  \
    }
VDX_FLOAT_STDDEV_ROW(32f, Vdx32f, VDX_HINT_PARAM, hint)
VDX_FLOAT_STDDEV_ROW(64f, Vdx64f, VDX_NO_PARAM, vdxAlgHintNone)
#undef VDX_FLOAT_STDDEV_ROW
#undef VDX_HINT_PARAM
#undef VDX_NO_PARAM

// Integer standard deviations: code, result type.
#define VDX_INT_STDDEV_ROW(code, D)                                                                              \
    extern "C" VdxStatus y8_vdxsStdDev_##code##_Sfs(const Vdx16s* pSrc, int len, D* pStdDev, int scaleFactor)   \
        noexcept {                                                                                               \
        return int_std_dev<false>(pSrc, len, static_cast<D*>(nullptr), pStdDev, scaleFactor);                    \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMeanStdDev_##code##_Sfs(const Vdx16s* pSrc, int len, D* pMean, D* pStdDev,      \
                                                        int scaleFactor) noexcept {                              \
        return int_std_dev<true>(pSrc, len, pMean, pStdDev, scaleFactor);                                        \
    }
VDX_INT_STDDEV_ROW(16s32s, Vdx32s)
VDX_INT_STDDEV_ROW(16s, Vdx16s)
#undef VDX_INT_STDDEV_ROW

// Extrema: code, element type.
#define VDX_MIN_MAX_ROW(code, T)                                                                                 \
    extern "C" VdxStatus y8_vdxsMinMax_##code(const T* pSrc, int len, T* pMin, T* pMax) noexcept {               \
        return min_max(pSrc, len, pMin, pMax);                                                                   \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMinMaxIndx_##code(const T* pSrc, int len, T* pMin, int* pMinIndx, T* pMax,      \
                                                  int* pMaxIndx) noexcept {                                      \
        return min_max_indx(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx);                                          \
    }
#define VDX_EXTREMUM_ROW(code, T)                                                                                \
    VDX_MIN_MAX_ROW(code, T)                                                                                     \
    extern "C" VdxStatus y8_vdxsMin_##code(const T* pSrc, int len, T* pMin) noexcept {                           \
        return extremum<false>(pSrc, len, pMin, nullptr);                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMax_##code(const T* pSrc, int len, T* pMax) noexcept {                           \
        return extremum<true>(pSrc, len, pMax, nullptr);                                                         \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMinIndx_##code(const T* pSrc, int len, T* pMin, int* pIndx) noexcept {           \
        return extremum<false>(pSrc, len, pMin, pIndx);                                                          \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMaxIndx_##code(const T* pSrc, int len, T* pMax, int* pIndx) noexcept {           \
        return extremum<true>(pSrc, len, pMax, pIndx);                                                           \
    }
VDX_MIN_MAX_ROW(8u, Vdx8u)
VDX_MIN_MAX_ROW(16u, Vdx16u)
VDX_MIN_MAX_ROW(32u, Vdx32u)
VDX_EXTREMUM_ROW(16s, Vdx16s)
VDX_EXTREMUM_ROW(32s, Vdx32s)
VDX_EXTREMUM_ROW(32f, Vdx32f)
VDX_EXTREMUM_ROW(64f, Vdx64f)
#undef VDX_EXTREMUM_ROW
#undef VDX_MIN_MAX_ROW

#define VDX_ABS_ROW(code, T)                                                                                     \
    extern "C" VdxStatus y8_vdxsMinAbs_##code(const T* pSrc, int len, T* pMinAbs) noexcept {                     \
        return abs_value<false>(pSrc, len, pMinAbs);                                                             \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMaxAbs_##code(const T* pSrc, int len, T* pMaxAbs) noexcept {                     \
        return abs_value<true>(pSrc, len, pMaxAbs);                                                              \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMinAbsIndx_##code(const T* pSrc, int len, T* pMinAbs, int* pIndx) noexcept {     \
        return abs_extremum<false>(pSrc, len, pMinAbs, pIndx);                                                   \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMaxAbsIndx_##code(const T* pSrc, int len, T* pMaxAbs, int* pIndx) noexcept {     \
        return abs_extremum<true>(pSrc, len, pMaxAbs, pIndx);                                                    \
    }
VDX_ABS_ROW(16s, Vdx16s)
VDX_ABS_ROW(32s, Vdx32s)
#undef VDX_ABS_ROW

// MinEvery / MaxEvery: in place for every type, two sources for some.
#define VDX_EVERY_IN_PLACE_ROW(code, T)                                                                          \
    extern "C" VdxStatus y8_vdxsMinEvery_##code##_I(const T* pSrc, T* pSrcDst, int len) noexcept {               \
        return every_in_place<false>(pSrc, pSrcDst, len);                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMaxEvery_##code##_I(const T* pSrc, T* pSrcDst, int len) noexcept {               \
        return every_in_place<true>(pSrc, pSrcDst, len);                                                         \
    }
#define VDX_EVERY_ROW(code, T)                                                                                   \
    VDX_EVERY_IN_PLACE_ROW(code, T)                                                                              \
    extern "C" VdxStatus y8_vdxsMinEvery_##code(const T* pSrc1, const T* pSrc2, T* pDst, Vdx32u len) noexcept {  \
        return every_two<false>(pSrc1, pSrc2, pDst, len);                                                        \
    }                                                                                                            \
    extern "C" VdxStatus y8_vdxsMaxEvery_##code(const T* pSrc1, const T* pSrc2, T* pDst, Vdx32u len) noexcept {  \
        return every_two<true>(pSrc1, pSrc2, pDst, len);                                                         \
    }
VDX_EVERY_ROW(8u, Vdx8u)
VDX_EVERY_ROW(16u, Vdx16u)
VDX_EVERY_IN_PLACE_ROW(16s, Vdx16s)
VDX_EVERY_IN_PLACE_ROW(32s, Vdx32s)
VDX_EVERY_ROW(32f, Vdx32f)
VDX_EVERY_ROW(64f, Vdx64f)
#undef VDX_EVERY_ROW
#undef VDX_EVERY_IN_PLACE_ROW

extern "C" VdxStatus y8_vdxsMaxOrder_16s(const Vdx16s* pSrc, int len, int* pOrder) noexcept {
    return max_order_int(pSrc, len, pOrder);
}
extern "C" VdxStatus y8_vdxsMaxOrder_32s(const Vdx32s* pSrc, int len, int* pOrder) noexcept {
    return max_order_int(pSrc, len, pOrder);
}
extern "C" VdxStatus y8_vdxsMaxOrder_32f(const Vdx32f* pSrc, int len, int* pOrder) noexcept {
    return max_order_float(pSrc, len, pOrder);
}
extern "C" VdxStatus y8_vdxsMaxOrder_64f(const Vdx64f* pSrc, int len, int* pOrder) noexcept {
    return max_order_float(pSrc, len, pOrder);
}

extern "C" VdxStatus y8_vdxsCountInRange_32s(const Vdx32s* pSrc, int len, int* pCounts, Vdx32s lowerBound,
                                             Vdx32s upperBound) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pCounts));
    *pCounts = kernels().count_in_range_32s(pSrc, len, lowerBound, upperBound);
    return vdxStsNoErr;
}

extern "C" VdxStatus y8_vdxsZeroCrossing_16s32f(const Vdx16s* pSrc, int len, Vdx32f* pValZCR,
                                                VdxZCType zcType) noexcept {
    return zero_crossing(pSrc, len, pValZCR, zcType);
}
extern "C" VdxStatus y8_vdxsZeroCrossing_32f(const Vdx32f* pSrc, int len, Vdx32f* pValZCR, VdxZCType zcType) noexcept {
    return zero_crossing(pSrc, len, pValZCR, zcType);
}

extern "C" VdxStatus y8_vdxsSumWindow_8u32f(const Vdx8u* pSrc, Vdx32f* pDst, int len, int maskSize) noexcept {
    return sum_window(pSrc, pDst, len, maskSize);
}
extern "C" VdxStatus y8_vdxsSumWindow_16s32f(const Vdx16s* pSrc, Vdx32f* pDst, int len, int maskSize) noexcept {
    return sum_window(pSrc, pDst, len, maskSize);
}
