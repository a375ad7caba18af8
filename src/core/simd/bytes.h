// Byte reordering and repeated patterns (initialization family).
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

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
