// Auto- and cross-correlation.
//
// AutoCorr: dst[k] = sum over n of src[n + k] conj(src[n]), k < m =
// min(srcLen, dstLen); dst[m ..] = 0.  Direct (the sliding dot product of the
// signal under itself) below m = 856 for real types, 152 for 32fc, 368 for
// 64fc; otherwise the signal zero-padded to 2^order >= 2 srcLen, transformed,
// multiplied by its own conjugate (real: MulPackConj on the Pack spectrum)
// and transformed back.  NormA multiplies by 1/srcLen, NormB divides lag k by
// srcLen - k (directly, no divisor vector).
//
// CrossCorr: dst[j] = sum over n of conj(src1[n]) src2[n + lowLag + j] (the
// complex forms conjugate the first signal, so CrossCorr of a signal with
// itself from lag 0 is its AutoCorr).  Lags outside -(src1Len-1) ..
// src2Len-1 are zero.  With n the lags left, direct when
// trunc(float(min len) * n / max len) is at most 383 (32f, 16s), 255 (32fc)
// or 511 (64f, 64fc); otherwise one transform: both signals trimmed to the
// samples the window's lags can reach, zero-padded to 2^order, X2 conj(X1)
// and the inverse, whose circular lags are read for the window.  2^order
// is the smallest power of two >= the sum of their lengths - 1 (no lag
// wraps onto another), or half of it when the lags that then share a point
// are cheap to separate: they pair the two partial-overlap tips of the lag
// range, a lag with few terms against one with many, so the short one of
// each pair the window needs is summed directly (the vectorised sliding
// sum) and the long one is the point's value less it (Folding).  The
// direct terms are bounded by 24 per transform point, where the halved
// transform still gains.  A window much narrower than the signals runs
// by blocks of the first signal instead, each against the span of the
// second its lags reach, at the order whose transforms (two per block, one
// inverse for the sum of the blocks' spectra) cost least, when that is
// clearly less than the single transform (CorrMethod).
//
// The 16-bit forms compute in float on the converted inputs and convert the
// result (after NormA or NormB) times 2^-scaleFactor, rounded half to even
// and saturated.  CrossCorr_16s64s sums exactly in 64 bits.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "abi/api.h"
#include "corr/fft_plan.h"
#include "corr/slide_kernels.h"
#include "numeric/convert.h"
#include "numeric/types.h"
#include "runtime/checks.h"
#include "runtime/isa.h"

namespace {

using vdx::corr::FftRow;
using vdx::corr::order_for;
using vdx::corr::Scratch;
using SlideVariant = vdx::Variant<vdx::SlideKernels, &vdx::slide_kernels_variants>;

template <class T>
using PartOf = vdx::PartOf<T>;

template <class T>
vdx::SlideKernel<T> slide_kernel() noexcept {
    return vdx::member_of_type<vdx::SlideKernel<T>, &vdx::SlideKernels::f32, &vdx::SlideKernels::f64,
                               &vdx::SlideKernels::c32, &vdx::SlideKernels::c64>(SlideVariant::table());
}

template <class T>
constexpr long autocorr_fft_from() {
    if constexpr (!vdx::is_complex<T>) return 856;
    else if constexpr (sizeof(PartOf<T>) == 4) return 152;
    else return 368;
}

template <class T>
constexpr int crosscorr_fft_above() {
    if constexpr (vdx::is_complex<T>) return sizeof(PartOf<T>) == 4 ? 255 : 511;
    else return sizeof(T) == 4 ? 383 : 511;
}

// ---------------------------------------------------------------- spectra

// sum[k] += x[k], k < n (spectra: Pack layouts add alike).
template <class T>
void add_to(const T* x, T* sum, long n) noexcept {
    using P = PartOf<T>;
    const P* a = reinterpret_cast<const P*>(x);
    P* b = reinterpret_cast<P*>(sum);
    for (long k = 0; k < n * static_cast<long>(sizeof(T) / sizeof(P)); ++k) b[k] = b[k] + a[k];
}

template <class T>
inline T minus(T x, T y) noexcept {
    if constexpr (vdx::is_complex<T>) return T{x.re - y.re, x.im - y.im};
    else return x - y;
}

// x = y conj(x) over n complex values; y may be x (a power spectrum).
template <class C>
void mul_conj_complex(const C* y, C* x, long n) noexcept {
    for (long k = 0; k < n; ++k) {
        const auto xr = x[k].re, xi = x[k].im, yr = y[k].re, yi = y[k].im;
        x[k].re = yr * xr + yi * xi;
        x[k].im = yi * xr - yr * xi;
    }
}

// The transform of one order for the type: forward and inverse in place
// (real types in Pack layout), u = z conj(u) over the spectra, and the
// work area each buffer of `elements()` needs after its data.
template <class T>
class Transform {
    using P = PartOf<T>;
    using F = FftRow<P>;
    using Plan = std::conditional_t<vdx::is_complex<T>, vdx::corr::ComplexPlan<P>, vdx::corr::RealPlan<P>>;

public:
    explicit Transform(int order) noexcept : plan_(order, vdx::corr::SpecSource::shared) {}
    VdxStatus status() const noexcept { return plan_.status(); }
    long length() const noexcept { return plan_.length(); }
    long work_elements() const noexcept { return (plan_.work_elements() + sizeof(T) / sizeof(P) - 1) / (sizeof(T) / sizeof(P)); }

