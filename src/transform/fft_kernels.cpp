// Kernels of the complex FFT engine, written once against the vector layer
// and compiled once per variant (see fft_kernels.h for the contracts).
//
// Butterflies are decimation in time.  A radix-4 stage of length L combines
// four quarters a0..a3 of L/4 elements (a1 is the DFT of the odd half of the
// even half, a2 of the even half of the odd half, as bit reversal leaves
// them): with b = a1 w^2k, c = a2 w^k, d = a3 w^3k,
//   X[k] = a0 + b + (c + d),        X[k + L/2]  = a0 + b - (c + d),
//   X[k + L/4] = a0 - b - i(c - d), X[k + 3L/4] = a0 - b + i(c - d)
// (forward; the inverse conjugates every twiddle and swaps the signs of i).
#include "fft_kernels.h"

#include "fft_tables.h"
#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using fft::kSine1024d;
using fft::kSine1024f;

// ---- scalar complex values (small kernels and the gathering first stage)

template <class T>
struct Cx {
    T re, im;
};
template <class T>
inline Cx<T> operator+(Cx<T> a, Cx<T> b) { return {a.re + b.re, a.im + b.im}; }
template <class T>
inline Cx<T> operator-(Cx<T> a, Cx<T> b) { return {a.re - b.re, a.im - b.im}; }
// -i z forward, +i z inverse.
template <bool Inv, class T>
inline Cx<T> rot(Cx<T> z) { return Inv ? Cx<T>{-z.im, z.re} : Cx<T>{z.im, -z.re}; }
template <class T>
inline Cx<T> scale_by(Cx<T> z, T c) { return {z.re * c, z.im * c}; }
// z * w (forward) or z * conj(w) (inverse).
template <bool Inv, class T>
inline Cx<T> twiddle(Cx<T> z, Cx<T> w) {
    if (Inv) return {z.re * w.re + z.im * w.im, z.im * w.re - z.re * w.im};
    return {z.re * w.re - z.im * w.im, z.im * w.re + z.re * w.im};
}
template <class T>
inline T sqrt_half() { return static_cast<T>(0.70710678118654752440084436210484903928L); }

// ---- vectors of complex pairs

// Bytes per vector for T: the variant's width, but at most four pairs, the
// group the stages and their twiddle tables are laid out in (so 64-byte
// vectors serve doubles, and floats stay at 32 bytes).
template <class T>
inline constexpr int kW = kWidth / 2 / static_cast<int>(sizeof(T)) > 4 ? 8 * static_cast<int>(sizeof(T)) : kWidth;
template <class T>
using V = Vec<T, kW<T>>;
template <class T>
inline constexpr int kPairs = V<T>::lanes / 2;

template <bool Inv, class T, int W>
inline Vec<T, W> rot(Vec<T, W> z) {
    const Vec<T, W> sign = Inv ? set_pairs<W>(T(-0.0), T(0)) : set_pairs<W>(T(0), T(-0.0));
    return xor_bits(swap_re_im(z), sign);
}
template <class T, int W>
inline Vec<T, W> scale_by(Vec<T, W> z, T c) { return z * Vec<T, W>::set1(c); }
// z * w or z * conj(w), w as interleaved pairs.
template <bool Inv, class T, int W>
inline Vec<T, W> twiddle(Vec<T, W> z, Vec<T, W> w) {
    const Vec<T, W> cross = swap_re_im(z) * dup_im(w);
    return Inv ? mul_subadd(z, dup_re(w), cross) : mul_addsub(z, dup_re(w), cross);
}

// z * w or z * conj(w), w given as its real parts and imaginary parts, each
// repeated over the pair.
template <bool Inv, class T, int W>
inline Vec<T, W> twiddle_parts(Vec<T, W> z, Vec<T, W> wr, Vec<T, W> wi) {
    const Vec<T, W> cross = swap_re_im(z) * wi;
    return Inv ? mul_subadd(z, wr, cross) : mul_addsub(z, wr, cross);
}

// ---- DFTs of 4 and 8 points, natural order in and out, on either kind

template <bool Inv, class X>
inline void dft4(X& x0, X& x1, X& x2, X& x3) {
    const X s0 = x0 + x2, d0 = x0 - x2, s1 = x1 + x3, d1 = rot<Inv>(x1 - x3);
    x0 = s0 + s1;
    x2 = s0 - s1;
    x1 = d0 + d1;
    x3 = d0 - d1;
}

// z * w_8 (conjugated for the inverse): (z + rot(z)) / sqrt(2).
template <bool Inv, class T, class X>
inline X rot8(X z) { return scale_by(z + rot<Inv>(z), sqrt_half<T>()); }

template <bool Inv, class T, class X>
inline void dft8(X* x) {
    dft4<Inv>(x[0], x[2], x[4], x[6]);
    dft4<Inv>(x[1], x[3], x[5], x[7]);
    const X o0 = x[1], o1 = rot8<Inv, T>(x[3]), o2 = rot<Inv>(x[5]), o3 = rot<Inv>(rot8<Inv, T>(x[7]));
    const X e0 = x[0], e1 = x[2], e2 = x[4], e3 = x[6];
    x[0] = e0 + o0;
    x[4] = e0 - o0;
    x[1] = e1 + o1;
    x[5] = e1 - o1;
    x[2] = e2 + o2;
    x[6] = e2 - o2;
    x[3] = e3 + o3;
    x[7] = e3 - o3;
}

// ---- small lengths: straight-line code per length

