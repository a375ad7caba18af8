// The internal vector layer: one vector type per (lane type, width in bytes),
// over the SSE4.1 (16-byte), AVX2+FMA (32-byte) and AVX-512 (64-byte)
// intrinsics, in parts by kind of operation (simd/*.h).
//
// Include this only from kernel sources (files named *_kernels.cpp), which
// the build compiles once per variant with VDX_ISA set to the variant's
// namespace (variants.def).  Everything here lives in vdx::VDX_ISA, so the
// compiled copies never meet at link time; for the same reason a kernel
// source uses no inline code from std:: (a template instantiated with AVX2
// flags could otherwise be picked for the SSE4.1 copy).
//
// Kernels are written for Vec<T, kWidth> and state their contract (aligned or
// not, multiple of the lane count or not); tails go through the loop helpers
// (simd/loop.h) or scalar code in the same kernel source.
#pragma once

#include <immintrin.h>

// GCC 12's AVX-512 headers build their "undefined" registers from
// themselves (__m512d __Y = __Y), which -Wuninitialized reports at every
// inlined use; the kernels never read such a register.
#if defined(__AVX512F__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <cstdint>

#ifndef VDX_ISA
#error "simd.h belongs to kernel sources, compiled once per variant with VDX_ISA set"
#endif

namespace vdx {
namespace VDX_ISA {

// Bytes per vector in this variant.
#if defined(__AVX512F__)
inline constexpr int kWidth = 64;
#elif defined(__AVX2__)
inline constexpr int kWidth = 32;
#else
inline constexpr int kWidth = 16;
#endif

template <class T, int W = kWidth>
struct Vec;

// ---- floating-point vectors of every width: loads and stores, arithmetic,
// comparisons and selection, rounding, (re, im) pair shuffles
#include "simd/float.h"
// ---- the main loop over whole vectors and its tail
#include "simd/loop.h"

// ---- integer and raw-byte vector types
#include "simd/types.h"
// ---- byte reordering and patterns
#include "simd/bytes.h"
// ---- integer arithmetic
#include "simd/int.h"
// ---- conversions between lane types, bit views
#include "simd/convert.h"
// ---- (re, im) pairs: products, strided loads, transposes
#include "simd/complex.h"

// Fence after streaming stores, before the data is handed back.
inline void stream_fence() { _mm_sfence(); }

}  // namespace VDX_ISA
}  // namespace vdx
