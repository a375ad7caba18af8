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
#include "runtime/kernel_tables.h"

namespace vdx {

template <class T>
struct PackedPairKernels {
    void (*mul)(const T* a, const T* b, T* d, int pairs) noexcept;
    void (*mul_conj)(const T* a, const T* b, T* d, int pairs) noexcept;
};

struct PackedKernels {
    PackedPairKernels<Vdx32f> f32;
    PackedPairKernels<Vdx64f> f64;
};

VDX_KERNEL_TABLE(PackedKernels, packed_kernels, "transform/packed_kernels")

}  // namespace vdx
