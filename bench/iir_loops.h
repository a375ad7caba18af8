// Plain per-sample IIR loops, the baseline of iir_bench: compiled with
// -mavx2 at -O3 (iir_loops_avx2.cpp), so the compiler may vectorise what it
// can; the recursions leave it little.
#pragma once

namespace iir_loops_avx2 {

// A cascade of biquads in transposed direct form II: per section five
// normalised taps (b0 b1 b2 a1 a2) and two registers.
void biquads(const float* taps, float* dly, int sections, const float* x, float* y, int n);
void biquads(const double* taps, double* dly, int sections, const double* x, double* y, int n);

// The same with complex taps and data, as interleaved (re, im) pairs,
// products written out as (ar br - ai bi, ar bi + ai br).
void biquads_complex(const float* taps, float* dly, int sections, const float* x, float* y, int n);

// Order N in transposed direct form II: b(0..N), a(1..N), d(0..N) with d(N) = 0.
void ar(const float* b, const float* a, float* d, int order, const float* x, float* y, int n);
void ar(const double* b, const double* a, double* d, int order, const double* x, double* y, int n);

}  // namespace iir_loops_avx2
