// Reduction kernels, written once against the vector layer and compiled once
// per instruction-set variant (VDX_ISA: a name of variants.def).
//
// Float sums: a block of P elements of C components is P * C scalars, which
// is a whole number of vectors in either variant; vector k of a block holds
// the partials k * lanes ... k * lanes + lanes - 1 (component-interleaved as
// in memory), so lane for lane both variants add the same elements in the
// same order.  The fold and the leftover elements are scalar code shared by
// both.  Multiplications and additions stay separate (no fused forms).
//
// Integer sums are exact, so their order is free: 16-bit elements go into
// 32-bit lanes for at most kBlock16 scalars at a time, then into 64-bit
// totals; 32-bit elements go straight into 64-bit lanes.
//
// Extrema take min / max per lane with several independent accumulators.
// For floats the vector minimum returns its second operand when either is
// NaN, and the accumulator is always the second operand: a NaN element
// never enters it, and an accumulator that starts at +inf stays a number.
// The first-index kernels carry an index vector beside each value
// accumulator and replace both where a lane strictly improves.
//
// Zero crossings turn each element into two sign masks (below and above
// zero) in 32-bit lanes and count pairs from a vector and the same vector
// one element earlier.
#include "stats/reduce_kernels.h"

#include <cstddef>
#include <cstdint>

#include "simd/simd.h"
#include "numeric/types.h"

