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

#include <cstdint>

#ifndef VDX_ISA
#error "simd.h belongs to kernel sources, compiled once per variant with VDX_ISA set"
#endif

namespace vdx {
namespace VDX_ISA {

#if defined(__AVX2__)
inline constexpr int kWidth = 32;  // bytes per vector in this variant
#else
inline constexpr int kWidth = 16;
#endif

template <class T, int W = kWidth>
struct Vec;

// ---- 16-byte vectors ----

template <>
struct Vec<float, 16> {
    static constexpr int lanes = 4;
    __m128 v;
    static Vec load(const float* p) { return {_mm_load_ps(p)}; }
    static Vec loadu(const float* p) { return {_mm_loadu_ps(p)}; }
    static Vec set1(float x) { return {_mm_set1_ps(x)}; }
    static Vec zero() { return {_mm_setzero_ps()}; }
    void store(float* p) const { _mm_store_ps(p, v); }
    void storeu(float* p) const { _mm_storeu_ps(p, v); }
    void stream(float* p) const { _mm_stream_ps(p, v); }
};

template <>
struct Vec<double, 16> {
    static constexpr int lanes = 2;
    __m128d v;
    static Vec load(const double* p) { return {_mm_load_pd(p)}; }
    static Vec loadu(const double* p) { return {_mm_loadu_pd(p)}; }
    static Vec set1(double x) { return {_mm_set1_pd(x)}; }
    static Vec zero() { return {_mm_setzero_pd()}; }
    void store(double* p) const { _mm_store_pd(p, v); }
    void storeu(double* p) const { _mm_storeu_pd(p, v); }
    void stream(double* p) const { _mm_stream_pd(p, v); }
};

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

inline Vec<float, 16> operator+(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_add_ps(a.v, b.v)}; }
inline Vec<float, 16> operator-(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_sub_ps(a.v, b.v)}; }
inline Vec<float, 16> operator*(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_mul_ps(a.v, b.v)}; }
inline Vec<float, 16> operator/(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_div_ps(a.v, b.v)}; }
inline Vec<double, 16> operator+(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_add_pd(a.v, b.v)}; }
inline Vec<double, 16> operator-(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_sub_pd(a.v, b.v)}; }
inline Vec<double, 16> operator*(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_mul_pd(a.v, b.v)}; }
inline Vec<double, 16> operator/(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_div_pd(a.v, b.v)}; }

inline Vec<float, 16> min(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_min_ps(a.v, b.v)}; }
inline Vec<float, 16> max(Vec<float, 16> a, Vec<float, 16> b) { return {_mm_max_ps(a.v, b.v)}; }
inline Vec<double, 16> min(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_min_pd(a.v, b.v)}; }
inline Vec<double, 16> max(Vec<double, 16> a, Vec<double, 16> b) { return {_mm_max_pd(a.v, b.v)}; }

// Round to the nearest integer, ties to even, whatever the caller's MXCSR says.
inline Vec<float, 16> round_even(Vec<float, 16> a) {
    return {_mm_round_ps(a.v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC)};
}
inline Vec<double, 16> round_even(Vec<double, 16> a) {
    return {_mm_round_pd(a.v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC)};
}
// Lanes that are NaN become +0.
inline Vec<float, 16> nan_to_zero(Vec<float, 16> a) { return {_mm_and_ps(a.v, _mm_cmpord_ps(a.v, a.v))}; }
inline Vec<double, 16> nan_to_zero(Vec<double, 16> a) { return {_mm_and_pd(a.v, _mm_cmpord_pd(a.v, a.v))}; }

// ---- 32-byte vectors (AVX2 variant only) ----
#if defined(__AVX2__)

template <>
struct Vec<float, 32> {
    static constexpr int lanes = 8;
    __m256 v;
    static Vec load(const float* p) { return {_mm256_load_ps(p)}; }
    static Vec loadu(const float* p) { return {_mm256_loadu_ps(p)}; }
    static Vec set1(float x) { return {_mm256_set1_ps(x)}; }
    static Vec zero() { return {_mm256_setzero_ps()}; }
    void store(float* p) const { _mm256_store_ps(p, v); }
    void storeu(float* p) const { _mm256_storeu_ps(p, v); }
    void stream(float* p) const { _mm256_stream_ps(p, v); }
};

template <>
struct Vec<double, 32> {
    static constexpr int lanes = 4;
    __m256d v;
    static Vec load(const double* p) { return {_mm256_load_pd(p)}; }
    static Vec loadu(const double* p) { return {_mm256_loadu_pd(p)}; }
    static Vec set1(double x) { return {_mm256_set1_pd(x)}; }
    static Vec zero() { return {_mm256_setzero_pd()}; }
    void store(double* p) const { _mm256_store_pd(p, v); }
    void storeu(double* p) const { _mm256_storeu_pd(p, v); }
    void stream(double* p) const { _mm256_stream_pd(p, v); }
};

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

inline Vec<float, 32> operator+(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_add_ps(a.v, b.v)}; }
inline Vec<float, 32> operator-(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_sub_ps(a.v, b.v)}; }
inline Vec<float, 32> operator*(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_mul_ps(a.v, b.v)}; }
inline Vec<float, 32> operator/(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_div_ps(a.v, b.v)}; }
inline Vec<double, 32> operator+(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_add_pd(a.v, b.v)}; }
inline Vec<double, 32> operator-(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_sub_pd(a.v, b.v)}; }
inline Vec<double, 32> operator*(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_mul_pd(a.v, b.v)}; }
inline Vec<double, 32> operator/(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_div_pd(a.v, b.v)}; }

inline Vec<float, 32> min(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_min_ps(a.v, b.v)}; }
inline Vec<float, 32> max(Vec<float, 32> a, Vec<float, 32> b) { return {_mm256_max_ps(a.v, b.v)}; }
inline Vec<double, 32> min(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_min_pd(a.v, b.v)}; }
inline Vec<double, 32> max(Vec<double, 32> a, Vec<double, 32> b) { return {_mm256_max_pd(a.v, b.v)}; }

inline Vec<float, 32> round_even(Vec<float, 32> a) {
    return {_mm256_round_ps(a.v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC)};
}
inline Vec<double, 32> round_even(Vec<double, 32> a) {
    return {_mm256_round_pd(a.v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC)};
}
inline Vec<float, 32> nan_to_zero(Vec<float, 32> a) {
    return {_mm256_and_ps(a.v, _mm256_cmp_ps(a.v, a.v, _CMP_ORD_Q))};
}
inline Vec<double, 32> nan_to_zero(Vec<double, 32> a) {
    return {_mm256_and_pd(a.v, _mm256_cmp_pd(a.v, a.v, _CMP_ORD_Q))};
}

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

// Fence after streaming stores, before the data is handed back.
inline void stream_fence() { _mm_sfence(); }

}  // namespace VDX_ISA
}  // namespace vdx
