// Plain loops for the correlation benchmarks (corr_loops_avx2.cpp).
#pragma once

namespace corr_loops {

// d[n] = sum over k of b[k] a[n - k], n < la + lb - 1.
void conv(const float* a, int la, const float* b, int lb, float* d);
// d[t] = sum over i of a[i] b[i + t], t < lags.
void crosscorr(const float* a, int la, const float* b, int lb, float* d, int lags);
void hann(const float* s, float* d, int n);
void kaiser(const float* s, float* d, int n, float alpha);

}  // namespace corr_loops
