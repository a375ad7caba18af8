// Plain FIR loops for the FIR benchmarks, compiled with -O3 -mavx2
// (fir_loops_avx2.cpp): y[i] = sum h[k] x[i + L - 1 - k] over a buffer that
// holds the L - 1 history samples in front of the n inputs.
#pragma once

#include <complex>

namespace fir_loops_avx2 {
void fir_32f(const float* x, const float* h, float* y, int n, int L);
void fir_64f(const double* x, const double* h, double* y, int n, int L);
// Polyphase multi-rate loops over the same kind of buffer: decimation keeps
// every D-th output (y[n] = sum h[k] x[n D + L - 1 - k], n < nOut);
// interpolation by U computes y[i U + p] = sum_j h[p + j U] x[i + H - 1 - j]
// for n inputs behind H = ceil(L / U) - 1 history samples.
void decim_32f(const float* x, const float* h, float* y, int nOut, int L, int D);
void interp_32f(const float* x, const float* h, float* y, int n, int L, int U);
// Rational U/D: y[m] = sum_j h[p + j U] x[H + m D / U - j], p = m D mod U,
// behind H = ceil((L - 1) / U) history samples.
void resample_32f(const float* x, const float* h, float* y, int nOut, int L, int U, int D);
void fir_32fc(const std::complex<float>* x, const std::complex<float>* h, std::complex<float>* y, int n, int L);
}  // namespace fir_loops_avx2