// w_N^k for N <= 32 and any k, from the static table, folded at compile time.
template <class T>
constexpr Cx<T> small_twiddle(int N, int k) {
    k %= N;
    if (k >= N / 2) {
        const Cx<T> w = small_twiddle<T>(N, k - N / 2);
        return {-w.re, -w.im};
    }
    const int n = k * (1024 / N);  // below 512
    if constexpr (sizeof(T) == 4) {
        return n <= 256 ? Cx<T>{kSine1024f[256 - n], -kSine1024f[n]} : Cx<T>{-kSine1024f[n - 256], -kSine1024f[512 - n]};
    } else {
        return n <= 256 ? Cx<T>{kSine1024d[256 - n], -kSine1024d[n]} : Cx<T>{-kSine1024d[n - 256], -kSine1024d[512 - n]};
    }
}

template <class T, int N>
struct SmallTwiddles {
    Cx<T> w[N / 2];
    static constexpr SmallTwiddles make() {
        SmallTwiddles t{};
        for (int k = 0; k < N / 2; ++k) t.w[k] = small_twiddle<T>(N, k);
        return t;
    }
};
template <class T, int N>
inline constexpr SmallTwiddles<T, N> kSmallTwiddles = SmallTwiddles<T, N>::make();

// z * w (conjugated for the inverse) for a constant w, on either kind.
template <bool Inv, class T>
inline Cx<T> twiddle_by(Cx<T> z, Cx<T> w) { return twiddle<Inv>(z, w); }
template <bool Inv, class T, int W>
inline Vec<T, W> twiddle_by(Vec<T, W> z, Cx<T> w) {
    return twiddle_parts<Inv>(z, Vec<T, W>::set1(w.re), Vec<T, W>::set1(w.im));
}

// DFT of N points x[0..N) (each lane pair of a vector its own sequence),
// natural order in and out: radix 2 on top of the 4- and 8-point DFTs, the
// twiddles at k = 0 and N/4 done exactly.
template <bool Inv, class T, int N, class X>
[[gnu::always_inline]] inline void dft_across(X* x) {
    if constexpr (N == 2) {
        const X a = x[0];
        x[0] = a + x[1];
        x[1] = a - x[1];
    } else if constexpr (N == 4) {
        dft4<Inv>(x[0], x[1], x[2], x[3]);
    } else if constexpr (N == 8) {
        dft8<Inv, T>(x);
    } else if constexpr (N >= 16) {
        X e[N / 2], o[N / 2];
#pragma GCC unroll 32
        for (int n = 0; n < N / 2; ++n) {
            e[n] = x[2 * n];
            o[n] = x[2 * n + 1];
        }
        dft_across<Inv, T, N / 2>(e);
        dft_across<Inv, T, N / 2>(o);
#pragma GCC unroll 32
        for (int k = 0; k < N / 2; ++k) {
            X t = o[k];
            if (k == N / 4) t = rot<Inv>(t);
            else if (k != 0) t = twiddle_by<Inv>(t, kSmallTwiddles<T, N>.w[k]);
            x[k] = e[k] + t;
            x[k + N / 2] = e[k] - t;
        }
    }
}

// The twiddles between the two passes of a length-N kernel on vectors of G
// pairs: term (k1, n2) times w_N^(n2 k1); per k1, the G real parts each
// twice, then the G imaginary parts each twice.
template <class T, int N, int G>
struct LaneTwiddles {
    alignas(64) T w[N / G][4 * G];
    static constexpr LaneTwiddles make() {
        LaneTwiddles t{};
        for (int k1 = 0; k1 < N / G; ++k1)
            for (int n2 = 0; n2 < G; ++n2) {
                const Cx<T> w = small_twiddle<T>(N, n2 * k1);
                t.w[k1][2 * n2] = t.w[k1][2 * n2 + 1] = w.re;
                t.w[k1][2 * G + 2 * n2] = t.w[k1][2 * G + 2 * n2 + 1] = w.im;
            }
        return t;
    }
};
template <class T, int N, int G>
inline constexpr LaneTwiddles<T, N, G> kLaneTwiddles = LaneTwiddles<T, N, G>::make();

// Length N on vectors of G pairs (N >= G^2), as N = N1 G: vector u holds
// x[G u .. G u + G); the N1-point DFTs run across the vectors (one per lane
// pair n2), the products with w_N^(n2 k1) follow, and per block of G vectors
// a transpose brings n2 across vectors for the G-point DFTs, which leave
// X[k1 + N1 k2] for G consecutive k1 in one vector.  Every input is loaded
// before the first store, so src may be dst.
template <class T, int W, int N, bool Inv, bool Scale>
[[gnu::always_inline]] inline void small_vectors(const T* src, T* dst, T factor) noexcept {
    using Vt = Vec<T, W>;
    constexpr int G = Vt::lanes / 2, N1 = N / G;
    static_assert(N1 >= G, "a transpose block needs G vectors");
    Vt a[N1];
#pragma GCC unroll 64
    for (int u = 0; u < N1; ++u) a[u] = Vt::loadu(src + 2 * G * u);
    if constexpr (N1 > 1) dft_across<Inv, T, N1>(a);
    if constexpr (G > 1) {
        constexpr const LaneTwiddles<T, N, G>& tw = kLaneTwiddles<T, N, G>;
#pragma GCC unroll 64
        for (int k1 = 1; k1 < N1; ++k1)
            a[k1] = twiddle_parts<Inv>(a[k1], Vt::load(tw.w[k1]), Vt::load(tw.w[k1] + 2 * G));
#pragma GCC unroll 16
        for (int g = 0; g < N1; g += G) {
            transpose_pairs(a + g);
            dft_across<Inv, T, G>(a + g);
        }
    }
    const Vt sc = Vt::set1(factor);
#pragma GCC unroll 16
    for (int g = 0; g < N1; g += G) {
#pragma GCC unroll 4
        for (int k2 = 0; k2 < G; ++k2) {
            const Vt y = Scale ? a[g + k2] * sc : a[g + k2];
            y.storeu(dst + 2 * (N1 * k2 + g));
        }
    }
}

