// The power-of-two complex FFT engine, as other families use it.
//
// A family that owns FFT tables (the complex objects of fft.cpp, the real objects
// that run a complex transform of half length, the DFT, DCT, filters...)
// drives the engine in three steps, all in element type T = float or double:
//
//  1. Size:   const EngineSizes s = engine_sizes<T>(m);
//     s.tables  bytes of table memory a plan of complex order m needs
//               (a multiple of 32; 0 for m <= 5);
//     s.init    bytes of init buffer build_plan needs (the base sine table of
//               order m and its alignment slack; 0 for m <= 10);
//     s.work    bytes of work buffer one transform call needs (0 for m <= 5);
//     none of them carries object slack: a family adds its own.
//  2. Build:  build_plan<T>(&plan, m, tables, init);
//     tables    32-byte aligned, s.tables bytes (may be null when 0); written
//               once here, only read afterwards;
//     init      32-byte aligned, s.init bytes, or null when s.init is 0; free
//               to release as soon as build_plan returns.
//     Fills the plan: order, table pointers into `tables`, and the thread
//     count of the two-level regime (two_level_threads() when m is in that
//     regime, 1 otherwise).  A plan is a plain struct of fixed size
//     (kPlanBytes) that may live in the family's own object header; it holds
//     pointers into `tables` only, so the object must not move after the
//     build.  build_plan never computes a sine below order 11.
//  3. Run:    run_complex<T>(plan, src, dst, inverse, scale, factor, work);
//     src, dst  N = 2^m interleaved (re, im) elements, any alignment of T;
//               src == dst is the in-place transform, any other overlap is
//               not supported;
//     inverse   false: X[k] = sum x[n] e^(-2 pi i n k / N); true: the same
//               with e^(+2 pi i n k / N);
//     scale     multiply every output by factor (one rounding per part);
//     work      32-byte aligned, at least s.work bytes; may be null when
//               s.work is 0 or work_needed<T>(plan, src, dst) is false
//               (small orders, radix-4 out of place, two-level out of
//               place into a 16-byte aligned destination).
//     The plan and its tables are only read: any number of threads may run
//     one plan at once, each with its own work buffer.  Results do not
//     depend on the thread count, on the data alignment, or on in place vs
//     out of place.  No sine or cosine is computed.
//
// Base sine table (for tables a family builds on the same base, e.g. the
// recombination coefficients of the real transform):
//   base_sine<T>(order, s) writes the quarter-wave table
//   s[k] = sin(2 pi k / N), k = 0 .. N/4, N = 2^order (N/4 + 1 entries; for
//   order 0 and 1 the single entry s[0] = 0).  Up to order 10 it is read with
//   stride 2^(10 - order) from the static 1024-point table (static_sine<T>(),
//   257 entries sin(2 pi k / 1024), k = 0..256) and its last entry is exactly
//   1; from order 11 it is computed with step = 2 pi / N in double: sin(k
//   step) for k <= N/8 and cos((N/4 - k) step) above, rounded to T.
//   base_sine_bytes<T>(order) is the size of that table rounded up to 32.
//
// Regimes by complex order m (fixed; the real families use them at order-1):
//   float:  small 0..5, radix-4 6..12, two-level 13..17, blocked 18..
//   double: small 0..5, radix-4 6..11, two-level 12..16, blocked 17..
// kMaxOrder<T> is the largest complex order the engine builds (28 / 27).
#pragma once

#include <cstdint>

namespace vdx {
namespace fft {

template <class T>
inline constexpr int kMaxOrder = sizeof(T) == 4 ? 28 : 27;

// Last order of the small kernels, of the radix-4 regime, of the two-level
// regime; everything above is blocked.
inline constexpr int kSmallLast = 5;
template <class T>
inline constexpr int kRadix4Last = sizeof(T) == 4 ? 12 : 11;
template <class T>
inline constexpr int kTwoLevelLast = sizeof(T) == 4 ? 17 : 16;

struct EngineSizes {
    int tables;
    int init;
    int work;
};

// Internal layout; a family only stores it and passes it back.
struct Plan {
    std::int32_t order;
    std::int32_t threads;      // two-level thread count (1 outside that regime)
    const void* stages;        // per-stage radix-4 twiddles
    const std::int32_t* bitrev;  // bit-reversal index table
    const void* final_pass;    // two-level radix-8 twiddles
    const void* levels;        // blocked regime: per-level tables
    const void* reserved[4];
};
inline constexpr int kPlanBytes = 72;
static_assert(sizeof(Plan) == kPlanBytes, "plan size is part of the contract");

template <class T>
EngineSizes engine_sizes(int m) noexcept;

template <class T>
void build_plan(Plan* plan, int m, void* tables, void* init) noexcept;

template <class T>
void run_complex(const Plan& plan, const T* src, T* dst, bool inverse, bool scale, T factor,
                 void* work) noexcept;

template <class T>
bool work_needed(const Plan& plan, const T* src, const T* dst) noexcept;

// Separate real and imaginary arrays, at every order: the same transform
// reading sre/sim and writing dre/dim (either source may be the same array as
// its destination, in place; any other overlap is not supported), with a
// work buffer of s.work bytes (null allowed when s.work is 0).  Nothing else
// is allocated: the blocked orders interleave into the destination arrays
// and split the result there.  Results equal run_complex on the interleaved
// data.
template <class T>
void run_split(const Plan& plan, const T* sre, const T* sim, T* dre, T* dim, bool inverse, bool scale, T factor,
               void* work) noexcept;

template <class T>
void base_sine(int order, T* s) noexcept;
template <class T>
int base_sine_bytes(int order) noexcept;
template <class T>
const T* static_sine() noexcept;

// min(ownGetNumThreads(), 2), or 1 when the machine has more than 2
// processors: the count a plan of the two-level regime stores.
int two_level_threads() noexcept;

}  // namespace fft
}  // namespace vdx