    void forward(T* x, Vdx8u* work) const noexcept {
        if constexpr (vdx::is_complex<T>) F::forward(x, plan_.spec(), work);
        else F::to_pack(x, plan_.spec(), work);
    }
    void inverse(T* x, Vdx8u* work) const noexcept {
        if constexpr (vdx::is_complex<T>) F::inverse(x, plan_.spec(), work);
        else F::from_pack(x, plan_.spec(), work);
    }
    void times_conj(const T* z, T* u) const noexcept {
        if constexpr (vdx::is_complex<T>) mul_conj_complex(z, u, length());
        else F::mul_pack_conj(z, u, static_cast<int>(length()));
    }

private:
    Plan plan_;
};

// r[t mod N] = sum over lags t = u + kN of (sum over n of conj(x1[n])
// x2[n + u]), N = 2^order (no lag shares its index with another when N >=
// len1 + len2 - 1), handed to read(r, N) before the memory is released.
// x2 == x1 transforms once.
template <class T, class Read>
VdxStatus circular_correlation(const T* x1, long len1, const T* x2, long len2, int order, Read&& read) noexcept {
    const Transform<T> tr(order);
    if (tr.status() != vdxStsNoErr) return tr.status();
    const long n = tr.length();
    vdx::corr::PaddedPair<T> pair(x1, len1, x2, len2, n, tr.work_elements());
    if (!pair) return vdxStsMemAllocErr;
    tr.forward(pair.first, pair.work);
    if (x2 != x1) tr.forward(pair.second, pair.work);
    tr.times_conj(x2 == x1 ? pair.first : pair.second, pair.first);
    tr.inverse(pair.first, pair.work);
    read(static_cast<const T*>(pair.first), n);
    return vdxStsNoErr;
}

// out[i] = sum over n of conj(y1[n]) y2[n + f + i], i < c, through blocks
// of B = N - c + 1 samples of y1: block s .. s+B-1 meets y2[s + f .. s + f +
// B + c - 2] (zeros outside y2), and at N >= B + c - 1 points their circular
// correlation holds lags 0 .. c-1 apart.  The blocks' products are summed
// over the spectra, so one inverse serves them all.
template <class T>
VdxStatus block_correlation(const T* y1, long l1, const T* y2, long l2, long f, long c, int order, T* out) noexcept {
    const Transform<T> tr(order);
    if (tr.status() != vdxStsNoErr) return tr.status();
    const long n = tr.length(), step = n - c + 1;
    Scratch<T> mem(3 * n + tr.work_elements());
    if (!mem) return vdxStsMemAllocErr;
    T* sum = mem.get();
    T* u = sum + n;
    T* z = u + n;
    auto* work = reinterpret_cast<Vdx8u*>(z + n);
    for (long s = 0; s < l1; s += step) {
        vdx::corr::copy_padded(y1 + s, l1 - s < step ? l1 - s : step, u, n);
        // z[k] = y2[s + f + k] for k < step + c - 1, zeros outside y2.
        const long from = s + f, span = step + c - 1;
        const long lead = from < 0 ? (-from < span ? -from : span) : 0;
        const long end = l2 - from < span ? l2 - from : span, count = end > lead ? end - lead : 0;
        std::memset(static_cast<void*>(z), 0, static_cast<size_t>(lead) * sizeof(T));
        vdx::corr::copy_padded(y2 + from + lead, count, z + lead, n - lead);
        tr.forward(u, work);
        tr.forward(z, work);
        tr.times_conj(z, u);
        if (s == 0) std::memcpy(static_cast<void*>(sum), u, static_cast<size_t>(n) * sizeof(T));
        else add_to(u, sum, n);
    }
    tr.inverse(sum, work);
    std::memcpy(static_cast<void*>(out), sum, static_cast<size_t>(c) * sizeof(T));
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- autocorrelation

enum class Norm { none, a, b };

template <class T, class S>
inline T scaled(T x, S s) noexcept {
    if constexpr (vdx::is_complex<T>) return T{x.re * s, x.im * s};
    else return x * s;
}
template <class T, class S>
inline T divided(T x, S s) noexcept {
    if constexpr (vdx::is_complex<T>) return T{x.re / s, x.im / s};
    else return x / s;
}

// dst[0 .. m) for a float type, normalised.
template <class T>
VdxStatus autocorr_lags(const T* src, int len, T* dst, int m, Norm norm) noexcept {
    using P = PartOf<T>;
    if (m < autocorr_fft_from<T>()) {
        slide_kernel<T>()(src, len, src, len, 0, m, dst);
    } else {
        VDX_RETURN_IF_ERROR(circular_correlation(src, len, src, len, order_for(2L * len, 1), [&](const T* r, long) {
            std::memcpy(static_cast<void*>(dst), r, static_cast<size_t>(m) * sizeof(T));
        }));
    }
    if (norm == Norm::a) {
        const P inv = P(1) / static_cast<P>(len);
        for (int k = 0; k < m; ++k) dst[k] = scaled(dst[k], inv);
    } else if (norm == Norm::b) {
        for (int k = 0; k < m; ++k) dst[k] = divided(dst[k], static_cast<P>(len - k));
    }
    return vdxStsNoErr;
}

template <class T>
VdxStatus autocorr(const T* src, int len, T* dst, int dstLen, Norm norm) noexcept {
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    if (len < 1 || dstLen < 1) return vdxStsSizeErr;
    const int m = len < dstLen ? len : dstLen;
    VDX_RETURN_IF_ERROR(autocorr_lags(src, len, dst, m, norm));
    std::memset(static_cast<void*>(dst + m), 0, static_cast<size_t>(dstLen - m) * sizeof(T));
    return vdxStsNoErr;
}

VdxStatus autocorr_16s(const Vdx16s* src, int len, Vdx16s* dst, int dstLen, Norm norm, int sf) noexcept {
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    if (len < 1 || dstLen < 1) return vdxStsSizeErr;
    const int m = len < dstLen ? len : dstLen;
    Scratch<Vdx32f> mem(static_cast<long>(len) + m);
    if (!mem) return vdxStsMemAllocErr;
    Vdx32f* wide = mem.get();
    Vdx32f* lags = wide + len;
    vdx::convert_16s32f(src, wide, len);
    VDX_RETURN_IF_ERROR(autocorr_lags(wide, len, lags, m, norm));
    vdx::convert_32f16s_sfs(lags, dst, m, sf);
    std::memset(dst + m, 0, static_cast<size_t>(dstLen - m) * sizeof(Vdx16s));
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- cross-correlation

// The window's lags lowLag .. lowLag + dstLen - 1 split into leading zeros,
// the lags that have terms, and trailing zeros.
struct LagWindow {
    long lead;    // dst[0 .. lead) are 0
    long count;   // dst[lead .. lead + count) have terms, from lag first
    long first;
};

LagWindow lag_window(int len1, int len2, int dstLen, int lowLag) noexcept {
    const long lo = -(static_cast<long>(len1) - 1), hi = static_cast<long>(len2) - 1;
    const long low = lowLag, high = low + dstLen - 1;
    const long from = low > lo ? low : lo, to = high < hi ? high : hi;
    if (from > to) return {dstLen, 0, 0};
    return {from - low, to - from + 1, from};
}

template <class T>
bool crosscorr_by_fft(int len1, int len2, long count) noexcept {
    const float shorter = static_cast<float>(len1 < len2 ? len1 : len2);
    const float longer = static_cast<float>(len1 < len2 ? len2 : len1);
    const float measure = shorter * static_cast<float>(count) / longer;
    return static_cast<long>(measure) > crosscorr_fft_above<T>();
}

// The lags of y1 (l1 samples) against y2 (l2 samples) at a transform
// length n: with d = l1 + l2 - 1 - n > 0, the lags low(p) = p - (l1 - 1) and
// low(p) + n, p < d, share a circular index.  They are the two tips of the
// lag range, where the signals overlap partially: one has few terms where
// the other has many (the terms of low(p) never fall and those of
// low(p) + n never rise as p grows).  The one with fewer terms is summed
// directly; the other is the circular value less that sum.
struct Folding {
    long l1, l2, n;
    long pairs, crossover;  // pairs below crossover sum their low lag

    Folding(long l1_, long l2_, long n_) noexcept : l1(l1_), l2(l2_), n(n_), pairs(l1_ + l2_ - 1 - n_) {
        long lo = 0, hi = pairs > 0 ? pairs : 0;  // the first p whose high lag has fewer terms
        while (lo < hi) {
            const long mid = lo + (hi - lo) / 2;
            if (terms(low(mid)) <= terms(low(mid) + n)) lo = mid + 1;
            else hi = mid;
        }
        crossover = lo;
    }
    long low(long p) const noexcept { return p - (l1 - 1); }
    // Terms of lag t: rising as t + l1 up to lag min(0, l2 - l1), level
    // there, falling as l2 - t from lag max(0, l2 - l1).
    long terms(long t) const noexcept { return (l1 < l2 - t ? l1 : l2 - t) - (t < 0 ? -t : 0); }
    long direct_lag(long p) const noexcept { return p < crossover ? low(p) : low(p) + n; }
    // Terms summed directly for the pairs from .. to-1 (in double: only an
    // estimate, and exact sums could pass 2^63).
    double direct_terms(long from, long to) const noexcept {
        const long split = from > crossover ? from : to < crossover ? to : crossover;
        return terms_of_lags(low(from), low(split)) + terms_of_lags(low(split) + n, low(to) + n);
    }

private:
    double terms_of_lags(long a, long b) const noexcept {
        const long rise_end = l2 - l1 < 0 ? l2 - l1 : 0, fall_from = l2 - l1 > 0 ? l2 - l1 : 0;
        const double level = l1 < l2 ? l1 : l2;
        return linear_sum(a, b < rise_end ? b : rise_end, l1, 1) +
               linear_sum(a > rise_end ? a : rise_end, b < fall_from ? b : fall_from, level, 0) +
               linear_sum(a > fall_from ? a : fall_from, b, l2, -1);
    }
    // Sum of c + s t over t = a .. b-1 (0 when b <= a).
    static double linear_sum(long a, long b, double c, double s) noexcept {
        if (b <= a) return 0;
        const double count = static_cast<double>(b - a);
        return c * count + s * (static_cast<double>(a) + static_cast<double>(b - 1)) * count / 2;
    }

public:
    // The pair of lag t, or -1 when t shares its index with no other lag.
    long pair_of(long t) const noexcept {
        if (t <= l2 - 1 - n) return t + l1 - 1;
        if (t >= n - (l1 - 1)) return t - n + l1 - 1;
        return -1;
    }
};

// Pairs whose low or high lag lies in f .. f+c-1: up to two ranges of p.
struct PairRanges {
    long from[2], to[2];
    PairRanges(const Folding& g, long f, long c) noexcept {
        const long lo_from = f + g.l1 - 1, hi_from = lo_from - g.n;
        from[0] = hi_from > 0 ? hi_from : 0, to[0] = hi_from + c < g.pairs ? hi_from + c : g.pairs;
        from[1] = lo_from > 0 ? lo_from : 0, to[1] = lo_from + c < g.pairs ? lo_from + c : g.pairs;
        if (from[1] <= to[0]) to[0] = to[0] > to[1] ? to[0] : to[1], from[1] = to[1] = 0;
    }
    template <class F>
    void each(F&& f) const {
        for (int r = 0; r < 2; ++r)
            if (from[r] < to[r]) f(from[r], to[r]);
    }
};

// Direct terms per point of the halved transform that folding may cost:
// with AVX2, 4096-sample signals folded at 8192 points gain up to about 40
// terms per point for 32f and 30 for 64fc (a complex double term costs more
// than a transform point's share); 24 keeps every folded call faster.
constexpr long kFoldTermsPerPoint = 24;

// The single transform's order for lags f .. f+c-1 of y1 against y2: the
// smallest that holds every lag apart, or half of it when the pairs it
// folds need at most kFoldTermsPerPoint terms per point.
inline int crosscorr_order(long l1, long l2, long f, long c) noexcept {
    const int whole = order_for(l1 + l2 - 1, 1);
    if (whole < 2) return whole;
    const Folding g(l1, l2, 1L << (whole - 1));
    double work = 0;
    PairRanges(g, f, c).each([&](long from, long to) { work += g.direct_terms(from, to); });
    return work <= static_cast<double>(kFoldTermsPerPoint * g.n) ? whole - 1 : whole;
}

// How the transform path takes lags f .. f+c-1 of y1 against y2: one
// transform (folded or not), or blocks of y1 at a smaller order when their
// transforms (two per block and one inverse) cost clearly less than the
// single transform's three, counting N log2 N per transform and 2 N per
// block for the products and sums.
struct CorrMethod {
    int order;
    bool blocks;
};

inline CorrMethod crosscorr_method(long l1, long l2, long f, long c) noexcept {
    const int single = crosscorr_order(l1, l2, f, c);
    const double single_cost = 3.0 * static_cast<double>(1L << single) * single;
    CorrMethod best{single, false};
    double best_cost = 0.9 * single_cost;
    for (int k = order_for(2 * c, 1); k < single; ++k) {
        const long n = 1L << k, blocks = (l1 + n - c) / (n - c + 1);
        const double cost = (2.0 * blocks + 1) * static_cast<double>(n) * k + 2.0 * blocks * static_cast<double>(n);
        if (cost < best_cost) best = {k, true}, best_cost = cost;
    }
    return best;
}

// out[i] = r[first + i], i < count, the lags of x1 against x2 (all with terms).
template <class T>
VdxStatus crosscorr_lags(const T* x1, int len1, const T* x2, int len2, long first, long count, T* out) noexcept {
    const auto slide = slide_kernel<T>();
    if (!crosscorr_by_fft<T>(len1, len2, count)) {
        slide(x2, len2, x1, len1, first, static_cast<int>(count), out);
        return vdxStsNoErr;
    }
    // Only y1 = x1[n0 .. n1] and y2 = x2[k0 .. k1] meet at the window's lags;
    // lag t of the originals is lag t + n0 - k0 of y1 against y2.
    const long last = first + count - 1;
    const long n0 = last < 0 ? -last : 0, n1 = (len1 - 1L) < (len2 - 1L - first) ? len1 - 1L : len2 - 1L - first;
    const long k0 = n0 + first > 0 ? n0 + first : 0, k1 = (len2 - 1L) < (n1 + last) ? len2 - 1L : n1 + last;
    const T* y1 = x1 + n0;
    const T* y2 = x2 + k0;
    const long l1 = n1 - n0 + 1, l2 = k1 - k0 + 1, f = first + n0 - k0;
    const CorrMethod method = crosscorr_method(l1, l2, f, count);
    if (method.blocks) return block_correlation(y1, l1, y2, l2, f, count, method.order, out);
    const int order = method.order;
    const Folding g(l1, l2, 1L << order);
    // The folded pairs' direct sums, by pair.
    Scratch<T> tips(g.pairs > 0 ? g.pairs : 1);
    if (!tips) return vdxStsMemAllocErr;
    T* tip = tips.get();
    PairRanges(g, f, count).each([&](long from, long to) {
        const long split = from > g.crossover ? from : to < g.crossover ? to : g.crossover;
        if (split > from) slide(y2, int(l2), y1, int(l1), g.low(from), int(split - from), tip + from);
        if (to > split) slide(y2, int(l2), y1, int(l1), g.low(split) + g.n, int(to - split), tip + split);
    });
    return circular_correlation(y1, l1, y2, l2, order, [&](const T* r, long size) {
        for (long i = 0; i < count; ++i) {
            const long t = f + i, p = g.pair_of(t);
            const T folded = r[t < 0 ? t + size : t];
            out[i] = p < 0 ? folded : g.direct_lag(p) == t ? tip[p] : minus(folded, tip[p]);
        }
    });
}

template <class T>
VdxStatus crosscorr(const T* x1, int len1, const T* x2, int len2, T* dst, int dstLen, int lowLag) noexcept {
    if (vdx::any_null(x1, x2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1 || dstLen < 1) return vdxStsSizeErr;
    const LagWindow w = lag_window(len1, len2, dstLen, lowLag);
    if (w.count > 0) VDX_RETURN_IF_ERROR(crosscorr_lags(x1, len1, x2, len2, w.first, w.count, dst + w.lead));
    std::memset(static_cast<void*>(dst), 0, static_cast<size_t>(w.lead) * sizeof(T));
    const long tail = w.lead + w.count;
    std::memset(static_cast<void*>(dst + tail), 0, static_cast<size_t>(dstLen - tail) * sizeof(T));
    return vdxStsNoErr;
}

VdxStatus crosscorr_16s(const Vdx16s* x1, int len1, const Vdx16s* x2, int len2, Vdx16s* dst, int dstLen, int lowLag,
                        int sf) noexcept {
    if (vdx::any_null(x1, x2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1 || dstLen < 1) return vdxStsSizeErr;
    const LagWindow w = lag_window(len1, len2, dstLen, lowLag);
    if (w.count > 0) {
        Scratch<Vdx32f> mem(static_cast<long>(len1) + len2 + w.count);
        if (!mem) return vdxStsMemAllocErr;
        Vdx32f* f1 = mem.get();
        Vdx32f* f2 = f1 + len1;
        Vdx32f* lags = f2 + len2;
        vdx::convert_16s32f(x1, f1, len1);
        vdx::convert_16s32f(x2, f2, len2);
        VDX_RETURN_IF_ERROR(crosscorr_lags(f1, len1, f2, len2, w.first, w.count, lags));
        vdx::convert_32f16s_sfs(lags, dst + w.lead, static_cast<int>(w.count), sf);
    }
    std::memset(dst, 0, static_cast<size_t>(w.lead) * sizeof(Vdx16s));
    const long tail = w.lead + w.count;
    std::memset(dst + tail, 0, static_cast<size_t>(dstLen - tail) * sizeof(Vdx16s));
    return vdxStsNoErr;
}

// Exact: every product fits 31 bits, and at most 2^31 of them fit 64.
VdxStatus crosscorr_16s64s(const Vdx16s* x1, int len1, const Vdx16s* x2, int len2, Vdx64s* dst, int dstLen,
                           int lowLag) noexcept {
    if (vdx::any_null(x1, x2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1 || dstLen < 1) return vdxStsSizeErr;
    const LagWindow w = lag_window(len1, len2, dstLen, lowLag);
    for (long i = 0; i < w.count; ++i) {
        const long t = w.first + i;
        const long n0 = t < 0 ? -t : 0, n1 = len1 < len2 - t ? len1 : len2 - t;
        const Vdx16s* y = x2 + t;
        std::int64_t sum = 0;
        for (long n = n0; n < n1; ++n) sum += std::int32_t{x1[n]} * y[n];
        dst[w.lead + i] = sum;
    }
    std::memset(dst, 0, static_cast<size_t>(w.lead) * sizeof(Vdx64s));
    const long tail = w.lead + w.count;
    std::memset(dst + tail, 0, static_cast<size_t>(dstLen - tail) * sizeof(Vdx64s));
    return vdxStsNoErr;
}

}  // namespace

// ---- rows

#define VDX_AUTOCORR_ROW(suffix, norm)                                                                         \
    extern "C" VdxStatus y8_vdxsAutoCorr##suffix##_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int dstLen) noexcept { \
        return autocorr(pSrc, srcLen, pDst, dstLen, norm);                                                     \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsAutoCorr##suffix##_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int dstLen) noexcept { \
        return autocorr(pSrc, srcLen, pDst, dstLen, norm);                                                     \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsAutoCorr##suffix##_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst,        \
                                                       int dstLen) noexcept {                                  \
        return autocorr(pSrc, srcLen, pDst, dstLen, norm);                                                     \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsAutoCorr##suffix##_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst,        \
                                                       int dstLen) noexcept {                                  \
        return autocorr(pSrc, srcLen, pDst, dstLen, norm);                                                     \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsAutoCorr##suffix##_16s_Sfs(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst,       \
                                                          int dstLen, int scaleFactor) noexcept {              \
        return autocorr_16s(pSrc, srcLen, pDst, dstLen, norm, scaleFactor);                                    \
    }
VDX_AUTOCORR_ROW(, Norm::none)
VDX_AUTOCORR_ROW(_NormA, Norm::a)
VDX_AUTOCORR_ROW(_NormB, Norm::b)
#undef VDX_AUTOCORR_ROW

#define VDX_CROSSCORR_ROW(code, T)                                                                             \
    extern "C" VdxStatus y8_vdxsCrossCorr_##code(const T* pSrc1, int src1Len, const T* pSrc2, int src2Len,     \
                                                T* pDst, int dstLen, int lowLag) noexcept {                    \
        return crosscorr(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, lowLag);                                \
    }
VDX_CROSSCORR_ROW(32f, Vdx32f)
VDX_CROSSCORR_ROW(64f, Vdx64f)
VDX_CROSSCORR_ROW(32fc, Vdx32fc)
VDX_CROSSCORR_ROW(64fc, Vdx64fc)
#undef VDX_CROSSCORR_ROW

extern "C" VdxStatus y8_vdxsCrossCorr_16s_Sfs(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len,
                                            Vdx16s* pDst, int dstLen, int lowLag, int scaleFactor) noexcept {
    return crosscorr_16s(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, lowLag, scaleFactor);
}
extern "C" VdxStatus y8_vdxsCrossCorr_16s64s(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len,
                                           Vdx64s* pDst, int dstLen, int lowLag) noexcept {
    return crosscorr_16s64s(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, lowLag);
}