// Length N = R1 R2 in two passes over a local block, for when N/G vectors
// no longer fit the registers: x as R1 rows of R2, the R1-point DFTs down the
// columns (G columns per vector), the products with w_N^(c k1), a transpose
// per block of G rows into the block stored column-major, then the R2-point
// DFTs along the rows leave X[k1 + R1 k2].  The source is read completely in
// the first pass, so src may be dst.
template <class T, int R1, int R2, int G>
struct GridTwiddles {
    alignas(64) T w[R1][R2 / G][4 * G];  // [k1][column block]: G re twice, G im twice
    static constexpr GridTwiddles make() {
        GridTwiddles t{};
        for (int k1 = 0; k1 < R1; ++k1)
            for (int c = 0; c < R2; ++c) {
                const Cx<T> w = small_twiddle<T>(R1 * R2, c * k1);
                T* g = t.w[k1][c / G];
                g[2 * (c % G)] = g[2 * (c % G) + 1] = w.re;
                g[2 * G + 2 * (c % G)] = g[2 * G + 2 * (c % G) + 1] = w.im;
            }
        return t;
    }
};
template <class T, int R1, int R2, int G>
inline constexpr GridTwiddles<T, R1, R2, G> kGridTwiddles = GridTwiddles<T, R1, R2, G>::make();

template <class T, int W, int R1, int R2, bool Inv, bool Scale>
[[gnu::always_inline]] inline void small_grid(const T* src, T* dst, T factor) noexcept {
    using Vt = Vec<T, W>;
    constexpr int G = Vt::lanes / 2;
    static_assert(R1 % G == 0 && R2 % G == 0, "whole transpose blocks");
    constexpr const GridTwiddles<T, R1, R2, G>& tw = kGridTwiddles<T, R1, R2, G>;
    alignas(64) T block[2 * R1 * R2];
#pragma GCC unroll 8
    for (int cb = 0; cb < R2 / G; ++cb) {
        Vt a[R1];
#pragma GCC unroll 16
        for (int r = 0; r < R1; ++r) a[r] = Vt::loadu(src + 2 * (R2 * r + G * cb));
        dft_across<Inv, T, R1>(a);
#pragma GCC unroll 16
        for (int k1 = 1; k1 < R1; ++k1)
            a[k1] = twiddle_parts<Inv>(a[k1], Vt::load(tw.w[k1][cb]), Vt::load(tw.w[k1][cb] + 2 * G));
#pragma GCC unroll 16
        for (int kb = 0; kb < R1; kb += G) {
            transpose_pairs(a + kb);
#pragma GCC unroll 4
            for (int j = 0; j < G; ++j) a[kb + j].store(block + 2 * (R1 * (G * cb + j) + kb));
        }
    }
    const Vt sc = Vt::set1(factor);
#pragma GCC unroll 8
    for (int kb = 0; kb < R1; kb += G) {
        Vt b[R2];
#pragma GCC unroll 16
        for (int c = 0; c < R2; ++c) b[c] = Vt::load(block + 2 * (R1 * c + kb));
        dft_across<Inv, T, R2>(b);
#pragma GCC unroll 16
        for (int k2 = 0; k2 < R2; ++k2) (Scale ? b[k2] * sc : b[k2]).storeu(dst + 2 * (R1 * k2 + kb));
    }
}

// Flattened: every butterfly and transpose inlined, the data never leaves
// the registers between loads and stores.
template <class T, int N, bool Inv, bool Scale>
[[gnu::flatten]] void small_kernel(const T* src, T* dst, T factor) noexcept {
    constexpr int G = kPairs<T>, G16 = Vec<T, 16>::lanes / 2;
    // One pass while N/G vectors fit the sixteen registers, two passes
    // through a local block beyond (measured per variant).
    if constexpr (N == 32 && kW<T> == 16) {
        small_grid<T, kW<T>, 4, 8, Inv, Scale>(src, dst, factor);
    } else if constexpr (N >= G * G) {
        small_vectors<T, kW<T>, N, Inv, Scale>(src, dst, factor);
    } else if constexpr (N >= G16 * G16) {
        small_vectors<T, 16, N, Inv, Scale>(src, dst, factor);
    } else {
        Cx<T> x[N];
        for (int k = 0; k < N; ++k) x[k] = {src[2 * k], src[2 * k + 1]};
        if constexpr (N > 1) dft_across<Inv, T, N>(x);
        for (int k = 0; k < N; ++k) {
            const Cx<T> y = Scale ? scale_by(x[k], factor) : x[k];
            dst[2 * k] = y.re;
            dst[2 * k + 1] = y.im;
        }
    }
}

template <class T, bool Inv, bool Scale>
void small_dispatch(const T* src, T* dst, int m, T factor) noexcept {
    switch (m) {
    case 0: small_kernel<T, 1, Inv, Scale>(src, dst, factor); break;
    case 1: small_kernel<T, 2, Inv, Scale>(src, dst, factor); break;
    case 2: small_kernel<T, 4, Inv, Scale>(src, dst, factor); break;
    case 3: small_kernel<T, 8, Inv, Scale>(src, dst, factor); break;
    case 4: small_kernel<T, 16, Inv, Scale>(src, dst, factor); break;
    default: small_kernel<T, 32, Inv, Scale>(src, dst, factor); break;
    }
}

