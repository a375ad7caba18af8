// Kernel variants per instruction set.
//
// Hot kernels are written once against the vector layer (simd.h) and compiled
// once per variant; each compiled copy lives in its own namespace
// (vdx::sse41, vdx::avx2) and exports a table of kernel pointers.  The glue
// picks one table through pick_variant(), whose answer is decided at the
// first call, from ownGetFeature, and never changes afterwards.
#pragma once

namespace vdx {

enum class Isa { sse41, avx2 };

// The variant this process runs: AVX2+FMA when the core library reports it
// (feature 0x80), SSE4.1 otherwise.
Isa active_isa() noexcept;

template <class Table>
const Table& pick_variant(const Table& sse41, const Table& avx2) noexcept {
    return active_isa() == Isa::avx2 ? avx2 : sse41;
}

}  // namespace vdx
