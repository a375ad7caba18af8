// The 136-byte header every floating-point FFT object starts with, and the
// argument rules its size query and Init share.
//
// An object is the header at the caller's memory rounded up to 32 bytes, then
// (from byte 160, 32-byte aligned) the engine's tables.  Orders up to 5 need
// no tables: their object is the header plus the 32 bytes of placement slack
// (168 bytes).  Other sizes are rounded up to 32 and carry 32 bytes of slack.
#pragma once

#include <cstdint>

#include "fft_engine.h"
#include "vdxs.h"

namespace vdx {
namespace fft {

template <class T>
struct alignas(8) FactorSlot {
    T value;
};

template <class T>
struct SpecHeader {
    std::uint32_t id;          // set last by Init, cleared by Free
    std::int32_t order;
    std::uint32_t fwd_scale;   // 1: the forward transform multiplies by factor
    std::uint32_t inv_scale;   // 1: the inverse transform does
    FactorSlot<T> factor;      // 1/N or 1/sqrt(N) in the element precision
    std::int32_t hint;
    std::uint32_t work_bytes;  // 0 when the order needs none
    std::uint32_t allocated;   // 1 in objects made by InitAlloc
    std::int32_t threads;      // two-level thread count
    const void* twiddles;      // the table area, right after the header
    const std::int32_t* bitrev;
    const void* recomb;        // real families only
    Plan plan;                 // the complex engine's view of the tables
};
static_assert(sizeof(SpecHeader<float>) == 136 && sizeof(SpecHeader<double>) == 136, "object header is 136 bytes");

inline constexpr int kHeaderBytes = 136;
inline constexpr int kTablesOffset = 160;  // first 32-byte boundary after the header
inline constexpr int kMaxAnyOrder = 30;

constexpr bool valid_flag(int flag) noexcept { return flag == 1 || flag == 2 || flag == 4 || flag == 8; }

// Normalisation of an object of length 2^order by flag: which directions scale
// and by what.  1/N is 1/N in T; 1/sqrt(N) is one Newton-Raphson step from
// the reciprocal-square-root estimate in single precision, a correctly
// rounded division by sqrt(N) in double.
template <class T>
void set_normalisation(SpecHeader<T>* h, int order, int flag) noexcept;

// The size query's checks, in order: order in 0..30, the three pointers,
// the flag, the family's maximum order.
inline VdxStatus check_size_query(int order, int flag, int maxOrder, const int* a, const int* b,
                                  const int* c) noexcept {
    if (order < 0 || order > kMaxAnyOrder) return vdxStsFFTOrderErr;
    if (a == nullptr || b == nullptr || c == nullptr) return vdxStsNullPtrErr;
    if (!valid_flag(flag)) return vdxStsFFTFlagErr;
    if (order > maxOrder) return vdxStsFFTOrderErr;
    return vdxStsNoErr;
}

}  // namespace fft
}  // namespace vdx