template <class T>
void small(const T* src, T* dst, int m, bool inv, bool scale, T factor) noexcept {
    if (inv) {
        if (scale) small_dispatch<T, true, true>(src, dst, m, factor);
        else small_dispatch<T, true, false>(src, dst, m, factor);
    } else {
        if (scale) small_dispatch<T, false, true>(src, dst, m, factor);
        else small_dispatch<T, false, false>(src, dst, m, factor);
    }
}

// ---- first stage

// Four (or two, one) consecutive i at once: the inputs of each u are
// consecutive pairs, the DFT runs across vectors, and a transpose gives each
// group its B contiguous outputs.
// Where the inputs come from: interleaved pairs, consecutive or strided, or
// separate real and imaginary arrays (any stride).
enum class From { pairs, strided, parts };

// Where the G rows from rev on start in the destination (in T), read once
// before any store: a vector store may alias the index table, so the
// compiler would otherwise read every index again after each one.
template <class T, int B>
[[gnu::always_inline]] inline void row_offsets(const std::int32_t* rev, long* at) {
#pragma GCC unroll 4
    for (int j = 0; j < kPairs<T>; ++j) at[j] = 2L * B * rev[j];
}

template <class T, int B, bool Inv, From Src>
[[gnu::always_inline]] inline void first_rows(const T* src, const T* im, long e0, long stride, long ustep,
                                              const long* at, int add, T* dst) noexcept {
    using Vt = V<T>;
    constexpr int G = kPairs<T>;
    Vt a[B];
#pragma GCC unroll 8
    for (int u = 0; u < B; ++u) {
        const long e = (e0 + u * ustep) * stride;
        if constexpr (Src == From::pairs) a[u] = Vt::loadu(src + 2 * e);
        else if constexpr (Src == From::strided) a[u] = load_pairs<kW<T>>(src + 2 * e, stride);
        else a[u] = load_parts<kW<T>>(src + e, im + e, stride);
    }
    if constexpr (B == 4) dft4<Inv>(a[0], a[1], a[2], a[3]);
    else dft8<Inv, T>(a);
#pragma GCC unroll 8
    for (int kb = 0; kb < B; kb += G) {
        transpose_pairs(a + kb);
#pragma GCC unroll 4
        for (int j = 0; j < G; ++j) a[kb + j].storeu(dst + at[j] + 2L * (add * B + kb));
    }
}

// Four (or two, one) consecutive rows at once: the inputs of each u are
// consecutive pairs, the DFT runs across vectors, and a transpose gives each
// group its B contiguous outputs.  Row i + half lands right after row i.
template <class T, int B, bool Inv, From Src>
void first_gather_impl(const T* src, const T* im, long stride, long ustep, const std::int32_t* rev, int count,
                       T* dst) noexcept {
    constexpr int G = kPairs<T>;
    const long half = ustep / 2;
    for (int i = 0; i < count; i += G) {
        long at[G];
        row_offsets<T, B>(rev + i, at);
        first_rows<T, B, Inv, Src>(src, im, i, stride, ustep, at, 0, dst);
        first_rows<T, B, Inv, Src>(src, im, i + half, stride, ustep, at, 1, dst);
    }
}

template <class T, From Src>
void first_gather_from(const T* src, const T* im, long stride, long ustep, const std::int32_t* rev, int count,
                       int logB, T* dst, bool inv) noexcept {
    if (logB == 2) {
        if (inv) first_gather_impl<T, 4, true, Src>(src, im, stride, ustep, rev, count, dst);
        else first_gather_impl<T, 4, false, Src>(src, im, stride, ustep, rev, count, dst);
    } else {
        if (inv) first_gather_impl<T, 8, true, Src>(src, im, stride, ustep, rev, count, dst);
        else first_gather_impl<T, 8, false, Src>(src, im, stride, ustep, rev, count, dst);
    }
}

template <class T>
void first_gather(const T* src, long stride, long ustep, const std::int32_t* rev, int count, int logB, T* dst,
                  bool inv) noexcept {
    if (stride == 1) first_gather_from<T, From::pairs>(src, nullptr, 1, ustep, rev, count, logB, dst, inv);
    else first_gather_from<T, From::strided>(src, nullptr, stride, ustep, rev, count, logB, dst, inv);
}

// Two neighbouring strided sequences (src and src + 1 pair) at once, into
// dst0 and dst1: each row's two pairs are read together.
template <class T, int B, bool Inv>
[[gnu::always_inline]] inline void first_rows2(const T* src, long e0, long stride, long ustep,
                                               const long* rows, int add, T* dst0, T* dst1) noexcept {
    using Vt = V<T>;
    constexpr int G = kPairs<T>;
    Vt a[B], b[B];
#pragma GCC unroll 8
    for (int u = 0; u < B; ++u) load_pair_columns<kW<T>>(src + 2 * (e0 + u * ustep) * stride, stride, a[u], b[u]);
    if constexpr (B == 4) {
        dft4<Inv>(a[0], a[1], a[2], a[3]);
        dft4<Inv>(b[0], b[1], b[2], b[3]);
    } else {
        dft8<Inv, T>(a);
        dft8<Inv, T>(b);
    }
#pragma GCC unroll 8
    for (int kb = 0; kb < B; kb += G) {
        transpose_pairs(a + kb);
        transpose_pairs(b + kb);
#pragma GCC unroll 4
        for (int j = 0; j < G; ++j) {
            const long at = rows[j] + 2L * (add * B + kb);
            a[kb + j].storeu(dst0 + at);
            b[kb + j].storeu(dst1 + at);
        }
    }
}

