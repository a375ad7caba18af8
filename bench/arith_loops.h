// Plain loops for the arithmetic benchmarks: what a caller would write
// without the library.  One source (arith_loops.inc) is compiled twice, at
// the project's baseline flags (arith_loops_sse41.cpp) and with -mavx2
// (arith_loops_avx2.cpp), each copy in its own namespace.
#pragma once

#include "vdxs.h"

#define ARITH_LOOPS_DECLARE(ns)                                                 \
    namespace ns {                                                              \
    void add_32f(const float* a, const float* b, float* d, int n);             \
    void mul_32f(const float* a, const float* b, float* d, int n);             \
    void mul_32fc(const Vdx32fc* a, const Vdx32fc* b, Vdx32fc* d, int n);      \
    /* b / a, the bare operator (no zero-divisor rule) */                       \
    void div_32f(const float* a, const float* b, float* d, int n);             \
    /* a + b saturated (sf 0); (a + b) / 2 with ties to even (sf 1) */          \
    void add_16s_sat(const Vdx16s* a, const Vdx16s* b, Vdx16s* d, int n);      \
    void add_16s_half(const Vdx16s* a, const Vdx16s* b, Vdx16s* d, int n);     \
    /* the memory-traffic reference: two streams read, one written, no math */ \
    void pass_32f(const float* a, const float* b, float* d, int n);            \
    }

ARITH_LOOPS_DECLARE(arith_loops_sse41)
ARITH_LOOPS_DECLARE(arith_loops_avx2)
