// The internal vector layer: one vector type per (lane type, width in bytes),
// over the SSE4.1 (16-byte) and AVX2+FMA (32-byte) intrinsics.
//
// Include this only from kernel sources (files named *_kernels.cpp), which
// the build compiles once per variant with VDX_ISA set to the variant's
// namespace (sse41 or avx2).  Everything here lives in vdx::VDX_ISA, so the
// two compiled copies never meet at link time; for the same reason a kernel
// source uses no inline code from std:: (a template instantiated with AVX2
// flags could otherwise be picked for the SSE4.1 copy).
//
// Kernels are written for Vec<T, kWidth> and state their contract (aligned or
// not, multiple of the lane count or not); tails are left to scalar code in
// the same kernel source.
#pragma once

#include <immintrin.h>

// GCC 12's AVX-512 headers build their "undefined" registers from
// themselves (__m512d __Y = __Y), which -Wuninitialized reports at every
// inlined use; the kernels never read such a register.
#if defined(__AVX512F__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <cstdint>

#ifndef VDX_ISA
#error "simd.h belongs to kernel sources, compiled once per variant with VDX_ISA set"
#endif

namespace vdx {
namespace VDX_ISA {

// Bytes per vector in this variant.
#if defined(__AVX512F__)
inline constexpr int kWidth = 64;
#elif defined(__AVX2__)
inline constexpr int kWidth = 32;
#else
inline constexpr int kWidth = 16;
#endif

template <class T, int W = kWidth>
struct Vec;

// ---- floating-point vectors of every width: loads and stores, arithmetic,
// comparisons and selection, rounding, (re, im) pair shuffles
#include "simd/float.h"
// ---- the main loop over whole vectors and its tail
#include "simd/loop.h"

// ---- integer and raw-byte vectors, 16 bytes

template <>
struct Vec<std::int32_t, 16> {
    static constexpr int lanes = 4;
    __m128i v;
    static Vec loadu(const void* p) { return {_mm_loadu_si128(static_cast<const __m128i*>(p))}; }
    static Vec set1(std::int32_t x) { return {_mm_set1_epi32(x)}; }
    void storeu(void* p) const { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
};

// Raw bits: the lane type only matters to the reversal helpers.
template <>
struct Vec<std::uint8_t, 16> {
    static constexpr int lanes = 16;
    __m128i v;
    static Vec load(const void* p) { return {_mm_load_si128(static_cast<const __m128i*>(p))}; }
    static Vec loadu(const void* p) { return {_mm_loadu_si128(static_cast<const __m128i*>(p))}; }
    void store(void* p) const { _mm_store_si128(static_cast<__m128i*>(p), v); }
    void storeu(void* p) const { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    void stream(void* p) const { _mm_stream_si128(static_cast<__m128i*>(p), v); }
    // A 16-byte pattern repeated: pattern must hold 16 readable bytes.
    static Vec pattern(const void* p) { return loadu(p); }
};

// ---- integer and raw-byte vectors, 32 bytes (AVX2 variant only)
#if defined(__AVX2__)

template <>
struct Vec<std::int32_t, 32> {
    static constexpr int lanes = 8;
    __m256i v;
    static Vec loadu(const void* p) { return {_mm256_loadu_si256(static_cast<const __m256i*>(p))}; }
    static Vec set1(std::int32_t x) { return {_mm256_set1_epi32(x)}; }
    void storeu(void* p) const { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
};

template <>
struct Vec<std::uint8_t, 32> {
    static constexpr int lanes = 32;
    __m256i v;
    static Vec load(const void* p) { return {_mm256_load_si256(static_cast<const __m256i*>(p))}; }
    static Vec loadu(const void* p) { return {_mm256_loadu_si256(static_cast<const __m256i*>(p))}; }
    void store(void* p) const { _mm256_store_si256(static_cast<__m256i*>(p), v); }
    void storeu(void* p) const { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
    void stream(void* p) const { _mm256_stream_si256(static_cast<__m256i*>(p), v); }
    static Vec pattern(const void* p) {
        return {_mm256_broadcastsi128_si256(_mm_loadu_si128(static_cast<const __m128i*>(p)))};
    }
};

#endif  // __AVX2__

// ---- byte reordering and patterns (initialization family)
//
// repeat_element<E, W>(lo, hi): an element of E bytes (E = 1, 2, 4, 8 or 16)
// repeated across a W-byte vector.  The element comes as raw bits in the
// low E bytes of lo (for E = 16: the 8 bytes of lo, then those of hi), in
// memory order; lo and hi are only carriers that keep the bits in vector
// registers, never used as numbers.
//
// reverse_elements<E>(v): the vector read as elements of E bytes (1, 2, 4, 8
// or 16), in reverse element order; the bytes inside each element keep their
// order.

template <int E>
inline Vec<std::uint8_t, 16> reverse_elements(Vec<std::uint8_t, 16> a) {
    static_assert(E == 1 || E == 2 || E == 4 || E == 8 || E == 16, "element size");
    if constexpr (E == 1) {
        return {_mm_shuffle_epi8(a.v, _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0))};
    } else if constexpr (E == 2) {
        return {_mm_shuffle_epi8(a.v, _mm_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1))};
    } else if constexpr (E == 4) {
        return {_mm_shuffle_epi32(a.v, _MM_SHUFFLE(0, 1, 2, 3))};
    } else if constexpr (E == 8) {
        return {_mm_shuffle_epi32(a.v, _MM_SHUFFLE(1, 0, 3, 2))};
    } else {
        return a;
    }
}

template <int E, int W>
inline Vec<std::uint8_t, W> repeat_element(double lo, double hi) {
    static_assert(E == 1 || E == 2 || E == 4 || E == 8 || E == 16, "element size");
    static_assert(W == 16 || W == kWidth, "vector width of this variant");
    const __m128i x = E == 16 ? _mm_castpd_si128(_mm_unpacklo_pd(_mm_set_sd(lo), _mm_set_sd(hi)))
                              : _mm_castpd_si128(_mm_set_sd(lo));
    if constexpr (W == 16) {
        if constexpr (E == 1) return {_mm_shuffle_epi8(x, _mm_setzero_si128())};
        else if constexpr (E == 2) return {_mm_shuffle_epi32(_mm_shufflelo_epi16(x, 0), 0)};
        else if constexpr (E == 4) return {_mm_shuffle_epi32(x, 0)};
        else if constexpr (E == 8) return {_mm_shuffle_epi32(x, _MM_SHUFFLE(1, 0, 1, 0))};
        else return {x};
    } else {
#if defined(__AVX2__)
        if constexpr (E == 1) return {_mm256_broadcastb_epi8(x)};
        else if constexpr (E == 2) return {_mm256_broadcastw_epi16(x)};
        else if constexpr (E == 4) return {_mm256_broadcastd_epi32(x)};
        else if constexpr (E == 8) return {_mm256_broadcastq_epi64(x)};
        else return {_mm256_broadcastsi128_si256(x)};
#endif
    }
}

#if defined(__AVX2__)
template <int E>
inline Vec<std::uint8_t, 32> reverse_elements(Vec<std::uint8_t, 32> a) {
    static_assert(E == 1 || E == 2 || E == 4 || E == 8 || E == 16, "element size");
    if constexpr (E == 1 || E == 2) {
        // Reverse inside each 128-bit half, then swap the halves.
        const __m256i m = E == 1 ? _mm256_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0,
                                                     15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0)
                                 : _mm256_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1,
                                                     14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1);
        return {_mm256_permute4x64_epi64(_mm256_shuffle_epi8(a.v, m), _MM_SHUFFLE(1, 0, 3, 2))};
    } else if constexpr (E == 4) {
        return {_mm256_permutevar8x32_epi32(a.v, _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0))};
    } else if constexpr (E == 8) {
        return {_mm256_permute4x64_epi64(a.v, _MM_SHUFFLE(0, 1, 2, 3))};
    } else {
        return {_mm256_permute4x64_epi64(a.v, _MM_SHUFFLE(1, 0, 3, 2))};
    }
}
#endif  // __AVX2__

// ---- end of byte reordering and patterns

// ---- conversions
//
// Lane-type changes.  Widening loads read exactly as many narrow elements as
// the wide vector has lanes.  to_i32 converts lanes that already hold
// integers within the int32 range (the MXCSR rounding that cvt*2dq applies is
// moot for them); store_i16_sat packs with signed saturation.

// Sign-extended: Vec<int32_t, W>::lanes int16 values.
template <int W>
Vec<std::int32_t, W> load_i16_as_i32(const std::int16_t* p);
// Exact: Vec<double, W>::lanes int32 values.
template <int W>
Vec<double, W> load_i32_as_f64(const std::int32_t* p);

template <>
inline Vec<std::int32_t, 16> load_i16_as_i32<16>(const std::int16_t* p) {
    return {_mm_cvtepi16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<double, 16> load_i32_as_f64<16>(const std::int32_t* p) {
    return {_mm_cvtepi32_pd(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
// Exact for |a| <= 2^24.
inline Vec<float, 16> to_f32(Vec<std::int32_t, 16> a) { return {_mm_cvtepi32_ps(a.v)}; }
inline Vec<std::int32_t, 16> to_i32(Vec<float, 16> a) { return {_mm_cvtps_epi32(a.v)}; }
// The lanes of a, then those of b.
inline Vec<std::int32_t, 16> to_i32(Vec<double, 16> a, Vec<double, 16> b) {
    return {_mm_unpacklo_epi64(_mm_cvtpd_epi32(a.v), _mm_cvtpd_epi32(b.v))};
}
// The lanes of a, then those of b, as int16 saturated: 2 * lanes elements.
inline void store_i16_sat(std::int16_t* p, Vec<std::int32_t, 16> a, Vec<std::int32_t, 16> b) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(a.v, b.v));
}

#if defined(__AVX2__)
template <>
inline Vec<std::int32_t, 32> load_i16_as_i32<32>(const std::int16_t* p) {
    return {_mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<double, 32> load_i32_as_f64<32>(const std::int32_t* p) {
    return {_mm256_cvtepi32_pd(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)))};
}
inline Vec<float, 32> to_f32(Vec<std::int32_t, 32> a) { return {_mm256_cvtepi32_ps(a.v)}; }
inline Vec<std::int32_t, 32> to_i32(Vec<float, 32> a) { return {_mm256_cvtps_epi32(a.v)}; }
inline Vec<std::int32_t, 32> to_i32(Vec<double, 32> a, Vec<double, 32> b) {
    return {_mm256_set_m128i(_mm256_cvtpd_epi32(b.v), _mm256_cvtpd_epi32(a.v))};
}
inline void store_i16_sat(std::int16_t* p, Vec<std::int32_t, 32> a, Vec<std::int32_t, 32> b) {
    // packs works per 128-bit half: a0-3 b0-3 | a4-7 b4-7; put the quarters in order.
    const __m256i packed = _mm256_packs_epi32(a.v, b.v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm256_permute4x64_epi64(packed, _MM_SHUFFLE(3, 1, 2, 0)));
}
#endif  // __AVX2__

// ---- end of conversions

// ---- arithmetic (integers)
//
// Integer lanes for the fixed-point kernels.  The lane type carries the
// signedness: the same operation on Vec<int16_t> and Vec<uint16_t> picks the
// signed or the unsigned instruction (saturation, min and max, high halves of
// products, right shifts).  64-bit lanes are raw bits (Vec<uint64_t>): their
// right shift is logical, and signed values in them are the kernels' business.
//
// Every operation stays inside 128-bit halves, so in the 32-byte variant a
// widening unpack (widen_lo / widen_hi, interleave_lo / interleave_hi)
// followed by the matching pack gives the lanes back in their order with no
// crossing of halves.  Shift counts are run-time values; a count at or above
// the lane width gives 0 (logical, left) or the sign (arithmetic).
//
//   splat<V>(x), zeros<V>()        lanes all x, all 0
//   lanes_as<U>(v)                 the same bits as lanes of U
//   select(mask, a, b)             a where mask is all ones, b where it is 0
//   any_set(v)                     whether any bit of v is set

template <class V>
V splat(std::int64_t x);
template <class V>
V zeros();

template <class To, class From, int W>
inline Vec<To, W> lanes_as(Vec<From, W> v) {
    return {v.v};
}

#define VDX_INT_VEC(W, T, N, P, S, R)                                                                                 \
    template <>                                                                                                       \
    struct Vec<T, W> {                                                                                                \
        static constexpr int lanes = N;                                                                               \
        R v;                                                                                                          \
        static Vec loadu(const void* p) { return {P##_loadu_##S(static_cast<const R*>(p))}; }                         \
        void storeu(void* p) const { P##_storeu_##S(static_cast<R*>(p), v); }                                         \
    };

// Bitwise operations, sums, differences and selection, for every integer lane type.
#define VDX_INT_COMMON(W, T, E, P, S)                                                                                 \
    template <>                                                                                                       \
    inline Vec<T, W> zeros<Vec<T, W>>() {                                                                             \
        return {P##_setzero_##S()};                                                                                   \
    }                                                                                                                 \
    inline Vec<T, W> operator&(Vec<T, W> a, Vec<T, W> b) { return {P##_and_##S(a.v, b.v)}; }                          \
    inline Vec<T, W> operator|(Vec<T, W> a, Vec<T, W> b) { return {P##_or_##S(a.v, b.v)}; }                           \
    inline Vec<T, W> operator^(Vec<T, W> a, Vec<T, W> b) { return {P##_xor_##S(a.v, b.v)}; }                          \
    /* ~a & b */                                                                                                      \
    inline Vec<T, W> andnot(Vec<T, W> a, Vec<T, W> b) { return {P##_andnot_##S(a.v, b.v)}; }                          \
    inline Vec<T, W> operator+(Vec<T, W> a, Vec<T, W> b) { return {P##_add_##E(a.v, b.v)}; }                          \
    inline Vec<T, W> operator-(Vec<T, W> a, Vec<T, W> b) { return {P##_sub_##E(a.v, b.v)}; }                          \
    inline Vec<T, W> select(Vec<T, W> mask, Vec<T, W> a, Vec<T, W> b) {                                               \
        return {P##_blendv_epi8(b.v, a.v, mask.v)};                                                                   \
    }                                                                                                                 \
    inline bool any_set(Vec<T, W> a) { return !P##_testz_##S(a.v, a.v); }

// Shifts of 16-, 32- and 64-bit lanes; SR is the right shift the lane type calls for.
#define VDX_INT_SHIFTS(W, T, E, SR, P)                                                                                \
    inline Vec<T, W> operator<<(Vec<T, W> a, int n) { return {P##_sll_##E(a.v, _mm_cvtsi32_si128(n))}; }              \
    inline Vec<T, W> operator>>(Vec<T, W> a, int n) { return {P##_##SR##_##E(a.v, _mm_cvtsi32_si128(n))}; }

// Everything for one vector width: P is the intrinsic prefix, S the suffix of
// its whole-register operations, R its register type.
#define VDX_INT_ARITH(W, P, S, R)                                                                                     \
    VDX_INT_VEC(W, std::int16_t, W / 2, P, S, R)                                                                      \
    VDX_INT_VEC(W, std::uint16_t, W / 2, P, S, R)                                                                     \
    VDX_INT_VEC(W, std::uint32_t, W / 4, P, S, R)                                                                     \
    VDX_INT_VEC(W, std::uint64_t, W / 8, P, S, R)                                                                     \
    VDX_INT_COMMON(W, std::uint8_t, epi8, P, S)                                                                       \
    VDX_INT_COMMON(W, std::int16_t, epi16, P, S)                                                                      \
    VDX_INT_COMMON(W, std::uint16_t, epi16, P, S)                                                                     \
    VDX_INT_COMMON(W, std::int32_t, epi32, P, S)                                                                      \
    VDX_INT_COMMON(W, std::uint32_t, epi32, P, S)                                                                     \
    VDX_INT_COMMON(W, std::uint64_t, epi64, P, S)                                                                     \
    VDX_INT_SHIFTS(W, std::int16_t, epi16, sra, P)                                                                    \
    VDX_INT_SHIFTS(W, std::uint16_t, epi16, srl, P)                                                                   \
    VDX_INT_SHIFTS(W, std::int32_t, epi32, sra, P)                                                                    \
    VDX_INT_SHIFTS(W, std::uint32_t, epi32, srl, P)                                                                   \
    VDX_INT_SHIFTS(W, std::uint64_t, epi64, srl, P)                                                                   \
                                                                                                                      \
    template <>                                                                                                       \
    inline Vec<std::uint8_t, W> splat<Vec<std::uint8_t, W>>(std::int64_t x) {                                         \
        return {P##_set1_epi8(static_cast<char>(x))};                                                                 \
    }                                                                                                                 \
    template <>                                                                                                       \
    inline Vec<std::int16_t, W> splat<Vec<std::int16_t, W>>(std::int64_t x) {                                         \
        return {P##_set1_epi16(static_cast<short>(x))};                                                               \
    }                                                                                                                 \
    template <>                                                                                                       \
    inline Vec<std::uint16_t, W> splat<Vec<std::uint16_t, W>>(std::int64_t x) {                                       \
        return {P##_set1_epi16(static_cast<short>(x))};                                                               \
    }                                                                                                                 \
    template <>                                                                                                       \
    inline Vec<std::int32_t, W> splat<Vec<std::int32_t, W>>(std::int64_t x) {                                         \
        return {P##_set1_epi32(static_cast<int>(x))};                                                                 \
    }                                                                                                                 \
    template <>                                                                                                       \
    inline Vec<std::uint32_t, W> splat<Vec<std::uint32_t, W>>(std::int64_t x) {                                       \
        return {P##_set1_epi32(static_cast<int>(x))};                                                                 \
    }                                                                                                                 \
    template <>                                                                                                       \
    inline Vec<std::uint64_t, W> splat<Vec<std::uint64_t, W>>(std::int64_t x) {                                       \
        return {P##_set1_epi64x(x)};                                                                                  \
    }                                                                                                                 \
                                                                                                                      \
    /* Saturating sums and differences, minimum, maximum, rounding-up average, compares (all ones where true) */      \
    inline Vec<std::uint8_t, W> adds(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                                \
        return {P##_adds_epu8(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::uint8_t, W> subs(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                                \
        return {P##_subs_epu8(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::uint8_t, W> min(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                                 \
        return {P##_min_epu8(a.v, b.v)};                                                                              \
    }                                                                                                                 \
    inline Vec<std::uint8_t, W> avg(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                                 \
        return {P##_avg_epu8(a.v, b.v)};                                                                              \
    }                                                                                                                 \
    inline Vec<std::uint8_t, W> cmpeq(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                               \
        return {P##_cmpeq_epi8(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> adds(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                \
        return {P##_adds_epi16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> subs(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                \
        return {P##_subs_epi16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> min(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                 \
        return {P##_min_epi16(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> max(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                 \
        return {P##_max_epi16(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> cmpeq(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                               \
        return {P##_cmpeq_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> cmpgt(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                               \
        return {P##_cmpgt_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> adds(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                             \
        return {P##_adds_epu16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> subs(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                             \
        return {P##_subs_epu16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> min(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                              \
        return {P##_min_epu16(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> avg(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                              \
        return {P##_avg_epu16(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> cmpeq(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                            \
        return {P##_cmpeq_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> min(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                                 \
        return {P##_min_epi32(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> max(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                                 \
        return {P##_max_epi32(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> cmpeq(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                               \
        return {P##_cmpeq_epi32(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> cmpgt(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                               \
        return {P##_cmpgt_epi32(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::uint32_t, W> min(Vec<std::uint32_t, W> a, Vec<std::uint32_t, W> b) {                              \
        return {P##_min_epu32(a.v, b.v)};                                                                             \
    }                                                                                                                 \
                                                                                                                      \
    /* Low 16 bits of products; high 16 bits (signed or unsigned by the lane type) */                                 \
    inline Vec<std::int16_t, W> operator*(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                           \
        return {P##_mullo_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> operator*(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                        \
        return {P##_mullo_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> mulhi(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                               \
        return {P##_mulhi_epi16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> mulhi(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                            \
        return {P##_mulhi_epu16(a.v, b.v)};                                                                           \
    }                                                                                                                 \
    /* a * sign(b): a, 0 or -a as b is positive, zero or negative (-a wraps for the lowest value) */                  \
    inline Vec<std::int16_t, W> sign(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                \
        return {P##_sign_epi16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> sign(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                                \
        return {P##_sign_epi32(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    /* Full 64-bit signed products of the even 32-bit lanes (lanes 0, 2, ...) */                                      \
    inline Vec<std::uint64_t, W> mul_even(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                           \
        return {P##_mul_epi32(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    /* Low 32 bits of products */                                                                                     \
    inline Vec<std::int32_t, W> operator*(Vec<std::int32_t, W> a, Vec<std::int32_t, W> b) {                           \
        return {P##_mullo_epi32(a.v, b.v)};                                                                           \
    }                                                                                                                 \
                                                                                                                      \
    /* Widening in place: the low (high) half of each 128-bit half, zero- or sign-extended by the lane type */        \
    inline Vec<std::int16_t, W> widen_lo(Vec<std::uint8_t, W> a) {                                                    \
        return {P##_unpacklo_epi8(a.v, P##_setzero_##S())};                                                           \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> widen_hi(Vec<std::uint8_t, W> a) {                                                    \
        return {P##_unpackhi_epi8(a.v, P##_setzero_##S())};                                                           \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> widen_lo(Vec<std::int16_t, W> a) {                                                    \
        return {P##_srai_epi32(P##_unpacklo_epi16(a.v, a.v), 16)};                                                    \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> widen_hi(Vec<std::int16_t, W> a) {                                                    \
        return {P##_srai_epi32(P##_unpackhi_epi16(a.v, a.v), 16)};                                                    \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> widen_lo(Vec<std::uint16_t, W> a) {                                                   \
        return {P##_unpacklo_epi16(a.v, P##_setzero_##S())};                                                          \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> widen_hi(Vec<std::uint16_t, W> a) {                                                   \
        return {P##_unpackhi_epi16(a.v, P##_setzero_##S())};                                                          \
    }                                                                                                                 \
    /* a0 b0 a1 b1 ... from the low (high) half of each 128-bit half */                                               \
    template <class T>                                                                                                \
    inline Vec<T, W> interleave_lo(Vec<T, W> a, Vec<T, W> b) { return {P##_unpacklo_epi16(a.v, b.v)}; }               \
    template <class T>                                                                                                \
    inline Vec<T, W> interleave_hi(Vec<T, W> a, Vec<T, W> b) { return {P##_unpackhi_epi16(a.v, b.v)}; }               \
    /* a[2i] * b[2i] + a[2i+1] * b[2i+1], exact in 32 bits */                                                         \
    inline Vec<std::int32_t, W> madd(Vec<std::int16_t, W> a, Vec<std::int16_t, W> b) {                                \
        return {P##_madd_epi16(a.v, b.v)};                                                                            \
    }                                                                                                                 \
    /* Narrowing with saturation, the inverse of widen_lo / widen_hi: lo's lanes, then hi's, per 128-bit half */      \
    inline Vec<std::uint8_t, W> pack_u8(Vec<std::int16_t, W> lo, Vec<std::int16_t, W> hi) {                           \
        return {P##_packus_epi16(lo.v, hi.v)};                                                                        \
    }                                                                                                                 \
    inline Vec<std::int16_t, W> pack_s16(Vec<std::int32_t, W> lo, Vec<std::int32_t, W> hi) {                          \
        return {P##_packs_epi32(lo.v, hi.v)};                                                                         \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> pack_u16(Vec<std::int32_t, W> lo, Vec<std::int32_t, W> hi) {                         \
        return {P##_packus_epi32(lo.v, hi.v)};                                                                        \
    }                                                                                                                 \
                                                                                                                      \
    /* 32-bit lanes and 64-bit lanes: the even (odd) 32-bit lanes of a, sign-extended to 64 bits;                     \
       the low (high) 32 bits of 64-bit lanes, even ones from e and odd ones from o */                                \
    inline Vec<std::uint64_t, W> sign_extend_even(Vec<std::int32_t, W> a) {                                           \
        return {P##_blend_epi16(a.v, P##_slli_epi64(P##_srai_epi32(a.v, 31), 32), 0xCC)};                             \
    }                                                                                                                 \
    inline Vec<std::uint64_t, W> sign_extend_odd(Vec<std::int32_t, W> a) {                                            \
        return {P##_blend_epi16(P##_srli_epi64(a.v, 32), P##_srai_epi32(a.v, 31), 0xCC)};                             \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> odd_to_even(Vec<std::int32_t, W> a) { return {P##_srli_epi64(a.v, 32)}; }             \
    inline Vec<std::int32_t, W> low_halves(Vec<std::uint64_t, W> e, Vec<std::uint64_t, W> o) {                        \
        return {P##_blend_epi16(e.v, P##_slli_epi64(o.v, 32), 0xCC)};                                                 \
    }                                                                                                                 \
    inline Vec<std::int32_t, W> high_halves(Vec<std::uint64_t, W> e, Vec<std::uint64_t, W> o) {                       \
        return {P##_blend_epi16(P##_srli_epi64(e.v, 32), o.v, 0xCC)};                                                 \
    }

VDX_INT_ARITH(16, _mm, si128, __m128i)
#if defined(__AVX2__)
VDX_INT_ARITH(32, _mm256, si256, __m256i)
#endif

// Maxima of unsigned lanes (the minima are above).
#define VDX_UINT_MAX(W, P)                                                                                            \
    inline Vec<std::uint8_t, W> max(Vec<std::uint8_t, W> a, Vec<std::uint8_t, W> b) {                                 \
        return {P##_max_epu8(a.v, b.v)};                                                                              \
    }                                                                                                                 \
    inline Vec<std::uint16_t, W> max(Vec<std::uint16_t, W> a, Vec<std::uint16_t, W> b) {                              \
        return {P##_max_epu16(a.v, b.v)};                                                                             \
    }                                                                                                                 \
    inline Vec<std::uint32_t, W> max(Vec<std::uint32_t, W> a, Vec<std::uint32_t, W> b) {                              \
        return {P##_max_epu32(a.v, b.v)};                                                                             \
    }
VDX_UINT_MAX(16, _mm)
#if defined(__AVX2__)
VDX_UINT_MAX(32, _mm256)
#endif
#undef VDX_UINT_MAX

#undef VDX_INT_ARITH
#undef VDX_INT_SHIFTS
#undef VDX_INT_COMMON
#undef VDX_INT_VEC

// Widening loads in element order (across 128-bit halves):
// Vec<uint16_t, W>::lanes bytes as 16-bit lanes.
template <int W>
Vec<std::uint16_t, W> load_u8_as_u16(const std::uint8_t* p);
template <>
inline Vec<std::uint16_t, 16> load_u8_as_u16<16>(const std::uint8_t* p) {
    return {_mm_cvtepu8_epi16(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
#if defined(__AVX2__)
template <>
inline Vec<std::uint16_t, 32> load_u8_as_u16<32>(const std::uint8_t* p) {
    return {_mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)))};
}
#endif

// Integer quotients in double: Vec<int32_t, W>::lanes elements of T as
// int32 lanes (also the widening load of 16-bit elements), the int32 lanes
// as two double vectors (first the low lanes, then the high ones), and back
// (int32 lanes already within T's bounds, stored as T).  round_to_zero
// truncates; financial_round rounds half away from zero as |y| + half,
// truncated, with y's sign: the caller holds the rounding control at
// truncation and passes half (0.5) opaque to the compiler.
template <class T, int W>
Vec<std::int32_t, W> load_as_i32(const T* p);
template <class T, int W>
void store_from_i32(T* p, Vec<std::int32_t, W> a);

template <>
inline Vec<std::int32_t, 16> load_as_i32<std::uint8_t, 16>(const std::uint8_t* p) {
    return {_mm_cvtepu8_epi32(_mm_loadu_si32(p))};
}
template <>
inline Vec<std::int32_t, 16> load_as_i32<std::int16_t, 16>(const std::int16_t* p) {
    return {_mm_cvtepi16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<std::int32_t, 16> load_as_i32<std::uint16_t, 16>(const std::uint16_t* p) {
    return {_mm_cvtepu16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<std::int32_t, 16> load_as_i32<std::int32_t, 16>(const std::int32_t* p) {
    return Vec<std::int32_t, 16>::loadu(p);
}
template <>
inline void store_from_i32<std::uint8_t, 16>(std::uint8_t* p, Vec<std::int32_t, 16> a) {
    const __m128i w = _mm_packus_epi32(a.v, a.v);
    _mm_storeu_si32(p, _mm_packus_epi16(w, w));
}
template <>
inline void store_from_i32<std::int16_t, 16>(std::int16_t* p, Vec<std::int32_t, 16> a) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(a.v, a.v));
}
template <>
inline void store_from_i32<std::uint16_t, 16>(std::uint16_t* p, Vec<std::int32_t, 16> a) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi32(a.v, a.v));
}
template <>
inline void store_from_i32<std::int32_t, 16>(std::int32_t* p, Vec<std::int32_t, 16> a) {
    a.storeu(p);
}
inline Vec<double, 16> to_f64_lo(Vec<std::int32_t, 16> a) { return {_mm_cvtepi32_pd(a.v)}; }
inline Vec<double, 16> to_f64_hi(Vec<std::int32_t, 16> a) { return {_mm_cvtepi32_pd(_mm_unpackhi_epi64(a.v, a.v))}; }
inline Vec<double, 16> round_to_zero(Vec<double, 16> a) {
    return {_mm_round_pd(a.v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC)};
}
inline Vec<double, 16> financial_round(Vec<double, 16> y, Vec<double, 16> half) {
    const __m128d sign = _mm_set1_pd(-0.0);
    const __m128d m = _mm_add_pd(_mm_andnot_pd(sign, y.v), half.v);
    return {_mm_or_pd(_mm_round_pd(m, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC), _mm_and_pd(sign, y.v))};
}

#if defined(__AVX2__)
template <>
inline Vec<std::int32_t, 32> load_as_i32<std::uint8_t, 32>(const std::uint8_t* p) {
    return {_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<std::int32_t, 32> load_as_i32<std::int16_t, 32>(const std::int16_t* p) {
    return {_mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<std::int32_t, 32> load_as_i32<std::uint16_t, 32>(const std::uint16_t* p) {
    return {_mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)))};
}
template <>
inline Vec<std::int32_t, 32> load_as_i32<std::int32_t, 32>(const std::int32_t* p) {
    return Vec<std::int32_t, 32>::loadu(p);
}
template <>
inline void store_from_i32<std::uint8_t, 32>(std::uint8_t* p, Vec<std::int32_t, 32> a) {
    const __m128i w = _mm_packus_epi32(_mm256_castsi256_si128(a.v), _mm256_extracti128_si256(a.v, 1));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(w, w));
}
template <>
inline void store_from_i32<std::int16_t, 32>(std::int16_t* p, Vec<std::int32_t, 32> a) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p),
                     _mm_packs_epi32(_mm256_castsi256_si128(a.v), _mm256_extracti128_si256(a.v, 1)));
}
template <>
inline void store_from_i32<std::uint16_t, 32>(std::uint16_t* p, Vec<std::int32_t, 32> a) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p),
                     _mm_packus_epi32(_mm256_castsi256_si128(a.v), _mm256_extracti128_si256(a.v, 1)));
}
template <>
inline void store_from_i32<std::int32_t, 32>(std::int32_t* p, Vec<std::int32_t, 32> a) {
    a.storeu(p);
}
inline Vec<double, 32> to_f64_lo(Vec<std::int32_t, 32> a) { return {_mm256_cvtepi32_pd(_mm256_castsi256_si128(a.v))}; }
inline Vec<double, 32> to_f64_hi(Vec<std::int32_t, 32> a) {
    return {_mm256_cvtepi32_pd(_mm256_extracti128_si256(a.v, 1))};
}
inline Vec<double, 32> round_to_zero(Vec<double, 32> a) {
    return {_mm256_round_pd(a.v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC)};
}
inline Vec<double, 32> financial_round(Vec<double, 32> y, Vec<double, 32> half) {
    const __m256d sign = _mm256_set1_pd(-0.0);
    const __m256d m = _mm256_add_pd(_mm256_andnot_pd(sign, y.v), half.v);
    return {_mm256_or_pd(_mm256_round_pd(m, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC), _mm256_and_pd(sign, y.v))};
}
#endif  // __AVX2__

// ---- end of arithmetic (integers)

// ---- exponential and logarithm
//
// Bit views of floating-point lanes (float lanes as 32-bit integer lanes,
// double lanes as raw 64-bit lanes), a multiply-add, ordered comparisons
// that the blocks above lack, lane masks as bits, rounding down, and
// widening and narrowing between float and double lanes.
//
//   float_bits(v), bits_to_float(i)     the same bits as int32 or float lanes
//   double_bits(v), bits_to_double(u)   the same bits as uint64 or double lanes
//   mul_add(a, b, c), mul_sub(a, b, c)  a * b + c, a * b - c: fused (one
//                                       rounding) in the AVX2 variant, two
//                                       roundings in SSE4.1
//   mask_le(a, b)                       a <= b, false wherever a lane is NaN
//   mask_unordered(a)                   lanes that are NaN
//   lane_bits(mask)                     bit i set where lane i of mask is set
//   round_down(v)                       to the integer below, whatever MXCSR says
//   load_f32_as_f64<W>(p)               Vec<double, W>::lanes floats, widened (exact)
//   store_f64_as_f32(p, v)              v's lanes as floats (rounded to nearest)

inline Vec<std::int32_t, 16> float_bits(Vec<float, 16> a) { return {_mm_castps_si128(a.v)}; }
inline Vec<float, 16> bits_to_float(Vec<std::int32_t, 16> a) { return {_mm_castsi128_ps(a.v)}; }
inline Vec<std::uint64_t, 16> double_bits(Vec<double, 16> a) { return {_mm_castpd_si128(a.v)}; }
inline Vec<double, 16> bits_to_double(Vec<std::uint64_t, 16> a) { return {_mm_castsi128_pd(a.v)}; }
template <int W>
Vec<double, W> load_f32_as_f64(const float* p);
template <>
inline Vec<double, 16> load_f32_as_f64<16>(const float* p) {
    return {_mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))))};
}
inline void store_f64_as_f32(float* p, Vec<double, 16> a) {
    _mm_store_sd(reinterpret_cast<double*>(p), _mm_castps_pd(_mm_cvtpd_ps(a.v)));
}

#if defined(__AVX2__)
inline Vec<std::int32_t, 32> float_bits(Vec<float, 32> a) { return {_mm256_castps_si256(a.v)}; }
inline Vec<float, 32> bits_to_float(Vec<std::int32_t, 32> a) { return {_mm256_castsi256_ps(a.v)}; }
inline Vec<std::uint64_t, 32> double_bits(Vec<double, 32> a) { return {_mm256_castpd_si256(a.v)}; }
inline Vec<double, 32> bits_to_double(Vec<std::uint64_t, 32> a) { return {_mm256_castsi256_pd(a.v)}; }
template <>
inline Vec<double, 32> load_f32_as_f64<32>(const float* p) {
    return {_mm256_cvtps_pd(_mm_loadu_ps(p))};
}
inline void store_f64_as_f32(float* p, Vec<double, 32> a) { _mm_storeu_ps(p, _mm256_cvtpd_ps(a.v)); }
#endif  // __AVX2__

// ---- end of exponential and logarithm

// ---- thresholds
//
// Square roots (correctly rounded), and float lanes widened to double and
// back: to_f64_lo(v) and to_f64_hi(v) hold the low and the high half of v's
// lanes as doubles (exact), to_f32(lo, hi) their lanes again, rounded to
// nearest, lo's first.  A lane mask survives the round trip (its sign bit
// is kept), so masks decided in double can select float lanes.

inline Vec<double, 16> to_f64_lo(Vec<float, 16> a) { return {_mm_cvtps_pd(a.v)}; }
inline Vec<double, 16> to_f64_hi(Vec<float, 16> a) { return {_mm_cvtps_pd(_mm_movehl_ps(a.v, a.v))}; }
inline Vec<float, 16> to_f32(Vec<double, 16> lo, Vec<double, 16> hi) {
    return {_mm_movelh_ps(_mm_cvtpd_ps(lo.v), _mm_cvtpd_ps(hi.v))};
}
#if defined(__AVX2__)
inline Vec<double, 32> to_f64_lo(Vec<float, 32> a) { return {_mm256_cvtps_pd(_mm256_castps256_ps128(a.v))}; }
inline Vec<double, 32> to_f64_hi(Vec<float, 32> a) { return {_mm256_cvtps_pd(_mm256_extractf128_ps(a.v, 1))}; }
inline Vec<float, 32> to_f32(Vec<double, 32> lo, Vec<double, 32> hi) {
    return {_mm256_set_m128(_mm256_cvtpd_ps(hi.v), _mm256_cvtpd_ps(lo.v))};
}
#endif  // __AVX2__

// ---- end of thresholds

// ---- complex pairs (packed-spectrum arithmetic, real FFT)
//
// Lanes read as interleaved complex numbers (re, im), so a vector holds
// lanes/2 of them.  Products round each partial product and then add (never
// fused), so that both variants and a scalar loop written in the same order
// agree bit for bit:
//   cmul(a, b)       a * b        = (ar br - ai bi, ar bi + ai br)
//   cmul_conj(a, b)  a * conj(b)  = (ar br + ai bi, ai br - ar bi)
//   conj(a)          the imaginary lanes negated (sign flipped, exact)
//   reverse_complex(a) the complex numbers in reverse order
//   splat_complex<T, W>(p) the complex number at p in every position

// Keeps the compiler from merging a product and the add-subtract that
// consumes it into one fused instruction where FMA is available (GCC does
// that to the same arithmetic written as scalar code, contraction off or
// not): the empty asm makes the products opaque.
template <class R>
inline void unfused(R& p, R& q) {
    __asm__("" : "+x"(p), "+x"(q));
}

inline Vec<float, 16> conj(Vec<float, 16> a) {
    return {_mm_xor_ps(a.v, _mm_castsi128_ps(_mm_setr_epi32(0, INT32_MIN, 0, INT32_MIN)))};
}
inline Vec<double, 16> conj(Vec<double, 16> a) { return {_mm_xor_pd(a.v, _mm_setr_pd(0.0, -0.0))}; }
inline Vec<float, 16> cmul(Vec<float, 16> a, Vec<float, 16> b) {
    const __m128 bs = _mm_shuffle_ps(b.v, b.v, _MM_SHUFFLE(2, 3, 0, 1));
    __m128 p = _mm_mul_ps(_mm_moveldup_ps(a.v), b.v), q = _mm_mul_ps(_mm_movehdup_ps(a.v), bs);
    unfused(p, q);
    return {_mm_addsub_ps(p, q)};
}
inline Vec<double, 16> cmul(Vec<double, 16> a, Vec<double, 16> b) {
    const __m128d bs = _mm_shuffle_pd(b.v, b.v, 1);
    __m128d p = _mm_mul_pd(_mm_movedup_pd(a.v), b.v), q = _mm_mul_pd(_mm_unpackhi_pd(a.v, a.v), bs);
    unfused(p, q);
    return {_mm_addsub_pd(p, q)};
}
inline Vec<float, 16> reverse_complex(Vec<float, 16> a) { return {_mm_shuffle_ps(a.v, a.v, _MM_SHUFFLE(1, 0, 3, 2))}; }
inline Vec<double, 16> reverse_complex(Vec<double, 16> a) { return a; }

#if defined(__AVX2__)
inline Vec<float, 32> conj(Vec<float, 32> a) {
    return {_mm256_xor_ps(a.v, _mm256_castsi256_ps(_mm256_setr_epi32(0, INT32_MIN, 0, INT32_MIN, 0, INT32_MIN, 0,
                                                                     INT32_MIN)))};
}
inline Vec<double, 32> conj(Vec<double, 32> a) { return {_mm256_xor_pd(a.v, _mm256_setr_pd(0.0, -0.0, 0.0, -0.0))}; }
inline Vec<float, 32> cmul(Vec<float, 32> a, Vec<float, 32> b) {
    const __m256 bs = _mm256_permute_ps(b.v, _MM_SHUFFLE(2, 3, 0, 1));
    __m256 p = _mm256_mul_ps(_mm256_moveldup_ps(a.v), b.v), q = _mm256_mul_ps(_mm256_movehdup_ps(a.v), bs);
    unfused(p, q);
    return {_mm256_addsub_ps(p, q)};
}
inline Vec<double, 32> cmul(Vec<double, 32> a, Vec<double, 32> b) {
    const __m256d bs = _mm256_permute_pd(b.v, 0x5);
    __m256d p = _mm256_mul_pd(_mm256_movedup_pd(a.v), b.v), q = _mm256_mul_pd(_mm256_permute_pd(a.v, 0xF), bs);
    unfused(p, q);
    return {_mm256_addsub_pd(p, q)};
}
inline Vec<float, 32> reverse_complex(Vec<float, 32> a) {
    return {_mm256_castpd_ps(_mm256_permute4x64_pd(_mm256_castps_pd(a.v), _MM_SHUFFLE(0, 1, 2, 3)))};
}
inline Vec<double, 32> reverse_complex(Vec<double, 32> a) { return {_mm256_permute2f128_pd(a.v, a.v, 1)}; }
#endif  // __AVX2__

// One complex number (p[0], p[1]) repeated across a vector.
template <class T, int W>
Vec<T, W> splat_complex(const T* p);
template <>
inline Vec<float, 16> splat_complex<float, 16>(const float* p) {
    return {_mm_castpd_ps(_mm_load1_pd(reinterpret_cast<const double*>(p)))};
}
template <>
inline Vec<double, 16> splat_complex<double, 16>(const double* p) {
    return {_mm_loadu_pd(p)};
}
#if defined(__AVX2__)
template <>
inline Vec<float, 32> splat_complex<float, 32>(const float* p) {
    return {_mm256_castpd_ps(_mm256_broadcast_sd(reinterpret_cast<const double*>(p)))};
}
template <>
inline Vec<double, 32> splat_complex<double, 32>(const double* p) {
    return {_mm256_broadcast_pd(reinterpret_cast<const __m128d*>(p))};
}
#endif  // __AVX2__

template <class V>
inline V cmul_conj(V a, V b) {
    return cmul(a, conj(b));
}

// ---- end of complex pairs

// ---- complex products (FFT kernels)
//
// Complex vectors hold (re, im) pairs in adjacent lanes, in memory order.
// With w = (wr, wi): a*w = mul_addsub(a, dup_re(w), swap_re_im(a) * dup_im(w)),
// a*conj(w) = mul_subadd(a, dup_re(w), swap_re_im(a) * dup_im(w)).

// Complex pairs from strided places and pair transposes (FFT first stage):
// load_pairs<W>(p, stride) holds the pairs at p, p + 2 stride, p + 4 stride,
// ... (W / 2 / sizeof(T) pairs, any alignment of T); transpose_pairs(v) takes
// n = W / 2 / sizeof(T) vectors of n pairs and exchanges pair j of vector i
// with pair i of vector j.
template <int W>
Vec<float, W> load_pairs(const float* p, long stride);
template <int W>
Vec<double, W> load_pairs(const double* p, long stride);
template <>
inline Vec<float, 16> load_pairs<16>(const float* p, long stride) {
    const __m128d lo = _mm_load_sd(reinterpret_cast<const double*>(p));
    return {_mm_castpd_ps(_mm_loadh_pd(lo, reinterpret_cast<const double*>(p + 2 * stride)))};
}
template <>
inline Vec<double, 16> load_pairs<16>(const double* p, long) {
    return {_mm_loadu_pd(p)};
}
inline void transpose_pairs(Vec<float, 16>* v) {
    const __m128 a = v[0].v, b = v[1].v;
    v[0].v = _mm_movelh_ps(a, b);
    v[1].v = _mm_movehl_ps(b, a);
}
inline void transpose_pairs(Vec<double, 16>*) {}
#if defined(__AVX2__)
template <>
inline Vec<float, 32> load_pairs<32>(const float* p, long stride) {
    const __m128 lo = load_pairs<16>(p, stride).v, hi = load_pairs<16>(p + 4 * stride, stride).v;
    return {_mm256_insertf128_ps(_mm256_castps128_ps256(lo), hi, 1)};
}
template <>
inline Vec<double, 32> load_pairs<32>(const double* p, long stride) {
    return {_mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_loadu_pd(p)), _mm_loadu_pd(p + 2 * stride), 1)};
}
inline void transpose_pairs(Vec<float, 32>* v) {
    const __m256d a = _mm256_castps_pd(v[0].v), b = _mm256_castps_pd(v[1].v), c = _mm256_castps_pd(v[2].v),
                  d = _mm256_castps_pd(v[3].v);
    const __m256d t0 = _mm256_unpacklo_pd(a, b), t1 = _mm256_unpackhi_pd(a, b), t2 = _mm256_unpacklo_pd(c, d),
                  t3 = _mm256_unpackhi_pd(c, d);
    v[0].v = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x20));
    v[1].v = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x20));
    v[2].v = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x31));
    v[3].v = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x31));
}
inline void transpose_pairs(Vec<double, 32>* v) {
    const __m256d a = v[0].v, b = v[1].v;
    v[0].v = _mm256_permute2f128_pd(a, b, 0x20);
    v[1].v = _mm256_permute2f128_pd(a, b, 0x31);
}
#endif  // __AVX2__

// Pairs from and to separate real and imaginary arrays: load_parts<W>(re,
// im, stride) holds (re[0], im[0]), (re[stride], im[stride]), ...;
// store_parts(v, re, im) writes the pairs of v to re[0..n) and im[0..n)
// (n = W / 2 / sizeof(T)).  Any alignment of T.
template <int W>
Vec<float, W> load_parts(const float* re, const float* im, long stride);
template <int W>
Vec<double, W> load_parts(const double* re, const double* im, long stride);
template <>
inline Vec<float, 16> load_parts<16>(const float* re, const float* im, long stride) {
    if (stride == 1) {
        const __m128 r = _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(re)));
        const __m128 i = _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(im)));
        return {_mm_unpacklo_ps(r, i)};
    }
    return {_mm_setr_ps(re[0], im[0], re[stride], im[stride])};
}
template <>
inline Vec<double, 16> load_parts<16>(const double* re, const double* im, long) {
    return {_mm_unpacklo_pd(_mm_load_sd(re), _mm_load_sd(im))};
}
inline void store_parts(Vec<float, 16> v, float* re, float* im) {
    const __m128 d = _mm_shuffle_ps(v.v, v.v, _MM_SHUFFLE(3, 1, 2, 0));
    _mm_storel_pi(reinterpret_cast<__m64*>(re), d);
    _mm_storeh_pi(reinterpret_cast<__m64*>(im), d);
}
inline void store_parts(Vec<double, 16> v, double* re, double* im) {
    _mm_storel_pd(re, v.v);
    _mm_storeh_pd(im, v.v);
}
#if defined(__AVX2__)
template <>
inline Vec<float, 32> load_parts<32>(const float* re, const float* im, long stride) {
    if (stride == 1) {
        const __m128 r = _mm_loadu_ps(re), i = _mm_loadu_ps(im);
        return {_mm256_insertf128_ps(_mm256_castps128_ps256(_mm_unpacklo_ps(r, i)), _mm_unpackhi_ps(r, i), 1)};
    }
    return {_mm256_setr_ps(re[0], im[0], re[stride], im[stride], re[2 * stride], im[2 * stride], re[3 * stride],
                           im[3 * stride])};
}
template <>
inline Vec<double, 32> load_parts<32>(const double* re, const double* im, long stride) {
    if (stride == 1) {
        const __m128d r = _mm_loadu_pd(re), i = _mm_loadu_pd(im);
        return {_mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_unpacklo_pd(r, i)), _mm_unpackhi_pd(r, i), 1)};
    }
    return {_mm256_setr_pd(re[0], im[0], re[stride], im[stride])};
}
inline void store_parts(Vec<float, 32> v, float* re, float* im) {
    const __m256 d = _mm256_permutevar8x32_ps(v.v, _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7));
    _mm_storeu_ps(re, _mm256_castps256_ps128(d));
    _mm_storeu_ps(im, _mm256_extractf128_ps(d, 1));
}
inline void store_parts(Vec<double, 32> v, double* re, double* im) {
    const __m256d d = _mm256_permute4x64_pd(v.v, _MM_SHUFFLE(3, 1, 2, 0));
    _mm_storeu_pd(re, _mm256_castpd256_pd128(d));
    _mm_storeu_pd(im, _mm256_extractf128_pd(d, 1));
}
#endif  // __AVX2__

// Two neighbouring pairs per row, rows `stride` pairs apart:
// load_pair_columns<W>(p, stride, a, b) puts the first pair of each of the
// n = W / 2 / sizeof(T) rows p, p + 2 stride, ... in a, the second in b.
template <int W>
void load_pair_columns(const float* p, long stride, Vec<float, W>& a, Vec<float, W>& b);
template <int W>
void load_pair_columns(const double* p, long stride, Vec<double, W>& a, Vec<double, W>& b);
template <>
inline void load_pair_columns<16>(const float* p, long stride, Vec<float, 16>& a, Vec<float, 16>& b) {
    const __m128 r0 = _mm_loadu_ps(p), r1 = _mm_loadu_ps(p + 2 * stride);
    a.v = _mm_movelh_ps(r0, r1);
    b.v = _mm_movehl_ps(r1, r0);
}
template <>
inline void load_pair_columns<16>(const double* p, long, Vec<double, 16>& a, Vec<double, 16>& b) {
    a.v = _mm_loadu_pd(p);
    b.v = _mm_loadu_pd(p + 2);
}
#if defined(__AVX2__)
template <>
inline void load_pair_columns<32>(const float* p, long stride, Vec<float, 32>& a, Vec<float, 32>& b) {
    const __m256d r02 = _mm256_castps_pd(
        _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(p)), _mm_loadu_ps(p + 4 * stride), 1));
    const __m256d r13 = _mm256_castps_pd(
        _mm256_insertf128_ps(_mm256_castps128_ps256(_mm_loadu_ps(p + 2 * stride)), _mm_loadu_ps(p + 6 * stride), 1));
    a.v = _mm256_castpd_ps(_mm256_unpacklo_pd(r02, r13));
    b.v = _mm256_castpd_ps(_mm256_unpackhi_pd(r02, r13));
}
template <>
inline void load_pair_columns<32>(const double* p, long stride, Vec<double, 32>& a, Vec<double, 32>& b) {
    const __m256d r0 = _mm256_loadu_pd(p), r1 = _mm256_loadu_pd(p + 2 * stride);
    a.v = _mm256_permute2f128_pd(r0, r1, 0x20);
    b.v = _mm256_permute2f128_pd(r0, r1, 0x31);
}
#endif  // __AVX2__

#if defined(__AVX512F__)
// 64 bytes: the double forms (four pairs, one per 128-bit lane).
template <>
inline Vec<double, 64> load_pairs<64>(const double* p, long stride) {
    const __m512d lo = _mm512_castpd256_pd512(load_pairs<32>(p, stride).v);
    return {_mm512_insertf64x4(lo, load_pairs<32>(p + 4 * stride, stride).v, 1)};
}
inline void transpose_pairs(Vec<double, 64>* v) {
    const __m512d t0 = _mm512_shuffle_f64x2(v[0].v, v[1].v, _MM_SHUFFLE(1, 0, 1, 0)),
                  t1 = _mm512_shuffle_f64x2(v[0].v, v[1].v, _MM_SHUFFLE(3, 2, 3, 2)),
                  t2 = _mm512_shuffle_f64x2(v[2].v, v[3].v, _MM_SHUFFLE(1, 0, 1, 0)),
                  t3 = _mm512_shuffle_f64x2(v[2].v, v[3].v, _MM_SHUFFLE(3, 2, 3, 2));
    v[0].v = _mm512_shuffle_f64x2(t0, t2, _MM_SHUFFLE(2, 0, 2, 0));
    v[1].v = _mm512_shuffle_f64x2(t0, t2, _MM_SHUFFLE(3, 1, 3, 1));
    v[2].v = _mm512_shuffle_f64x2(t1, t3, _MM_SHUFFLE(2, 0, 2, 0));
    v[3].v = _mm512_shuffle_f64x2(t1, t3, _MM_SHUFFLE(3, 1, 3, 1));
}
template <>
inline Vec<double, 64> load_parts<64>(const double* re, const double* im, long stride) {
    if (stride == 1) {
        const __m512d r = _mm512_castpd256_pd512(_mm256_loadu_pd(re)), i = _mm512_castpd256_pd512(_mm256_loadu_pd(im));
        return {_mm512_permutex2var_pd(r, _mm512_setr_epi64(0, 8, 1, 9, 2, 10, 3, 11), i)};
    }
    return {_mm512_setr_pd(re[0], im[0], re[stride], im[stride], re[2 * stride], im[2 * stride], re[3 * stride],
                           im[3 * stride])};
}
inline void store_parts(Vec<double, 64> v, double* re, double* im) {
    const __m512d d = _mm512_permutexvar_pd(_mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7), v.v);
    _mm256_storeu_pd(re, _mm512_castpd512_pd256(d));
    _mm256_storeu_pd(im, _mm512_extractf64x4_pd(d, 1));
}
template <>
inline void load_pair_columns<64>(const double* p, long stride, Vec<double, 64>& a, Vec<double, 64>& b) {
    const __m512d r02 =
        _mm512_insertf64x4(_mm512_castpd256_pd512(_mm256_loadu_pd(p)), _mm256_loadu_pd(p + 4 * stride), 1);
    const __m512d r13 =
        _mm512_insertf64x4(_mm512_castpd256_pd512(_mm256_loadu_pd(p + 2 * stride)), _mm256_loadu_pd(p + 6 * stride), 1);
    a.v = _mm512_permutex2var_pd(r02, _mm512_setr_epi64(0, 1, 8, 9, 4, 5, 12, 13), r13);
    b.v = _mm512_permutex2var_pd(r02, _mm512_setr_epi64(2, 3, 10, 11, 6, 7, 14, 15), r13);
}
#endif  // __AVX512F__

// ---- end of complex products

// Fence after streaming stores, before the data is handed back.
inline void stream_fence() { _mm_sfence(); }

}  // namespace VDX_ISA
}  // namespace vdx