template <class T, int B, bool Inv>
void first_gather2_impl(const T* src, long stride, long ustep, const std::int32_t* rev, int count, T* dst0,
                        T* dst1) noexcept {
    constexpr int G = kPairs<T>;
    const long half = ustep / 2;
    for (int i = 0; i < count; i += G) {
        long at[G];
        row_offsets<T, B>(rev + i, at);
        first_rows2<T, B, Inv>(src, i, stride, ustep, at, 0, dst0, dst1);
        first_rows2<T, B, Inv>(src, i + half, stride, ustep, at, 1, dst0, dst1);
    }
}

template <class T>
void first_gather2(const T* src, long stride, long ustep, const std::int32_t* rev, int count, int logB, T* dst0,
                   T* dst1, bool inv) noexcept {
    if (logB == 2) {
        if (inv) first_gather2_impl<T, 4, true>(src, stride, ustep, rev, count, dst0, dst1);
        else first_gather2_impl<T, 4, false>(src, stride, ustep, rev, count, dst0, dst1);
    } else {
        if (inv) first_gather2_impl<T, 8, true>(src, stride, ustep, rev, count, dst0, dst1);
        else first_gather2_impl<T, 8, false>(src, stride, ustep, rev, count, dst0, dst1);
    }
}

template <class T>
void first_gather_split(const T* re, const T* im, long stride, long ustep, const std::int32_t* rev, int count,
                        int logB, T* dst, bool inv) noexcept {
    first_gather_from<T, From::parts>(re, im, stride, ustep, rev, count, logB, dst, inv);
}

template <class T, int B, bool Inv>
void first_inplace_impl(T* data, long count) noexcept {
    // Position t of a group holds input rev(t).
    constexpr int r4[4] = {0, 2, 1, 3};
    constexpr int r8[8] = {0, 4, 2, 6, 1, 5, 3, 7};
    for (long g = 0; g < count; ++g) {
        T* q = data + 2L * B * g;
        Cx<T> a[B];
        for (int t = 0; t < B; ++t) a[B == 4 ? r4[t] : r8[t]] = {q[2 * t], q[2 * t + 1]};
        if constexpr (B == 4) dft4<Inv>(a[0], a[1], a[2], a[3]);
        else dft8<Inv, T>(a);
        for (int k = 0; k < B; ++k) {
            q[2 * k] = a[k].re;
            q[2 * k + 1] = a[k].im;
        }
    }
}

template <class T>
void first_inplace(T* data, long count, int logB, bool inv) noexcept {
    if (logB == 2) {
        if (inv) first_inplace_impl<T, 4, true>(data, count);
        else first_inplace_impl<T, 4, false>(data, count);
    } else {
        if (inv) first_inplace_impl<T, 8, true>(data, count);
        else first_inplace_impl<T, 8, false>(data, count);
    }
}

// ---- radix-4 stages

template <bool Inv, class Vt>
[[gnu::always_inline]] inline void butterfly4(Vt& a0, Vt& a1, Vt& a2, Vt& a3) {
    const Vt e0 = a0 + a1, e1 = a0 - a1;
    const Vt s = a2 + a3, t = rot<Inv>(a2 - a3);
    a0 = e0 + s;
    a2 = e0 - s;
    a1 = e1 + t;
    a3 = e1 - t;
}

template <class T, bool Inv, bool Scale, bool SplitOut>
void radix4_impl(T* x, long n, long L, const T* tw, T factor, T* re, T* im) noexcept {
    using Vt = V<T>;
    constexpr int G = kPairs<T>;
    const long q = L / 4;
    const Vt sc = Vt::set1(factor);
    for (long b = 0; b < n; b += L) {
        T* p0 = x + 2 * b;
        T* p1 = p0 + 2 * q;
        T* p2 = p1 + 2 * q;
        T* p3 = p2 + 2 * q;
        const T* w = tw;
        for (long k = 0; k < q; k += 4, w += 48) {
#pragma GCC unroll 4
            for (int s = 0; s < 4; s += G) {
                const long o = 2 * (k + s);
                Vt a0 = Vt::loadu(p0 + o);
                Vt a1 = twiddle_parts<Inv>(Vt::loadu(p1 + o), Vt::load(w + 16 + 2 * s), Vt::load(w + 24 + 2 * s));
                Vt a2 = twiddle_parts<Inv>(Vt::loadu(p2 + o), Vt::load(w + 2 * s), Vt::load(w + 8 + 2 * s));
                Vt a3 = twiddle_parts<Inv>(Vt::loadu(p3 + o), Vt::load(w + 32 + 2 * s), Vt::load(w + 40 + 2 * s));
                butterfly4<Inv>(a0, a1, a2, a3);
                if (Scale) {
                    a0 = a0 * sc;
                    a1 = a1 * sc;
                    a2 = a2 * sc;
                    a3 = a3 * sc;
                }
                if constexpr (SplitOut) {
                    const long e = b + k + s;
                    store_parts(a0, re + e, im + e);
                    store_parts(a1, re + e + q, im + e + q);
                    store_parts(a2, re + e + 2 * q, im + e + 2 * q);
                    store_parts(a3, re + e + 3 * q, im + e + 3 * q);
                } else {
                    a0.storeu(p0 + o);
                    a1.storeu(p1 + o);
                    a2.storeu(p2 + o);
                    a3.storeu(p3 + o);
                }
            }
        }
    }
}

template <class T, bool SplitOut>
void radix4_to(T* x, long n, long L, const T* tw, bool inv, bool scale, T factor, T* re, T* im) noexcept {
    if (inv) {
        if (scale) radix4_impl<T, true, true, SplitOut>(x, n, L, tw, factor, re, im);
        else radix4_impl<T, true, false, SplitOut>(x, n, L, tw, factor, re, im);
    } else {
        if (scale) radix4_impl<T, false, true, SplitOut>(x, n, L, tw, factor, re, im);
        else radix4_impl<T, false, false, SplitOut>(x, n, L, tw, factor, re, im);
    }
}

