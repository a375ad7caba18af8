// The Kaiser window's weights in vectors, one table per instruction-set
// variant (window_kernels.cpp).  Both kernels run over count rounded up to
// whole vectors of the variant (at most 8 doubles), so the arrays need room
// for that many.  The polynomials use fused multiply-adds where the variant
// has them, so variants may differ in the last bits of a weight.
#pragma once

#include "runtime/kernel_tables.h"

namespace vdx {

struct WindowKernels {
    // x[i] = alpha sqrt(n (last - n)), n = begin + i (n (last - n) taken as
    // 0 past last).
    void (*kaiser_arguments)(double alpha, double last, int begin, int count, double* x) noexcept;
    // w[i] = I0(x[i]) scale, I0 by the Abramowitz-Stegun polynomials, given
    // e[i] = exp(x[i]); w may be x.
    void (*kaiser_weights)(const double* x, const double* e, double scale, int count, double* w) noexcept;
};

VDX_KERNEL_TABLE(WindowKernels, window_kernels, "gen/window_kernels")

}  // namespace vdx
