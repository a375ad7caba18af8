// Integer and raw-byte vector types, 16 and 32 bytes.
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

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
