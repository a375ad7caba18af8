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

// Fence after streaming stores, before the data is handed back.
inline void stream_fence() { _mm_sfence(); }

}  // namespace VDX_ISA
}  // namespace vdx
