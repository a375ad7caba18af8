// Kernels of the packed-spectrum products: runs of interleaved complex pairs
// multiplied element by element.  One table per instruction-set variant
// (packed_kernels.cpp, compiled once per variant); the glue (packed.cpp)
// handles the real slots of each layout and calls these for the pairs.
//
// Each kernel takes pairs >= 0 complex numbers at a, b and d (any alignment);
// d may be b (in-place forms), any other overlap is not supported.  The
// arithmetic is fixed (each product rounded, then added; never fused), so
// both variants give the same bits:
//   mul:      d = a * b        = (ar br - ai bi, ar bi + ai br)
//   mul_conj: d = a * conj(b)  = (ar br + ai bi, ai br - ar bi)
#pragma once

#include "vdxs.h"
#include "kernel_tables.h"

namespace vdx {

struct PackedKernels {
    void (*mul_32f)(const Vdx32f* a, const Vdx32f* b, Vdx32f* d, int pairs) noexcept;
    void (*mul_64f)(const Vdx64f* a, const Vdx64f* b, Vdx64f* d, int pairs) noexcept;
    void (*mul_conj_32f)(const Vdx32f* a, const Vdx32f* b, Vdx32f* d, int pairs) noexcept;
    void (*mul_conj_64f)(const Vdx64f* a, const Vdx64f* b, Vdx64f* d, int pairs) noexcept;
};

VDX_KERNEL_TABLE(PackedKernels, packed_kernels, "transform/packed_kernels")

}  // namespace vdx
