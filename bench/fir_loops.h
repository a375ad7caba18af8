// Plain FIR loops for the FIR benchmarks, compiled with -O3 -mavx2
// (fir_loops_avx2.cpp): y[i] = sum h[k] x[i + L - 1 - k] over a buffer that
// holds the L - 1 history samples in front of the n inputs.
#pragma once

#include <complex>

namespace fir_loops_avx2 {
void fir_32f(const float* x, const float* h, float* y, int n, int L);
void fir_64f(const double* x, const double* h, double* y, int n, int L);
void fir_32fc(const std::complex<float>* x, const std::complex<float>* h, std::complex<float>* y, int n, int L);
}  // namespace fir_loops_avx2
