// Baseline loops for the exponential and logarithm benchmark: the C
// library's expf, logf, exp and log over a vector, in one translation unit
// per instruction set (explog_loops.inc).  Those units are built with
// -fno-math-errno, which lets GCC vectorise the loops into calls of the
// C library's vector variants (libmvec: _ZGVbN4v_expf at SSE4.1,
// _ZGVdN8v_expf with -mavx2, and so on).
#pragma once

namespace explog_loops {

struct Loops {
    void (*expf_loop)(const float* x, float* y, int n);
    void (*logf_loop)(const float* x, float* y, int n);
    void (*exp_loop)(const double* x, double* y, int n);
    void (*log_loop)(const double* x, double* y, int n);
};

extern const Loops sse41;  // baseline flags
extern const Loops avx2;   // -mavx2

}  // namespace explog_loops
