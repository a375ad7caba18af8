// Direct FIR kernels (fir_kernels.h), written once against the vector layer
// and compiled once per instruction-set variant (VDX_ISA).  Every kernel
// keeps its partial sums in registers for a block of outputs and reads each
// tap once per block: the short-filter kernel holds four vectors of outputs
// (32 floats in AVX2), the long-filter kernel eight (64 floats), the
// complex kernel four pairs of vectors.
#include "fir/fir_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

template <class P>
using V = Vec<P, kWidth>;

// The tap that multiplies s[i + j] for output i: from the broadcast copy
// (forward order, four apart) or from row 0 of the shifted copies (hRev).
struct FromBroadcast {
    template <class P>
    static P tap(const P* t, int L, int j) {
        return t[4 * (L - 1 - j)];
    }
};
struct FromRows {
    template <class P>
    static P tap(const P* t, int, int j) {
        return t[j];
    }
};

// Q vectors of consecutive outputs, each tap broadcast once against them.
template <class Taps, int Q, class P>
inline void bcast_block(const P* taps, const P* s, P* dst, int L) {
    constexpr int N = V<P>::lanes;
    V<P> acc[Q];
    for (int q = 0; q < Q; ++q) acc[q] = V<P>::zero();
    for (int j = 0; j < L; ++j) {
        const V<P> h = V<P>::set1(Taps::tap(taps, L, j));
        for (int q = 0; q < Q; ++q) acc[q] = mul_add(h, V<P>::loadu(s + j + q * N), acc[q]);
    }
    for (int q = 0; q < Q; ++q) acc[q].storeu(dst + q * N);
}

template <class Taps, int Q, class P>
inline void bcast_outputs(const P* taps, const P* s, P* dst, int n, int L) {
    constexpr int N = V<P>::lanes;
    int i = 0;
    for (; i + Q * N <= n; i += Q * N) bcast_block<Taps, Q>(taps, s + i, dst + i, L);
    for (; i + N <= n; i += N) bcast_block<Taps, 1>(taps, s + i, dst + i, L);
    for (; i < n; ++i) {
        P acc = 0;
        for (int j = 0; j < L; ++j) acc += Taps::tap(taps, L, j) * s[i + j];
        dst[i] = acc;
    }
}

// Short filters: four vectors per pass.
template <class P>
void broadcast(const P* tb, const P* s, P* dst, int n, int L) noexcept {
    bcast_outputs<FromBroadcast, 4>(tb, s, dst, n, L);
}

// Long filters: eight vectors per pass (64 floats in AVX2), the taps read
// in order from the reversed copy, so that each tap load feeds eight
// products and the data loads stream through the window.
template <class P>
void shifted(const P* rows, const P* s, P* dst, int n, int L) noexcept {
    bcast_outputs<FromRows, 8>(rows, s, dst, n, L);
}

// Complex outputs as pairs: with a tap h = (hr, hi) and inputs x, the sums
// R = sum hr * x and I = sum hi * x per lane give y = (R.re - I.im, R.im +
// I.re), one add-subtract against I with its parts swapped.
template <int Q, class P>
inline void complex_block(const P* tb, const P* s, P* dst, int L) {
    constexpr int N = V<P>::lanes;
    V<P> re[Q], im[Q];
    for (int q = 0; q < Q; ++q) re[q] = im[q] = V<P>::zero();
    for (int j = 0; j < L; ++j) {
        const P* h = tb + 8 * (L - 1 - j);
        const V<P> hr = V<P>::set1(h[0]), hi = V<P>::set1(h[1]);
        for (int q = 0; q < Q; ++q) {
            const V<P> x = V<P>::loadu(s + 2 * j + q * N);
            re[q] = mul_add(hr, x, re[q]);
            im[q] = mul_add(hi, x, im[q]);
        }
    }
    const V<P> one = V<P>::set1(P(1));
    for (int q = 0; q < Q; ++q) mul_addsub(re[q], one, swap_re_im(im[q])).storeu(dst + q * N);
}

