// FFT objects of the real FFT families (R_32f, identifier 6, orders 0..29; R_64f,
// identifier 9, orders 0..28), for the families that build real transforms
// of their own (they call the y8_ functions, or these directly once an object
// is known to be valid).
//
// Block layout, from the caller's memory rounded up to 32 bytes:
//   [0, 136)    RealSpec header (below), zero-filled before any field is set
//   [160, ...)  the complex engine's tables for order-1 (plan.stages etc.)
//   then        the recombination coefficients: N/4 complex P(k), k = 1..N/4
//               (fft_real_kernels.h), or from order 21 (R_32f) / 19 (R_64f)
//               two levels: kRecombFine fine entries, then 2^(order-11)
//               coarse ones.
#pragma once

#include <cstdint>

#include "transform/fft_engine.h"
#include "transform/packed.h"
#include "vdxs.h"

namespace vdx::fft {

template <class T>
struct RealSpec {
    std::uint32_t id;
    std::int32_t order;
    std::uint32_t forward_scaled;  // 1: the forward transform multiplies by factor
    std::uint32_t inverse_scaled;  // 1: the inverse transform multiplies by factor
    T factor;                      // 1/N or 1/sqrt(N); not read for flag 8
    std::int32_t hint;
    std::uint32_t work_bytes;      // per transform call, 0 when none is needed
    std::uint16_t allocated;       // 1 in objects made by InitAlloc
    std::uint16_t seal;            // object.h: set by Init, checked with the identifier
    std::int32_t threads;          // the engine's two-level thread count
    const void* twiddles;          // the engine's first table (informational)
    const std::int32_t* bitrev;    // the engine's bit-reversal table (informational)
    const T* recomb;               // recombination coefficients
    Plan plan;                     // the complex transform of order-1 (order >= 5)
};
static_assert(sizeof(RealSpec<float>) == 136 && sizeof(RealSpec<double>) == 136, "the header is 136 bytes");

// Forward of a valid FFT object: N reals from src to the layout in dst (N reals,
// N+2 for CCS; src may be dst).  work: the object's work_bytes, 32-byte
// aligned (null when work_bytes is 0).
template <class T>
void real_forward(const RealSpec<T>& spec, const T* src, T* dst, packed::Layout layout, void* work) noexcept;
// Inverse of a valid object: the layout in src to N reals in dst (src may be
// dst, which then holds N+2 reals for CCS).
template <class T>
void real_inverse(const RealSpec<T>& spec, const T* src, T* dst, packed::Layout layout, void* work) noexcept;

// One filtering block of a valid object of order >= 6: src forward into dst
// (Perm), times the Perm spectrum `filter`, inverse: N reals in dst (work:
// the object's work_bytes, which also hold the products when large enough).
// real_forward, a Perm product and real_inverse in turn, with the product
// and both recombinations in one pass over the spectrum.
template <class T>
void real_filter(const RealSpec<T>& spec, const T* src, const T* filter, T* dst, void* work) noexcept;

}  // namespace vdx::fft