// ---- radix-4 stages on blocks
//
// The same butterflies on blocks of B = lanes consecutive terms (real parts
// in one vector, imaginary parts in another): the products and the rotation
// by i need no shuffles, and every value is rounded as on pairs.

enum class Out { pairs, blocks, split };

template <class T>
struct Block {
    V<T> re, im;
};

template <bool InBlocks, class T>
inline Block<T> load_block(const T* p) {
    using Vt = V<T>;
    Block<T> z;
    if constexpr (InBlocks) {
        z.re = Vt::loadu(p);
        z.im = Vt::loadu(p + Vt::lanes);
    } else {
        to_block(Vt::loadu(p), Vt::loadu(p + Vt::lanes), z.re, z.im);
    }
    return z;
}

// Block z of terms e.. to x (pairs or blocks) or to re and im.
template <Out O, class T>
inline void store_block(Block<T> z, T* x, long e, T* re, T* im) {
    using Vt = V<T>;
    constexpr int B = Vt::lanes;
    if constexpr (O == Out::blocks) {
        z.re.storeu(x + 2 * e);
        z.im.storeu(x + 2 * e + B);
        return;
    }
    Vt a, b;
    from_block(z.re, z.im, a, b);
    if constexpr (O == Out::pairs) {
        a.storeu(x + 2 * e);
        b.storeu(x + 2 * e + B);
    } else {
        store_parts(a, re + e, im + e);
        store_parts(b, re + e + B / 2, im + e + B / 2);
    }
}

// z * w, or z * conj(w) for the inverse, w as B real parts then B imaginary
// parts: the roundings of twiddle_parts.
template <bool Inv, class T>
inline Block<T> twiddle_block(Block<T> z, const T* w) {
    using Vt = V<T>;
    const Vt wr = Vt::loadu(w), wi = Vt::loadu(w + Vt::lanes);
    if (Inv) return {mul_add(z.re, wr, z.im * wi), mul_sub(z.im, wr, z.re * wi)};
    return {mul_sub(z.re, wr, z.im * wi), mul_add(z.im, wr, z.re * wi)};
}

template <bool Inv, class T>
[[gnu::always_inline]] inline void butterfly4_block(Block<T>& a0, Block<T>& a1, Block<T>& a2, Block<T>& a3) {
    const V<T> e0r = a0.re + a1.re, e0i = a0.im + a1.im, e1r = a0.re - a1.re, e1i = a0.im - a1.im;
    const V<T> sr = a2.re + a3.re, si = a2.im + a3.im, dr = a2.re - a3.re, di = a2.im - a3.im;
    a0 = {e0r + sr, e0i + si};
    a2 = {e0r - sr, e0i - si};
    // e1 -+ i d forward, e1 +- i d inverse.
    if (Inv) {
        a1 = {e1r - di, e1i + dr};
        a3 = {e1r + di, e1i - dr};
    } else {
        a1 = {e1r + di, e1i - dr};
        a3 = {e1r - di, e1i + dr};
    }
}

template <class T, bool Inv, bool Scale, bool InBlocks, Out O>
void radix4_blocks_impl(T* x, T* to, long n, long L, const T* tw, T factor, T* re, T* im) noexcept {
    using Vt = V<T>;
    constexpr int B = Vt::lanes;
    const long q = L / 4;
    const Vt sc = Vt::set1(factor);
    auto scaled = [&](Block<T> z) { return Scale ? Block<T>{z.re * sc, z.im * sc} : z; };
    for (long b = 0; b < n; b += L) {
        T* p0 = x + 2 * b;
        T* p1 = p0 + 2 * q;
        T* p2 = p1 + 2 * q;
        T* p3 = p2 + 2 * q;
#pragma GCC unroll 2
        for (long k = 0; k < q; k += B) {
            const T* w = tw + 6 * k;
            const long o = 2 * k;
            Block<T> a0 = load_block<InBlocks>(p0 + o);
            Block<T> a1 = twiddle_block<Inv>(load_block<InBlocks>(p1 + o), w + 2 * B);
            Block<T> a2 = twiddle_block<Inv>(load_block<InBlocks>(p2 + o), w);
            Block<T> a3 = twiddle_block<Inv>(load_block<InBlocks>(p3 + o), w + 4 * B);
            butterfly4_block<Inv>(a0, a1, a2, a3);
            store_block<O>(scaled(a0), to, b + k, re, im);
            store_block<O>(scaled(a1), to, b + k + q, re, im);
            store_block<O>(scaled(a2), to, b + k + 2 * q, re, im);
            store_block<O>(scaled(a3), to, b + k + 3 * q, re, im);
        }
    }
}

// The stage reads x and writes `to` (x itself, in place, or another array
// of n elements; any alignment).
template <class T, bool InBlocks, Out O>
void radix4_blocks(T* x, T* to, long n, long L, const T* tw, bool inv, bool scale, T factor, T* re, T* im) noexcept {
    if (inv) {
        if (scale) radix4_blocks_impl<T, true, true, InBlocks, O>(x, to, n, L, tw, factor, re, im);
        else radix4_blocks_impl<T, true, false, InBlocks, O>(x, to, n, L, tw, factor, re, im);
    } else {
        if (scale) radix4_blocks_impl<T, false, true, InBlocks, O>(x, to, n, L, tw, factor, re, im);
        else radix4_blocks_impl<T, false, false, InBlocks, O>(x, to, n, L, tw, factor, re, im);
    }
}

