// The plain loops the correlation benchmarks compare with: what a caller
// would write without the library, compiled with -mavx2 (see
// bench/CMakeLists.txt).  The window loops evaluate the formula for every
// element, as the cosine and Bessel calls of the C library allow.
#include "corr_loops.h"

#include <cmath>

namespace corr_loops {

void conv(const float* a, int la, const float* b, int lb, float* d) {
    for (int n = 0; n < la + lb - 1; ++n) {
        float s = 0;
        const int lo = n - la + 1 > 0 ? n - la + 1 : 0, hi = n < lb - 1 ? n : lb - 1;
        for (int k = lo; k <= hi; ++k) s += b[k] * a[n - k];
        d[n] = s;
    }
}

void crosscorr(const float* a, int la, const float* b, int lb, float* d, int lags) {
    for (int t = 0; t < lags; ++t) {
        float s = 0;
        for (int i = 0; i < la && i + t < lb; ++i) s += a[i] * b[i + t];
        d[t] = s;
    }
}

void hann(const float* s, float* d, int n) {
    const double theta = 2 * M_PI / (n - 1);
    for (int i = 0; i < n; ++i) d[i] = s[i] * static_cast<float>(0.5 - 0.5 * std::cos(i * theta));
}

static double bessel_i0(double x) {
    if (x < 3.75) {
        const double t = x / 3.75, t2 = t * t;
        return 1.0 + t2 * (3.5156229 + t2 * (3.0899424 + t2 * (1.2067492 +
               t2 * (0.2659732 + t2 * (0.0360768 + t2 * 0.0045813)))));
    }
    const double u = 3.75 / x;
    return std::exp(x) / std::sqrt(x) * (0.39894228 + u * (0.01328592 + u * (0.00225319 + u * (-0.00157565 +
           u * (0.00916281 + u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377))))))));
}

void kaiser(const float* s, float* d, int n, float alpha) {
    const double a = std::fabs(alpha), peak = bessel_i0(a * (n - 1) / 2.0);
    for (int i = 0; i < n; ++i) d[i] = s[i] * static_cast<float>(bessel_i0(a * std::sqrt(double(i) * (n - 1 - i))) / peak);
}

}  // namespace corr_loops
