// Direct FIR kernels (fir_kernels.h), written once against the vector layer
// and compiled once per instruction-set variant (VDX_ISA).  Every kernel
// keeps its partial sums in registers for a block of outputs and reads each
// tap once per block: the broadcast kernels hold four vectors of outputs
// (32 floats in AVX2), the shifted kernel eight outputs, each a vector of
// partial products folded at the end.
#include "fir/fir_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

template <class P>
using V = Vec<P, kWidth>;

template <class P>
inline P lane_sum(V<P> a) {
    alignas(64) P t[V<P>::lanes];
    a.store(t);
    P s = t[0];
    for (int k = 1; k < V<P>::lanes; ++k) s += t[k];
    return s;
}

// The tap that multiplies s[i + j] for output i.
template <class P>
inline P tap_bcast(const P* tb, int L, int j) {
    return tb[4 * (L - 1 - j)];
}

template <int Q, class P>
inline void bcast_block(const P* tb, const P* s, P* dst, int L) {
    constexpr int N = V<P>::lanes;
    V<P> acc[Q];
    for (int q = 0; q < Q; ++q) acc[q] = V<P>::zero();
    for (int j = 0; j < L; ++j) {
        const V<P> h = V<P>::set1(tap_bcast(tb, L, j));
        for (int q = 0; q < Q; ++q) acc[q] = mul_add(h, V<P>::loadu(s + j + q * N), acc[q]);
    }
    for (int q = 0; q < Q; ++q) acc[q].storeu(dst + q * N);
}

template <class P>
void broadcast(const P* tb, const P* s, P* dst, int n, int L) noexcept {
    constexpr int N = V<P>::lanes;
    int i = 0;
    for (; i + 4 * N <= n; i += 4 * N) bcast_block<4>(tb, s + i, dst + i, L);
    for (; i + N <= n; i += N) bcast_block<1>(tb, s + i, dst + i, L);
    for (; i < n; ++i) {
        P acc = 0;
        for (int j = 0; j < L; ++j) acc += tap_bcast(tb, L, j) * s[i + j];
        dst[i] = acc;
    }
}

// Outputs i .. i + 4G - 1 from the four shifted rows: G groups of four,
// group g reading s[i + 4g ..].
template <int G, class P>
inline void shifted_block(const P* rows, const P* s, P* dst, int L) {
    constexpr int N = V<P>::lanes;
    const int S = fir_shifted_stride(L);
    const int J = L + 3;  // row c is non-zero on [c, c + L)
    V<P> acc[4 * G];
    for (int k = 0; k < 4 * G; ++k) acc[k] = V<P>::zero();
    int j = 0;
    for (; j + N <= J; j += N) {
        V<P> x[G];
        for (int g = 0; g < G; ++g) x[g] = V<P>::loadu(s + 4 * g + j);
        for (int c = 0; c < 4; ++c) {
            const V<P> r = V<P>::loadu(rows + c * S + j);
            for (int g = 0; g < G; ++g) acc[4 * g + c] = mul_add(r, x[g], acc[4 * g + c]);
        }
    }
    for (int g = 0; g < G; ++g) {
        for (int c = 0; c < 4; ++c) {
            P sum = lane_sum(acc[4 * g + c]);
            for (int t = j; t < J; ++t) sum += rows[c * S + t] * s[4 * g + t];
            dst[4 * g + c] = sum;
        }
    }
}

template <class P>
void shifted(const P* rows, const P* s, P* dst, int n, int L) noexcept {
    int i = 0;
    for (; i + 8 <= n; i += 8) shifted_block<2>(rows, s + i, dst + i, L);
    for (; i + 4 <= n; i += 4) shifted_block<1>(rows, s + i, dst + i, L);
    for (; i < n; ++i) {  // row 0 is hRev itself
        P acc = 0;
        for (int j = 0; j < L; ++j) acc += rows[j] * s[i + j];
        dst[i] = acc;
    }
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

template <class P>
constexpr FirKernelRow<P> row() {
    return {.broadcast = broadcast<P>,
            .shifted = shifted<P>,
            .complex_broadcast = complex_broadcast<P>,
            .product = product<P>};
}

}  // namespace

extern const FirKernels fir_kernels = {
    .f32 = row<Vdx32f>(),
    .f64 = row<Vdx64f>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