template <class P>
void complex_broadcast(const P* tb, const P* s, P* dst, int n, int L) noexcept {
    constexpr int K = V<P>::lanes / 2;  // complex numbers per vector
    int i = 0;
    for (; i + 4 * K <= n; i += 4 * K) complex_block<4>(tb, s + 2 * i, dst + 2 * i, L);
    for (; i + K <= n; i += K) complex_block<1>(tb, s + 2 * i, dst + 2 * i, L);
    for (; i < n; ++i) {
        P yr = 0, yi = 0;
        for (int j = 0; j < L; ++j) {
            const P* h = tb + 8 * (L - 1 - j);
            const P xr = s[2 * (i + j)], xi = s[2 * (i + j) + 1];
            yr += h[0] * xr - h[1] * xi;
            yi += h[0] * xi + h[1] * xr;
        }
        dst[2 * i] = yr;
        dst[2 * i + 1] = yi;
    }
}

// d = a * d: (ar dr - ai di, ar di + ai dr) = mul_addsub(d, dup_re(a),
// swap_re_im(d) * dup_im(a)).
template <class P>
void product(const P* a, P* d, int pairs) noexcept {
    constexpr int N = V<P>::lanes;
    const int n = 2 * pairs;
    int i = 0;
    for (; i + N <= n; i += N) {
        const V<P> x = V<P>::loadu(a + i), y = V<P>::loadu(d + i);
        mul_addsub(y, dup_re(x), swap_re_im(y) * dup_im(x)).storeu(d + i);
    }
    for (; i < n; i += 2) {
        const P re = a[i] * d[i] - a[i + 1] * d[i + 1];
        d[i + 1] = a[i] * d[i + 1] + a[i + 1] * d[i];
        d[i] = re;
    }
}

// Polyphase windows: out[k * os] = sum over j < n of h[j] x[k * xs + j] for
// k < m, over the parts of complex numbers when C (n, xs and os count
// complex numbers then).  Four windows share each tap load; the lanes are
// added up at the end, then the scalar tail taps.
template <bool C, class P>
inline void window_group(const P* h, int n, const P* x, long xs, P* out, long os, int Q) {
    constexpr int N = V<P>::lanes, K = C ? 2 : 1;
    V<P> re[4], im[4];
    for (int q = 0; q < 4; ++q) re[q] = im[q] = V<P>::zero();
    const int parts = n * K, body = parts / N * N;
    for (int j = 0; j < body; j += N) {
        const V<P> t = V<P>::loadu(h + j);
        const V<P> tr = C ? dup_re(t) : t, ti = C ? dup_im(t) : t;
        for (int q = 0; q < Q; ++q) {
            const V<P> v = V<P>::loadu(x + q * xs * K + j);
            re[q] = mul_add(tr, v, re[q]);
            if constexpr (C) im[q] = mul_add(ti, v, im[q]);
        }
    }
    for (int q = 0; q < Q; ++q) {
        alignas(64) P a[N], b[N];
        re[q].storeu(a);
        im[q].storeu(b);
        const P* v = x + q * xs * K;
        // The lanes added pairwise (complex: pair by pair), a short chain.
        for (int w = N / 2; w >= K; w /= 2)
            for (int l = 0; l < w; ++l) {
                a[l] += a[l + w];
                if constexpr (C) b[l] += b[l + w];
            }
        if constexpr (C) {
            // a: hr * (xr, xi), b: hi * (xr, xi)
            P yr = a[0] - b[1], yi = a[1] + b[0];
            for (int j = body; j < parts; j += 2) {
                yr += h[j] * v[j] - h[j + 1] * v[j + 1];
                yi += h[j] * v[j + 1] + h[j + 1] * v[j];
            }
            out[2 * q * os] = yr;
            out[2 * q * os + 1] = yi;
        } else {
            P y = a[0];
            for (int j = body; j < parts; ++j) y += h[j] * v[j];
            out[q * os] = y;
        }
    }
}