namespace vdx {
namespace VDX_ISA {
namespace {

template <class V, class T>
inline V fill(T x) {
    if constexpr (is_floating<T>) {
        return V::set1(x);
    } else {
        return splat<V>(static_cast<std::int64_t>(x));
    }
}

// ---------------------------------------------------------------- float sums

// Vec<A>::lanes elements of S as A (float to double widens exactly).
template <class A, class S>
inline Vec<A, kWidth> load_as(const S* p) {
    if constexpr (sizeof(A) == sizeof(S)) {
        return Vec<A, kWidth>::loadu(p);
    } else {
        return load_f32_as_f64<kWidth>(p);
    }
}

// The partials of component c (at p[j * C + c]) folded as a halving tree.
template <int P, int C, class A>
inline A fold(A* p, int c) {
    for (int h = P / 2; h >= 1; h /= 2) {
        for (int j = 0; j < h; ++j) p[j * C + c] = p[j * C + c] + p[(j + h) * C + c];
    }
    return p[c];
}

template <class S, class A, int P, int C, bool Squares>
inline void sum_scheme(const S* x, int n, A* sum, A* sq) {
    using V = Vec<A, kWidth>;
    constexpr int kScalars = P * C;
    constexpr int K = kScalars / V::lanes;
    static_assert(K >= 1 && kScalars % V::lanes == 0, "a block is whole vectors");
    V s[K], q[K];
    for (int k = 0; k < K; ++k) {
        s[k] = V::zero();
        q[k] = V::zero();
    }
    const int blocks = n / P;
    const S* p = x;
    for (int b = 0; b < blocks; ++b, p += kScalars) {
        for (int k = 0; k < K; ++k) {
            const V v = load_as<A>(p + k * V::lanes);
            s[k] = s[k] + v;
            if constexpr (Squares) q[k] = q[k] + v * v;
        }
    }
    alignas(32) A ps[kScalars];
    alignas(32) A pq[kScalars];
    for (int k = 0; k < K; ++k) {
        s[k].storeu(ps + k * V::lanes);
        q[k].storeu(pq + k * V::lanes);
    }
    for (int c = 0; c < C; ++c) {
        A t = fold<P, C>(ps, c);
        A u = Squares ? fold<P, C>(pq, c) : A(0);
        for (int i = blocks * P; i < n; ++i) {
            const A e = static_cast<A>(x[static_cast<std::size_t>(i) * C + c]);
            t = t + e;
            if constexpr (Squares) u = u + e * e;
        }
        sum[c] = t;
        if constexpr (Squares) sq[c] = u;
    }
}

template <class S, class A, int P, int C>
void sum_kernel(const S* x, int n, A* sum, A* sq) noexcept {
    if constexpr (C == 1) {
        if (sq != nullptr) return sum_scheme<S, A, P, C, true>(x, n, sum, sq);
    }
    sum_scheme<S, A, P, C, false>(x, n, sum, sq);
}

// ---------------------------------------------------------------- integer sums

constexpr int kBlock16 = 65536;  // scalars per run of 32-bit lanes

// C = 1 or 2 components; a lane's parity is its component in both variants
// (widening keeps each element's position parity).
template <int C, bool Squares>
inline void sum_16s_scheme(const std::int16_t* x, int n, std::int64_t* sum, std::uint64_t* sq) {
    using V16 = Vec<std::int16_t, kWidth>;
    using V32 = Vec<std::int32_t, kWidth>;
    using V64 = Vec<std::uint64_t, kWidth>;
    const std::int64_t m = static_cast<std::int64_t>(n) * C;
    std::int64_t total[C] = {};
    V64 q = zeros<V64>();
    const V64 low32 = splat<V64>(0xFFFFFFFFLL);
    std::int64_t i = 0;
    while (m - i >= V16::lanes) {
        const std::int64_t end = i + kBlock16 < m ? i + kBlock16 : m;
        V32 a = zeros<V32>(), b = zeros<V32>();
        for (; i + V16::lanes <= end; i += V16::lanes) {
            const V16 v = V16::loadu(x + i);
            a = a + widen_lo(v);
            b = b + widen_hi(v);
            if constexpr (Squares) {
                // Pair sums of squares reach 2^31: read them as unsigned.
                const V64 s2 = lanes_as<std::uint64_t>(madd(v, v));
                q = q + (s2 & low32) + (s2 >> 32);
            }
        }
        alignas(32) std::int32_t lanes[V32::lanes];
        (a + b).storeu(lanes);
        for (int k = 0; k < V32::lanes; ++k) total[k % C] += lanes[k];
    }
    std::uint64_t squares = 0;
    if constexpr (Squares) {
        alignas(32) std::uint64_t lanes[V64::lanes];
        q.storeu(lanes);
        for (int k = 0; k < V64::lanes; ++k) squares += lanes[k];
    }
    for (; i < m; ++i) {
        total[i % C] += x[i];
        squares += static_cast<std::uint64_t>(static_cast<std::int32_t>(x[i]) * x[i]);
    }
    for (int c = 0; c < C; ++c) sum[c] = total[c];
    if constexpr (Squares) *sq = squares;
}

void sum_16s(const Vdx16s* x, int n, std::int64_t* sum, std::uint64_t* sq) noexcept {
    if (sq != nullptr) {
        sum_16s_scheme<1, true>(x, n, sum, sq);
    } else {
        sum_16s_scheme<1, false>(x, n, sum, sq);
    }
}

void sum_16sc(const Vdx16s* x, int n, std::int64_t* sum) noexcept { sum_16s_scheme<2, false>(x, n, sum, nullptr); }

std::int64_t sum_32s(const Vdx32s* x, int n) noexcept {
    using V32 = Vec<std::int32_t, kWidth>;
    using V64 = Vec<std::uint64_t, kWidth>;
    V64 e = zeros<V64>(), o = zeros<V64>();
    int i = 0;
    for (; n - i >= V32::lanes; i += V32::lanes) {
        const V32 v = V32::loadu(x + i);
        e = e + sign_extend_even(v);
        o = o + sign_extend_odd(v);
    }
    alignas(32) std::uint64_t lanes[V64::lanes];
    (e + o).storeu(lanes);
    std::uint64_t t = 0;  // two's complement, wrapping as the lanes did
    for (int k = 0; k < V64::lanes; ++k) t += lanes[k];
    for (; i < n; ++i) t += static_cast<std::uint64_t>(static_cast<std::int64_t>(x[i]));
    return static_cast<std::int64_t>(t);
}

int count_in_range_32s(const Vdx32s* x, int n, Vdx32s lo, Vdx32s hi) noexcept {
    using V = Vec<std::int32_t, kWidth>;
    const V vlo = V::set1(lo), vhi = V::set1(hi);
    V c0 = zeros<V>(), c1 = zeros<V>();
    int i = 0;
    // Each true compare is -1: subtracting counts it.
    for (; n - i >= 2 * V::lanes; i += 2 * V::lanes) {
        const V a = V::loadu(x + i), b = V::loadu(x + i + V::lanes);
        c0 = c0 - (cmpgt(a, vlo) & cmpgt(vhi, a));
        c1 = c1 - (cmpgt(b, vlo) & cmpgt(vhi, b));
    }
    alignas(32) std::int32_t lanes[V::lanes];
    (c0 + c1).storeu(lanes);
    int count = 0;
    for (int k = 0; k < V::lanes; ++k) count += lanes[k];
    for (; i < n; ++i) count += (x[i] > lo) & (x[i] < hi);
    return count;
}

// ---------------------------------------------------------------- zero crossings

// Sign masks of Vec<int32_t>::lanes elements as 32-bit lanes (all ones where
// true): below zero, above zero.  NaN and -0 are neither.
template <class S>
inline void sign_masks(const S* p, Vec<std::int32_t, kWidth>& below, Vec<std::int32_t, kWidth>& above) {
    using VI = Vec<std::int32_t, kWidth>;
    if constexpr (is_floating<S>) {
        const Vec<float, kWidth> v = Vec<float, kWidth>::loadu(p), z = Vec<float, kWidth>::zero();
        below = float_bits(mask_lt(v, z));
        above = float_bits(mask_lt(z, v));
    } else {
        const VI v = load_as_i32<std::int16_t, kWidth>(p), z = zeros<VI>();
        below = cmpgt(z, v);
        above = cmpgt(v, z);
    }
}

template <class S>
inline int sgn(S v) {
    return (v > 0) - (v < 0);
}

// Pairs (x[k-1], x[k]) for k = 1 .. n-1: Type 0 counts strictly opposite
// signs, 1 pairs where exactly one element is below zero, 2 the sum of
// |sgn x[k] - sgn x[k-1]| (not yet halved).
template <class S, int Type>
std::int64_t crossings(const S* x, int n) {
    using VI = Vec<std::int32_t, kWidth>;
    constexpr int L = VI::lanes;
    // One run of 32-bit lane counts adds at most 2 per vector.
    constexpr int kRun = 1 << 24;
    std::int64_t total = 0;
    int k = 1;
    while (n - k >= L) {
        const int end = n - k > kRun ? k + kRun : n;
        VI c = zeros<VI>();
        for (; end - k >= L; k += L) {
            VI b0, a0, b1, a1;
            sign_masks(x + k - 1, b0, a0);
            sign_masks(x + k, b1, a1);
            if constexpr (Type == 0) {
                c = c - ((b0 & a1) | (a0 & b1));
            } else if constexpr (Type == 1) {
                c = c - (b0 ^ b1);
            } else {
                // sgn = below - above with true = -1; |d| = max(d, -d).
                const VI d = (b1 - a1) - (b0 - a0);
                c = c + max(d, zeros<VI>() - d);
            }
        }
        alignas(32) std::int32_t lanes[L];
        c.storeu(lanes);
        for (int j = 0; j < L; ++j) total += lanes[j];
    }
    for (; k < n; ++k) {
        const int s0 = sgn(x[k - 1]), s1 = sgn(x[k]);
        if constexpr (Type == 0) {
            total += s0 * s1 < 0;
        } else if constexpr (Type == 1) {
            total += (x[k - 1] < 0) != (x[k] < 0);
        } else {
            total += s1 > s0 ? s1 - s0 : s0 - s1;
        }
    }
    return total;
}

template <class S>
std::int64_t zero_crossing_kernel(const S* x, int n, int type) noexcept {
    if (type == 0) return crossings<S, 0>(x, n);
    if (type == 1) return crossings<S, 1>(x, n);
    return crossings<S, 2>(x, n);
}

// ---------------------------------------------------------------- float order

// The largest exponent field among finite elements (0 when there is none);
// *non_finite set when an element has the all-ones field (inf or NaN).
// Doubles are read as 32-bit lanes: the field sits in bits 20..30 of the
// odd (high) lanes, and the even lanes are masked to 0.
template <class F>
int max_exponent_kernel(const F* x, int n, int* non_finite) noexcept {
    using VI = Vec<std::int32_t, kWidth>;
    constexpr bool single = sizeof(F) == 4;
    constexpr int shift = single ? 23 : 20, ones = single ? 0xFF : 0x7FF;
    constexpr int per = VI::lanes * 4 / static_cast<int>(sizeof(F));  // elements per vector
    alignas(32) std::int32_t pattern[VI::lanes];
    for (int k = 0; k < VI::lanes; ++k) pattern[k] = (single || (k & 1)) ? ones : 0;
    const VI field_mask = VI::loadu(pattern), all_ones = splat<VI>(ones);
    VI top = zeros<VI>(), special = zeros<VI>();
    int i = 0;
    for (; n - i >= per; i += per) {
        const VI field = (VI::loadu(x + i) >> shift) & field_mask;
        const VI s = cmpeq(field, all_ones);
        special = special | s;
        top = max(top, andnot(s, field));
    }
    alignas(32) std::int32_t lanes[VI::lanes];
    top.storeu(lanes);
    int best = 0;
    for (int k = 0; k < VI::lanes; ++k) best = lanes[k] > best ? lanes[k] : best;
    bool any = any_set(special);
    for (; i < n; ++i) {
        std::uint64_t bits = 0;
        __builtin_memcpy(&bits, x + i, sizeof(F));
        const int field = static_cast<int>(bits >> (single ? 23 : 52)) & ones;
        if (field == ones) {
            any = true;
        } else if (field > best) {
            best = field;
        }
    }
    *non_finite = any;
    return best;
}

// ---------------------------------------------------------------- extrema

template <class T, bool Min, bool Max>
inline void extrema_scheme(const T* x, int n, T* mn, T* mx) {
    using V = Vec<T, kWidth>;
    constexpr int U = 4;  // independent accumulators
    V lo[U], hi[U];
    for (int u = 0; u < U; ++u) {
        lo[u] = fill<V>(ElementTraits<T>::hi);
        hi[u] = fill<V>(ElementTraits<T>::lo);
    }
    int i = 0;
    for (; n - i >= U * V::lanes; i += U * V::lanes) {
        for (int u = 0; u < U; ++u) {
            const V v = V::loadu(x + i + u * V::lanes);
            if constexpr (Min) lo[u] = min(v, lo[u]);
            if constexpr (Max) hi[u] = max(v, hi[u]);
        }
    }
    for (; n - i >= V::lanes; i += V::lanes) {
        const V v = V::loadu(x + i);
        if constexpr (Min) lo[0] = min(v, lo[0]);
        if constexpr (Max) hi[0] = max(v, hi[0]);
    }
    for (int u = 1; u < U; ++u) {
        lo[0] = min(lo[u], lo[0]);
        hi[0] = max(hi[u], hi[0]);
    }
    alignas(32) T l[V::lanes];
    alignas(32) T h[V::lanes];
    lo[0].storeu(l);
    hi[0].storeu(h);
    T a = ElementTraits<T>::hi, b = ElementTraits<T>::lo;
    for (int k = 0; k < V::lanes; ++k) {
        if (l[k] < a) a = l[k];
        if (h[k] > b) b = h[k];
    }
    for (; i < n; ++i) {
        if (x[i] < a) a = x[i];
        if (x[i] > b) b = x[i];
    }
    if constexpr (Min) *mn = a;
    if constexpr (Max) *mx = b;
}

template <class T>
T min_kernel(const T* x, int n) noexcept {
    T m;
    extrema_scheme<T, true, false>(x, n, &m, nullptr);
    return m;
}
template <class T>
T max_kernel(const T* x, int n) noexcept {
    T m;
    extrema_scheme<T, false, true>(x, n, nullptr, &m);
    return m;
}
template <class T>
void min_max_kernel(const T* x, int n, T* mn, T* mx) noexcept {
    extrema_scheme<T, true, true>(x, n, mn, mx);
}

// Whether any lane of a equals the same lane of b.
template <class T>
inline bool any_equal(Vec<T, kWidth> a, Vec<T, kWidth> b) {
    if constexpr (is_floating<T>) {
        return any_lane(mask_eq(a, b));
    } else if constexpr (sizeof(T) == 4) {
        return any_set(cmpeq(lanes_as<std::int32_t>(a), lanes_as<std::int32_t>(b)));
    } else {
        return any_set(cmpeq(a, b));
    }
}

template <class T>
int first_equal_kernel(const T* x, int n, T v) noexcept {
    using V = Vec<T, kWidth>;
    const V vv = fill<V>(v);
    int i = 0;
    for (; n - i >= 2 * V::lanes; i += 2 * V::lanes) {
        if (any_equal<T>(V::loadu(x + i), vv) || any_equal<T>(V::loadu(x + i + V::lanes), vv)) break;
    }
    for (; i < n; ++i) {
        if (x[i] == v) return i;
    }
    return -1;
}

template <class T>
constexpr ExtremaKernels<T> extrema_row() {
    return {
        .min = min_kernel<T>,
        .max = max_kernel<T>,
        .min_max = min_max_kernel<T>,
        .first_equal = first_equal_kernel<T>,
    };
}

// ---------------------------------------------------------------- first index

// Value lanes (16-bit elements widened to 32 bits) and index lanes (32-bit
// integers beside 32-bit values, doubles beside doubles: exact for every
// index).
template <class S>
struct PairLanes {
    using T = S;
    using X = std::int32_t;
};
template <>
struct PairLanes<std::int16_t> {
    using T = std::int32_t;
    using X = std::int32_t;
};
template <>
struct PairLanes<double> {
    using T = double;
    using X = double;
};

template <class S>
inline Vec<typename PairLanes<S>::T, kWidth> load_pair_values(const S* p) {
    if constexpr (sizeof(S) == 2) {
        return load_as_i32<std::int16_t, kWidth>(p);
    } else {
        return Vec<S, kWidth>::loadu(p);
    }
}

// Lanes where a is strictly better than b, as a mask of the index lanes.
template <bool Max, class T, class X>
inline Vec<X, kWidth> better_mask(Vec<T, kWidth> a, Vec<T, kWidth> b) {
    if constexpr (is_floating<T>) {
        const Vec<T, kWidth> m = Max ? mask_lt(b, a) : mask_lt(a, b);
        if constexpr (sizeof(T) == sizeof(X) && is_floating<X>) {
            return m;
        } else {
            return float_bits(m);
        }
    } else {
        return Max ? cmpgt(a, b) : cmpgt(b, a);
    }
}

template <class X, class T, int W>
inline Vec<T, W> value_mask(Vec<X, W> m) {
    if constexpr (is_floating<T> && !is_floating<X>) {
        return bits_to_float(m);
    } else {
        return m;
    }
}

// Magnitudes as the Abs forms compare them: 16-bit elements (in 32-bit
// lanes) with |-32768| taken as 32767, 32-bit ones in two's complement, so
// that |-2^31| stays -2^31.
template <class S>
inline Vec<std::int32_t, kWidth> magnitude(Vec<std::int32_t, kWidth> v) {
    const Vec<std::int32_t, kWidth> a = sign(v, v);
    if constexpr (sizeof(S) == 2) {
        return min(a, splat<Vec<std::int32_t, kWidth>>(32767));
    } else {
        return a;
    }
}
template <class S>
inline std::int32_t magnitude(S x) {
    if constexpr (sizeof(S) == 2) {
        return x == -32768 ? 32767 : (x < 0 ? -x : x);
    } else {
        return static_cast<std::int32_t>(x < 0 ? 0u - static_cast<std::uint32_t>(x) : static_cast<std::uint32_t>(x));
    }
}

template <class S, bool Max, bool Abs = false>
int index_kernel(const S* x, int n) noexcept {
    using T = typename PairLanes<S>::T;
    using XT = typename PairLanes<S>::X;
    using V = Vec<T, kWidth>;
    using X = Vec<XT, kWidth>;
    constexpr int L = V::lanes;
    static_assert(X::lanes == L, "one index per value");
    constexpr int U = 4;  // independent pairs of accumulators
    const S start = Max ? ElementTraits<S>::lo : ElementTraits<S>::hi;
    constexpr XT kNone = 2147483647;
    V best[U];
    X at[U], cur[U];
    alignas(32) XT ramp[L];
    for (int k = 0; k < L; ++k) ramp[k] = static_cast<XT>(k);
    const X step = fill<X>(static_cast<XT>(U * L));
    for (int u = 0; u < U; ++u) {
        best[u] = fill<V>(static_cast<T>(start));
        at[u] = fill<X>(kNone);
        cur[u] = X::loadu(ramp) + fill<X>(static_cast<XT>(u * L));
    }
    int i = 0;
    for (; n - i >= U * L; i += U * L) {
        for (int u = 0; u < U; ++u) {
            V v = load_pair_values(x + i + u * L);
            if constexpr (Abs) v = magnitude<S>(v);
            const X m = better_mask<Max, T, XT>(v, best[u]);
            best[u] = select(value_mask<XT, T>(m), v, best[u]);
            at[u] = select(m, cur[u], at[u]);
            cur[u] = cur[u] + step;
        }
    }
    alignas(32) T bv[U * L];
    alignas(32) XT bi[U * L];
    for (int u = 0; u < U; ++u) {
        best[u].storeu(bv + u * L);
        at[u].storeu(bi + u * L);
    }
    T b = static_cast<T>(start);
    XT a = kNone;
    for (int k = 0; k < U * L; ++k) {
        if ((Max ? bv[k] > b : bv[k] < b) || (bv[k] == b && bi[k] < a)) {
            b = bv[k];
            a = bi[k];
        }
    }
    int found = static_cast<int>(a);
    for (; i < n; ++i) {
        const T e = Abs ? static_cast<T>(magnitude(x[i])) : x[i];
        if (Max ? e > b : e < b) {
            b = e;
            found = i;
        }
    }
    if (found != kNone) return found;
    // Nothing beyond the start value: every magnitude equals it (no
    // magnitude lies beyond the type's bounds), so the first element is it.
    if constexpr (Abs) return 0;
    const int e = first_equal_kernel<S>(x, n, start);
    return e < 0 ? 0 : e;
}

template <class T>
constexpr IndexKernels<T> index_row() {
    return {.min = index_kernel<T, false>, .max = index_kernel<T, true>};
}
template <class T>
constexpr IndexKernels<T> abs_index_row() {
    return {.min = index_kernel<T, false, true>, .max = index_kernel<T, true, true>};
}

// ---------------------------------------------------------------- every

template <class T, bool Max>
inline T pick(T a, T b) {
    T r = Max ? (a > b ? a : b) : (a < b ? a : b);
    if constexpr (is_floating<T>) {
        if (b != b) r = a;
    }
    return r;
}

template <class T, bool Max>
void every_kernel(const T* a, const T* b, T* d, std::size_t n) noexcept {
    using V = Vec<T, kWidth>;
    for_each_vector<V::lanes>(
        n,
        [&](std::size_t i) {
            const V va = V::loadu(a + i), vb = V::loadu(b + i);
            V r = Max ? max(va, vb) : min(va, vb);
            if constexpr (is_floating<T>) r = select(mask_unordered(vb), va, r);
            r.storeu(d + i);
        },
        [&](std::size_t i) { d[i] = pick<T, Max>(a[i], b[i]); });
}

template <class T>
constexpr EveryKernels<T> every_row() {
    return {.min = every_kernel<T, false>, .max = every_kernel<T, true>};
}

}  // namespace

extern const ReduceKernels reduce_kernels = {
    .sum_32f_fast = sum_kernel<float, float, 16, 1>,
    .sum_32f = sum_kernel<float, double, 8, 1>,
    .sum_32fc_fast = sum_kernel<float, float, 16, 2>,
    .sum_32fc = sum_kernel<float, double, 8, 2>,
    .sum_64f = sum_kernel<double, double, 8, 1>,
    .sum_64fc = sum_kernel<double, double, 8, 2>,
    .sum_16s = sum_16s,
    .sum_16sc = sum_16sc,
    .sum_32s = sum_32s,
    .count_in_range_32s = count_in_range_32s,
    .zero_crossing_16s = zero_crossing_kernel<std::int16_t>,
    .zero_crossing_32f = zero_crossing_kernel<float>,
    .max_exponent_32f = max_exponent_kernel<float>,
    .max_exponent_64f = max_exponent_kernel<double>,
    .x8u = extrema_row<std::uint8_t>(),
    .x16u = extrema_row<std::uint16_t>(),
    .x16s = extrema_row<std::int16_t>(),
    .x32u = extrema_row<std::uint32_t>(),
    .x32s = extrema_row<std::int32_t>(),
    .x32f = extrema_row<float>(),
    .x64f = extrema_row<double>(),
    .i16s = index_row<std::int16_t>(),
    .i32s = index_row<std::int32_t>(),
    .i32f = index_row<float>(),
    .i64f = index_row<double>(),
    .abs16s = abs_index_row<std::int16_t>(),
    .abs32s = abs_index_row<std::int32_t>(),
    .e8u = every_row<std::uint8_t>(),
    .e16u = every_row<std::uint16_t>(),
    .e16s = every_row<std::int16_t>(),
    .e32s = every_row<std::int32_t>(),
    .e32f = every_row<float>(),
    .e64f = every_row<double>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