template <class T>
void radix4(T* x, long n, long L, const T* tw, fft::Form form, bool inv, bool scale, T factor, T* out) noexcept {
    switch (form) {
    case fft::Form::pairs: radix4_to<T, false>(x, n, L, tw, inv, scale, factor, nullptr, nullptr); break;
    case fft::Form::to_blocks:
        radix4_blocks<T, false, Out::blocks>(x, x, n, L, tw, inv, scale, factor, nullptr, nullptr);
        break;
    case fft::Form::blocks:
        radix4_blocks<T, true, Out::blocks>(x, x, n, L, tw, inv, scale, factor, nullptr, nullptr);
        break;
    case fft::Form::from_blocks:
        radix4_blocks<T, true, Out::pairs>(x, out == nullptr ? x : out, n, L, tw, inv, scale, factor, nullptr, nullptr);
        break;
    }
}

template <class T>
void radix4_split(const T* x, long n, long L, const T* tw, bool from_blocks, bool inv, bool scale, T factor, T* re,
                  T* im) noexcept {
    T* data = const_cast<T*>(x);
    if (from_blocks) radix4_blocks<T, true, Out::split>(data, data, n, L, tw, inv, scale, factor, re, im);
    else radix4_to<T, true>(data, n, L, tw, inv, scale, factor, re, im);
}

// A group-of-4 twiddle table (per group of 4 k's, `group` T; the pair of j
// and k at j_stride j + 2 (k % 4), its imaginary part im_at T after its
// real part) rewritten to blocks of B k's (per j, B real parts then B
// imaginary parts: 2 J T per k, never more than the table's own share),
// C = max(B, 4) k's at a time: each chunk is read whole before its blocks
// are written, and they end no later than the chunk, so the rewrite runs
// in place.
template <int J, class T>
void twiddles_to_blocks(T* tw, long count, int group, int j_stride, int im_at) noexcept {
    using Vt = V<T>;
    constexpr int B = Vt::lanes, C = B > 4 ? B : 4;
    for (long k0 = 0; k0 < count; k0 += C) {
        T pairs[C / B][J][2 * B];
        for (int i = 0; i < C; ++i)
            for (int j = 0; j < J; ++j) {
                const long k = k0 + i;
                const T* g = tw + group * (k / 4) + j_stride * j + 2 * (k % 4);
                pairs[i / B][j][2 * (i % B)] = g[0];
                pairs[i / B][j][2 * (i % B) + 1] = g[im_at];
            }
        for (int c = 0; c < C / B; ++c)
            for (int j = 0; j < J; ++j) {
                Vt re, im;
                to_block(Vt::loadu(pairs[c][j]), Vt::loadu(pairs[c][j] + B), re, im);
                T* out = tw + 2 * J * (k0 + B * c) + 2 * B * j;
                re.storeu(out);
                im.storeu(out + B);
            }
    }
}

// A stage's table (w^k real parts twice, imaginary parts twice, per j = 1,
// 2, 3) to blocks.
template <class T>
void block_twiddles(T* tw, long q) noexcept {
    twiddles_to_blocks<3>(tw, q, 48, 16, 8);
}

// ---- two-level final radix-8 pass, on blocks
//
// The eight sub-transforms leave their output in blocks; the pass reads the
// same k of the eight, as blocks, with their twiddles in the block layout.

// The DFT of 8 blocks: dft8's roundings, the rotations by i folded into the
// adds.
template <bool Inv, class T>
[[gnu::always_inline]] inline void dft8_blocks(Block<T>* x) {
    using Vt = V<T>;
    // y + (-i z) and y - (-i z) forward (-i z = (zi, -zr)), y + i z and
    // y - i z inverse.
    auto plus_rot = [](Block<T> y, Block<T> z) -> Block<T> {
        return Inv ? Block<T>{y.re - z.im, y.im + z.re} : Block<T>{y.re + z.im, y.im - z.re};
    };
    auto minus_rot = [](Block<T> y, Block<T> z) -> Block<T> {
        return Inv ? Block<T>{y.re + z.im, y.im - z.re} : Block<T>{y.re - z.im, y.im + z.re};
    };
    auto add = [](Block<T> a, Block<T> b) -> Block<T> { return {a.re + b.re, a.im + b.im}; };
    auto sub = [](Block<T> a, Block<T> b) -> Block<T> { return {a.re - b.re, a.im - b.im}; };
    auto dft4 = [&](Block<T>& x0, Block<T>& x1, Block<T>& x2, Block<T>& x3) {
        const Block<T> s0 = add(x0, x2), d0 = sub(x0, x2), s1 = add(x1, x3), e = sub(x1, x3);
        x0 = add(s0, s1);
        x2 = sub(s0, s1);
        x1 = plus_rot(d0, e);
        x3 = minus_rot(d0, e);
    };
    dft4(x[0], x[2], x[4], x[6]);
    dft4(x[1], x[3], x[5], x[7]);
    // z w_8 (conjugated for the inverse) = (z + rot(z)) / sqrt(2).
    const Vt h = Vt::set1(sqrt_half<T>());
    auto rot8 = [&](Block<T> z) -> Block<T> {
        return Inv ? Block<T>{(z.re - z.im) * h, (z.im + z.re) * h} : Block<T>{(z.re + z.im) * h, (z.im - z.re) * h};
    };
    const Block<T> e0 = x[0], e1 = x[2], e2 = x[4], e3 = x[6];
    const Block<T> o0 = x[1], o1 = rot8(x[3]), o2 = x[5], o3 = rot8(x[7]);
    x[0] = add(e0, o0);
    x[4] = sub(e0, o0);
    x[1] = add(e1, o1);
    x[5] = sub(e1, o1);
    x[2] = plus_rot(e2, o2);
    x[6] = minus_rot(e2, o2);
    x[3] = plus_rot(e3, o3);
    x[7] = minus_rot(e3, o3);
}

