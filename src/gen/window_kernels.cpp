// Kaiser weights (window_kernels.h), compiled once per instruction-set
// variant (VDX_ISA: a name of variants.def).
#include "gen/window_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using V = Vec<double, kWidth>;

void kaiser_arguments(double alpha, double last, int begin, int count, double* x) noexcept {
    const V a = V::set1(alpha), end = V::set1(last), zero = V::zero();
    double n0[V::lanes];
    for (int l = 0; l < V::lanes; ++l) n0[l] = l;
    const V lane = V::loadu(n0);
    for (int i = 0; i < count; i += V::lanes) {
        const V n = V::set1(static_cast<double>(begin + i)) + lane;
        (a * sqrt(max(n * (end - n), zero))).storeu(x + i);
    }
}

// 1 / sqrt(x), x >= 1: the single-precision estimate (12 bits) and three
// Newton steps in double (24, 48, then all 53 bits; a few ulps of rounding).
inline V inverse_root(V x) {
    V y;
#if defined(__AVX2__)
    y.v = _mm256_cvtps_pd(_mm_rsqrt_ps(_mm256_cvtpd_ps(x.v)));
#else
    y.v = _mm_cvtps_pd(_mm_rsqrt_ps(_mm_cvtpd_ps(x.v)));
#endif
    const V half_x = x * V::set1(0.5), three_halves = V::set1(1.5);
    for (int step = 0; step < 3; ++step) y = y * (three_halves - half_x * y * y);
    return y;
}

// c[0] + z (c[1] + z (c[2] + ...)), Horner's steps fused where the
// variant has FMA.
template <int N>
inline V horner(V z, const double (&c)[N]) {
    V p = V::set1(c[N - 1]);
    for (int i = N - 2; i >= 0; --i) p = mul_add(z, p, V::set1(c[i]));
    return p;
}

constexpr double kSmallTerms[] = {1.0, 3.5156229, 3.0899424, 1.2067492, 0.2659732, 0.0360768, 0.0045813};
constexpr double kLargeTerms[] = {0.39894228, 0.01328592, 0.00225319, -0.00157565, 0.00916281,
                                  -0.02057706, 0.02635537, -0.01647633, 0.00392377};

// Both polynomials in every lane, the one for the lane's x chosen; the
// second is evaluated at max(x, 3.75), so it never divides by 0, with
// 1 / sqrt(x) from inverse_root and u = 3.75 / x as 3.75 (1 / sqrt(x))^2.
void kaiser_weights(const double* x, const double* e, double scale, int count, double* w) noexcept {
    const V limit = V::set1(3.75), k = V::set1(scale), inv_limit = V::set1(1.0 / 3.75);
    for (int i = 0; i < count; i += V::lanes) {
        const V xi = V::loadu(x + i);
        const V t = xi * inv_limit;
        const V small = horner(t * t, kSmallTerms);
        const V y = inverse_root(max(xi, limit));
        const V large = V::loadu(e + i) * y * horner(limit * y * y, kLargeTerms);
        (select(mask_lt(xi, limit), small, large) * k).storeu(w + i);
    }
}

}  // namespace

extern const WindowKernels window_kernels = {
    .kaiser_arguments = kaiser_arguments,
    .kaiser_weights = kaiser_weights,
};

}  // namespace VDX_ISA
}  // namespace vdx
