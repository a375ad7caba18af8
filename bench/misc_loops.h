// Plain loops the median and sparse-filter benchmarks compare with, built
// with -O3 -mavx2 (misc_loops_avx2.cpp): GCC turns the per-output network
// into packed minimum and maximum instructions on its own.
#pragma once

// y[i] = median of x[i-h .. i+h], i = h .. len-1-h, by the median-of-5 or
// median-of-9 exchange network per output.
void median5_network_avx2(const float* x, float* y, int len);
void median9_network_avx2(const float* x, float* y, int len);

// y[n] = sum over k < 8 of h[k] x[n - k], n = 0 .. len-1 (x holds 7 samples
// of history before x[0]).
void dense8_fir_avx2(const float* x, const float* h, float* y, int len);
