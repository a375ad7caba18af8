// Lane-type conversions: integer and floating-point lanes, float and double lanes, bit views.
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

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
    // An integer 64-bit store: p is only as aligned as a float.
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(_mm_cvtpd_ps(a.v)));
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