// Real windows one input apart (interpolation: every phase reads each
// input): Q vectors of consecutive outputs, each tap broadcast against them,
// stored with the output stride.  The last m mod N outputs take the lane
// sums of window_group.
template <int Q, class P>
inline void consecutive_block(const P* h, int n, const P* x, P* out, long os) {
    constexpr int N = V<P>::lanes;
    V<P> acc[Q];
    for (int q = 0; q < Q; ++q) acc[q] = V<P>::zero();
    for (int j = 0; j < n; ++j) {
        const V<P> t = V<P>::set1(h[j]);
        for (int q = 0; q < Q; ++q) acc[q] = mul_add(t, V<P>::loadu(x + j + q * N), acc[q]);
    }
    alignas(64) P a[Q * N];
    for (int q = 0; q < Q; ++q) acc[q].storeu(a + q * N);
    for (int l = 0; l < Q * N; ++l) out[l * os] = a[l];
}

template <bool C, class P>
void windows(const P* h, int n, const P* x, long xs, P* out, long os, int m) noexcept {
    constexpr int K = C ? 2 : 1;
    int k = 0;
    if constexpr (!C) {
        constexpr int N = V<P>::lanes;
        if (xs == 1) {
            for (; k + 4 * N <= m; k += 4 * N) consecutive_block<4>(h, n, x + k, out + k * os, os);
            for (; k + N <= m; k += N) consecutive_block<1>(h, n, x + k, out + k * os, os);
        }
    }
    for (; k + 4 <= m; k += 4) window_group<C>(h, n, x + k * xs * K, xs, out + k * os * K, os, 4);
    if (k < m) window_group<C>(h, n, x + k * xs * K, xs, out + k * os * K, os, m - k);
}

// Each tap against its own row, Q vectors of consecutive outputs stored
// os apart; the last m mod N outputs one at a time.
template <int Q, class P>
inline void gathered_block(const P* h, const P* const* src, int n, long first, long k, P* out, long os) {
    constexpr int N = V<P>::lanes;
    V<P> acc[Q];
    for (int q = 0; q < Q; ++q) acc[q] = V<P>::zero();
    for (int j = 0; j < n; ++j) {
        const V<P> t = V<P>::set1(h[j]);
        for (int q = 0; q < Q; ++q) acc[q] = mul_add(t, V<P>::loadu(src[j] + first + k + q * N), acc[q]);
    }
    if (os == 1) {
        for (int q = 0; q < Q; ++q) acc[q].storeu(out + k + q * N);
        return;
    }
    alignas(64) P a[Q * N];
    for (int q = 0; q < Q; ++q) acc[q].storeu(a + q * N);
    for (int l = 0; l < Q * N; ++l) out[(k + l) * os] = a[l];
}

template <class P>
void gathered(const P* h, const P* const* src, int n, long first, P* out, long os, int m) noexcept {
    constexpr int N = V<P>::lanes;
    long k = 0;
    for (; k + 4 * N <= m; k += 4 * N) gathered_block<4>(h, src, n, first, k, out, os);
    for (; k + N <= m; k += N) gathered_block<1>(h, src, n, first, k, out, os);
    for (; k < m; ++k) {
        P y = 0;
        for (int j = 0; j < n; ++j) y += h[j] * src[j][first + k];
        out[k * os] = y;
    }
}

template <class P>
constexpr FirKernelRow<P> row() {
    return {.broadcast = broadcast<P>,
            .shifted = shifted<P>,
            .complex_broadcast = complex_broadcast<P>,
            .product = product<P>,
            .windows = windows<false, P>,
            .complex_windows = windows<true, P>,
            .gathered = gathered<P>};
}

}  // namespace

extern const FirKernels fir_kernels = {
    .f32 = row<Vdx32f>(),
    .f64 = row<Vdx64f>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
