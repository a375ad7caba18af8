// Median networks, written once against the vector layer and compiled once
// per instruction-set variant (VDX_ISA: a name of variants.def).
//
// Lane j of a vector holds output i + j, and register k of the network holds
// the window's k-th sample for every lane: the unaligned load at
// src + i - h + k.  A network is a list of compare-exchanges (low index
// gets the minimum); after it, the middle register holds the median.  The
// lists are the 7-, 13- and 19-exchange median-of-5, -7 and -9 networks;
// the compiler drops the halves of exchanges whose result is never read.
// The tail is the last whole vector again (overlapping outputs already
// written with the same values) or, for calls shorter than a vector, the
// same network on scalars.
#include "misc/median_kernels.h"

#include <cstdint>

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

struct Exchange {
    int lo, hi;
};

constexpr Exchange kNet5[] = {{0, 1}, {3, 4}, {0, 3}, {1, 4}, {1, 2}, {2, 3}, {1, 2}};
constexpr Exchange kNet7[] = {{0, 5}, {0, 3}, {1, 6}, {2, 4}, {0, 1}, {3, 5}, {2, 6},
                              {2, 3}, {3, 6}, {4, 5}, {1, 4}, {1, 3}, {3, 4}};
constexpr Exchange kNet9[] = {{1, 2}, {4, 5}, {7, 8}, {0, 1}, {3, 4}, {6, 7}, {1, 2},
                              {4, 5}, {7, 8}, {0, 3}, {5, 8}, {4, 7}, {3, 6}, {1, 4},
                              {2, 5}, {4, 7}, {4, 2}, {6, 4}, {4, 2}};

// The vector minimum and maximum, as scalars: the first operand where the
// comparison holds, the second otherwise (so NaNs go the same way).
template <class T>
inline T lo_of(T a, T b) {
    return a < b ? a : b;
}
template <class T>
inline T hi_of(T a, T b) {
    return a > b ? a : b;
}
template <class T, int W>
inline Vec<T, W> lo_of(Vec<T, W> a, Vec<T, W> b) {
    return min(a, b);
}
template <class T, int W>
inline Vec<T, W> hi_of(Vec<T, W> a, Vec<T, W> b) {
    return max(a, b);
}

// The median of r[0 .. M-1] by the network of M (3: the three-point formula).
template <int M, class R>
[[gnu::always_inline]] inline R median_of(R* r) {
    if constexpr (M == 3) {
        return lo_of(hi_of(r[0], r[1]), hi_of(lo_of(r[0], r[1]), r[2]));
    } else {
        constexpr const Exchange* net = M == 5 ? kNet5 : M == 7 ? kNet7 : kNet9;
        constexpr int count = M == 5 ? 7 : M == 7 ? 13 : 19;
#pragma GCC unroll 32
        for (int e = 0; e < count; ++e) {
            const R a = r[net[e].lo], b = r[net[e].hi];
            r[net[e].lo] = lo_of(a, b);
            r[net[e].hi] = hi_of(a, b);
        }
        return r[M / 2];
    }
}

template <class T, int M>
void median_kernel(const T* src, T* dst, int n) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int h = M / 2;
    const T* first = src - h;
    const auto vector_at = [&](int i) {
        V r[M];
#pragma GCC unroll 16
        for (int k = 0; k < M; ++k) r[k] = V::loadu(first + i + k);
        median_of<M>(r).storeu(dst + i);
    };
    if (n < V::lanes) {
        for (int i = 0; i < n; ++i) {
            T r[M];
            for (int k = 0; k < M; ++k) r[k] = first[i + k];
            dst[i] = median_of<M>(r);
        }
        return;
    }
    int i = 0;
    for (; i + V::lanes <= n; i += V::lanes) vector_at(i);
    if (i < n) vector_at(n - V::lanes);
}

// ---------------------------------------------------------------- ranks

// Lanes count -1 per key below the bound; one pass serves both bounds.
void count_below32(const std::int32_t* w, int n, std::int32_t a, std::int32_t b, int* below) noexcept {
    using V = Vec<std::int32_t, kWidth>;
    const V va = V::set1(a), vb = V::set1(b);
    V ca = zeros<V>(), cb = zeros<V>();
    int i = 0;
    for (; i + V::lanes <= n; i += V::lanes) {
        const V x = V::loadu(w + i);
        ca = ca + cmpgt(va, x);
        cb = cb + cmpgt(vb, x);
    }
    alignas(32) std::int32_t la[V::lanes], lb[V::lanes];
    ca.storeu(la);
    cb.storeu(lb);
    int sa = 0, sb = 0;
    for (int j = 0; j < V::lanes; ++j) {
        sa -= la[j];
        sb -= lb[j];
    }
    for (; i < n; ++i) {
        sa += w[i] < a;
        sb += w[i] < b;
    }
    below[0] = sa;
    below[1] = sb;
}

// 64-bit comparisons of whole lanes come with AVX2; below it, scalar.
void count_below64(const std::int64_t* w, int n, std::int64_t a, std::int64_t b, int* below) noexcept {
    int i = 0, sa = 0, sb = 0;
#if defined(__AVX2__)
    const __m256i va = _mm256_set1_epi64x(a), vb = _mm256_set1_epi64x(b);
    __m256i ca = _mm256_setzero_si256(), cb = _mm256_setzero_si256();
    for (; i + 4 <= n; i += 4) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + i));
        ca = _mm256_sub_epi64(ca, _mm256_cmpgt_epi64(va, x));
        cb = _mm256_sub_epi64(cb, _mm256_cmpgt_epi64(vb, x));
    }
    alignas(32) std::int64_t la[4], lb[4];
    _mm256_store_si256(reinterpret_cast<__m256i*>(la), ca);
    _mm256_store_si256(reinterpret_cast<__m256i*>(lb), cb);
    for (int j = 0; j < 4; ++j) {
        sa += static_cast<int>(la[j]);
        sb += static_cast<int>(lb[j]);
    }
#endif
    for (; i < n; ++i) {
        sa += w[i] < a;
        sb += w[i] < b;
    }
    below[0] = sa;
    below[1] = sb;
}

// ---------------------------------------------------------------- rows

template <class T>
constexpr MedianRow<T> median_row() {
    return {.mask3 = median_kernel<T, 3>,
            .mask5 = median_kernel<T, 5>,
            .mask7 = median_kernel<T, 7>,
            .mask9 = median_kernel<T, 9>};
}

}  // namespace

extern const MedianKernels median_kernels = {
    .count_below32 = count_below32,
    .count_below64 = count_below64,
    .m8u = median_row<std::uint8_t>(),
    .m16s = median_row<std::int16_t>(),
    .m32s = median_row<std::int32_t>(),
    .m32f = median_row<float>(),
    .m64f = median_row<double>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
