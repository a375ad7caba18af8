// Kernels of the sparse filters: the per-tap passes.  One table per
// instruction-set variant (sparse_kernels.cpp); the glue (sparse.cpp) picks
// one table once.
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

struct SparseKernels {
    // acc[j] = (((acc[j] + t[0] base[j + off[0]]) + t[1] base[j + off[1]]) + ...)
    // for j = 0 .. count-1 and the taps in list order; each product is
    // rounded to float before its addition, in every variant and in the
    // scalar tail alike.  acc must not overlap the elements read from base.
    void (*tap_sums)(const Vdx32f* base, Vdx32f* acc, int count, const Vdx32f* taps, const int* offsets,
                     int ntaps) noexcept;
};

VDX_KERNEL_TABLE(SparseKernels, sparse_kernels, "misc/sparse_kernels")

}  // namespace vdx