template <class T, bool Inv, Out O>
void radix8_final_impl(const T* Y, T* X, long M, long k0, long k1, const T* tw, T* re, T* im) noexcept {
    constexpr int B = V<T>::lanes;
    for (long k = k0; k < k1; k += B) {
        const T* w = tw + 14 * k;
        Block<T> a[8];
        a[0] = load_block<true>(Y + 2 * k);
#pragma GCC unroll 8
        for (int j = 1; j < 8; ++j)
            a[j] = twiddle_block<Inv>(load_block<true>(Y + 2 * (j * M + k)), w + 2 * B * (j - 1));
        dft8_blocks<Inv>(a);
#pragma GCC unroll 8
        for (int j = 0; j < 8; ++j) store_block<O>(a[j], X, j * M + k, re, im);
    }
}

template <class T>
void radix8_final(const T* Y, T* X, long M, long k0, long k1, const T* tw, bool inv) noexcept {
    if (inv) radix8_final_impl<T, true, Out::pairs>(Y, X, M, k0, k1, tw, nullptr, nullptr);
    else radix8_final_impl<T, false, Out::pairs>(Y, X, M, k0, k1, tw, nullptr, nullptr);
}

template <class T>
void radix8_final_split(const T* Y, T* re, T* im, long M, long k0, long k1, const T* tw, bool inv) noexcept {
    if (inv) radix8_final_impl<T, true, Out::split>(Y, nullptr, M, k0, k1, tw, re, im);
    else radix8_final_impl<T, false, Out::split>(Y, nullptr, M, k0, k1, tw, re, im);
}

// The pass's table (per group of 4 k, the pairs w^(jk) for j = 1 .. 7) to
// blocks.
template <class T>
void final_twiddles(T* tw, long M) noexcept {
    twiddles_to_blocks<7>(tw, M, 56, 8, 1);
}

// ---- blocked regime: row twiddles and row stages

template <class T, bool Inv>
void twiddle_row_impl(const T* in, T* out, int width, const T* t2, T cre, T cim) noexcept {
    using Vt = V<T>;
    constexpr int G = kPairs<T>;
    const Vt c = set_pairs<kW<T>>(cre, cim);
    for (int d = 0; d < width; d += G) {
        const Vt w = twiddle<false>(Vt::load(t2 + 2 * d), c);
        twiddle<Inv>(Vt::loadu(in + 2 * d), w).store(out + 2 * d);
    }
}

template <class T>
void twiddle_row(const T* in, T* out, int width, const T* t2, T cre, T cim, bool inv) noexcept {
    if (inv) twiddle_row_impl<T, true>(in, out, width, t2, cre, cim);
    else twiddle_row_impl<T, false>(in, out, width, t2, cre, cim);
}

template <class T, bool Inv>
void radix4_rows_impl(T* data, int rows, int width, int L, const T* tw) noexcept {
    using Vt = V<T>;
    constexpr int G = kPairs<T>;
    const int q = L / 4;
    const long rw = 2L * width;
    for (int b = 0; b < rows; b += L) {
        for (int k = 0; k < q; ++k) {
            const T* w = tw + 6 * k;
            const Vt w1 = set_pairs<kW<T>>(w[0], w[1]), w2 = set_pairs<kW<T>>(w[2], w[3]),
                     w3 = set_pairs<kW<T>>(w[4], w[5]);
            T* p0 = data + (b + k) * rw;
            T* p1 = p0 + q * rw;
            T* p2 = p1 + q * rw;
            T* p3 = p2 + q * rw;
            for (int d = 0; d < 2 * width; d += 2 * G) {
                Vt a0 = Vt::load(p0 + d);
                Vt a1 = twiddle<Inv>(Vt::load(p1 + d), w2);
                Vt a2 = twiddle<Inv>(Vt::load(p2 + d), w1);
                Vt a3 = twiddle<Inv>(Vt::load(p3 + d), w3);
                butterfly4<Inv>(a0, a1, a2, a3);
                a0.store(p0 + d);
                a1.store(p1 + d);
                a2.store(p2 + d);
                a3.store(p3 + d);
            }
        }
    }
}

template <class T>
void radix4_rows(T* data, int rows, int width, int L, const T* tw, bool inv) noexcept {
    if (inv) radix4_rows_impl<T, true>(data, rows, width, L, tw);
    else radix4_rows_impl<T, false>(data, rows, width, L, tw);
}

template <class T>
constexpr fft::Kernels<T> make_kernels() {
    return {
        .block = V<T>::lanes,
        .block_twiddles = block_twiddles<T>,
        .final_twiddles = final_twiddles<T>,
        .small = small<T>,
        .first_gather = first_gather<T>,
        .first_inplace = first_inplace<T>,
        .radix4 = radix4<T>,
        .radix8_final = radix8_final<T>,
        .twiddle_row = twiddle_row<T>,
        .radix4_rows = radix4_rows<T>,
        .first_gather_split = first_gather_split<T>,
        .radix4_split = radix4_split<T>,
        .radix8_final_split = radix8_final_split<T>,
        .first_gather2 = first_gather2<T>,
    };
}

}  // namespace

extern const fft::Kernels<float> fft_kernels_32f = make_kernels<float>();
extern const fft::Kernels<double> fft_kernels_64f = make_kernels<double>();

}  // namespace VDX_ISA
}  // namespace vdx
