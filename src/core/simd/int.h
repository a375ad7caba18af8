// Integer arithmetic, one macro per width.
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

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
