// (re, im) pairs: packed-spectrum products, FFT loads, stores and transposes.
//
// One piece of the vector layer (simd/simd.h); lives in vdx::VDX_ISA.
#pragma once

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
// Two floats at any float alignment, as the low half of a vector: an integer
// 64-bit move, never a double access through a float pointer.
inline __m128i load_float_pair(const float* p) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)); }
inline void store_float_pair(float* p, __m128 v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_castps_si128(v)); }

template <>
inline Vec<float, 16> load_pairs<16>(const float* p, long stride) {
    return {_mm_castsi128_ps(_mm_unpacklo_epi64(load_float_pair(p), load_float_pair(p + 2 * stride)))};
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
        return {_mm_unpacklo_ps(_mm_castsi128_ps(load_float_pair(re)), _mm_castsi128_ps(load_float_pair(im)))};
    }
    return {_mm_setr_ps(re[0], im[0], re[stride], im[stride])};
}
template <>
inline Vec<double, 16> load_parts<16>(const double* re, const double* im, long) {
    return {_mm_unpacklo_pd(_mm_load_sd(re), _mm_load_sd(im))};
}
inline void store_parts(Vec<float, 16> v, float* re, float* im) {
    const __m128 d = _mm_shuffle_ps(v.v, v.v, _MM_SHUFFLE(3, 1, 2, 0));
    store_float_pair(re, d);
    store_float_pair(im, _mm_movehl_ps(d, d));
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

// Blocks of complex numbers (FFT stages): a block is 2n complex numbers as
// one vector of their real parts and one of their imaginary parts (n pairs
// per vector, n = W / 2 / sizeof(T)).  to_block(a, b, re, im) takes the
// pairs vectors a (terms 0..n-1) and b (terms n..2n-1) to a block,
// from_block(re, im, a, b) brings them back; the lane order inside a block is
// the one in-lane unpacks give (not always the terms' order), the same for
// real and imaginary parts, so lane-wise arithmetic on blocks is exact
// complex arithmetic on the terms.
inline void to_block(Vec<float, 16> a, Vec<float, 16> b, Vec<float, 16>& re, Vec<float, 16>& im) {
    re.v = _mm_shuffle_ps(a.v, b.v, _MM_SHUFFLE(2, 0, 2, 0));
    im.v = _mm_shuffle_ps(a.v, b.v, _MM_SHUFFLE(3, 1, 3, 1));
}
inline void from_block(Vec<float, 16> re, Vec<float, 16> im, Vec<float, 16>& a, Vec<float, 16>& b) {
    a.v = _mm_unpacklo_ps(re.v, im.v);
    b.v = _mm_unpackhi_ps(re.v, im.v);
}
inline void to_block(Vec<double, 16> a, Vec<double, 16> b, Vec<double, 16>& re, Vec<double, 16>& im) {
    re.v = _mm_unpacklo_pd(a.v, b.v);
    im.v = _mm_unpackhi_pd(a.v, b.v);
}
inline void from_block(Vec<double, 16> re, Vec<double, 16> im, Vec<double, 16>& a, Vec<double, 16>& b) {
    a.v = _mm_unpacklo_pd(re.v, im.v);
    b.v = _mm_unpackhi_pd(re.v, im.v);
}
#if defined(__AVX2__)
// Lanes hold terms 0 1 4 5 2 3 6 7 (float) and 0 2 1 3 (double).
inline void to_block(Vec<float, 32> a, Vec<float, 32> b, Vec<float, 32>& re, Vec<float, 32>& im) {
    re.v = _mm256_shuffle_ps(a.v, b.v, _MM_SHUFFLE(2, 0, 2, 0));
    im.v = _mm256_shuffle_ps(a.v, b.v, _MM_SHUFFLE(3, 1, 3, 1));
}
inline void from_block(Vec<float, 32> re, Vec<float, 32> im, Vec<float, 32>& a, Vec<float, 32>& b) {
    a.v = _mm256_unpacklo_ps(re.v, im.v);
    b.v = _mm256_unpackhi_ps(re.v, im.v);
}
inline void to_block(Vec<double, 32> a, Vec<double, 32> b, Vec<double, 32>& re, Vec<double, 32>& im) {
    re.v = _mm256_unpacklo_pd(a.v, b.v);
    im.v = _mm256_unpackhi_pd(a.v, b.v);
}
inline void from_block(Vec<double, 32> re, Vec<double, 32> im, Vec<double, 32>& a, Vec<double, 32>& b) {
    a.v = _mm256_unpacklo_pd(re.v, im.v);
    b.v = _mm256_unpackhi_pd(re.v, im.v);
}
#endif  // __AVX2__
#if defined(__AVX512F__)
// Lanes hold terms 0 4 1 5 2 6 3 7.
inline void to_block(Vec<double, 64> a, Vec<double, 64> b, Vec<double, 64>& re, Vec<double, 64>& im) {
    re.v = _mm512_unpacklo_pd(a.v, b.v);
    im.v = _mm512_unpackhi_pd(a.v, b.v);
}
inline void from_block(Vec<double, 64> re, Vec<double, 64> im, Vec<double, 64>& a, Vec<double, 64>& b) {
    a.v = _mm512_unpacklo_pd(re.v, im.v);
    b.v = _mm512_unpackhi_pd(re.v, im.v);
}
#endif  // __AVX512F__

// ---- end of complex products
