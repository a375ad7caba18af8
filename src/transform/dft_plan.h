// Complex DFT plans of any length, in T = float or double: the method chosen
// by length, its tables, and the unscaled transform.  The DFT families
// (dft.cpp), the Hilbert transform and the DCT build their transforms on
// these.
//
// Method by length n (limits for float, double in brackets):
//   small   3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15: straight-line kernels, no
//           tables, no work;
//   fft     powers of two: the FFT engine (fft_engine.h);
//   mixed   below 2^27 [2^26], when factorise() accepts n: self-sorting
//           passes over the factors (some joined, dft_plan.cpp);
//   direct  other n up to 50 [90]: the sum over the n x n twiddle table;
//   chirp   other n below 2^26 [2^25]: x c times conj(c) by convolution
//           through a plan of length L (conv_length), c[k] = e^(-pi i k^2/n).
//
// Building is two calls of build() over an Arena: one that only measures
// (null base) and one that writes.  Tables go to the arena; what only the
// build needs (the engine's base sine table, the chirp's transform buffer)
// goes to a scratch block of the measured size.
#pragma once

#include <cstdint>

#include "transform/dft_kernels.h"
#include "runtime/object.h"
#include "transform/fft_engine.h"
#include "vdxs.h"

namespace vdx::dft {

enum class Method : std::int32_t { small = 1, fft = 2, mixed = 3, direct = 4, chirp = 5 };

inline constexpr int kMaxPasses = 32;

template <class T>
struct Limits {
    static constexpr int kFactor = sizeof(T) == 4 ? 50 : 90;           // largest trial divisor, direct length
    static constexpr long kMixed = sizeof(T) == 4 ? 1L << 27 : 1L << 26;  // mixed radix below this
    static constexpr long kChirp = sizeof(T) == 4 ? 1L << 26 : 1L << 25;  // chirp below this
};

// Bump allocation in 32-byte steps over one block; a null base only counts.
class Arena {
public:
    explicit Arena(Vdx8u* base) noexcept : base_(base) {}
    template <class X>
    X* take(long count) noexcept {
        const long at = used_;
        used_ += (count * static_cast<long>(sizeof(X)) + 31) / 32 * 32;
        return base_ != nullptr ? reinterpret_cast<X*>(base_ + at) : nullptr;
    }
    bool measuring() const noexcept { return base_ == nullptr; }
    long used() const noexcept { return used_; }

private:
    Vdx8u* base_;
    long used_ = 0;
};

template <class T>
struct ComplexPlan {
    Method method;
    std::int32_t n;
    long work_bytes;        // per call
    long scratch_bytes;     // what build() needs beside the arena
    fft::Plan fft;          // fft: the engine's plan of order log2 n
    std::int32_t passes;    // mixed: the passes in running order
    std::int32_t merged6;   // mixed: the first factors 2 and 3 became one 6
    DftPass<T> pass[kMaxPasses];
    const T* table;         // direct: n x n forward twiddles
    std::int32_t conv_len;  // chirp: L
    const T* chirp;         // chirp: n pairs c[k]
    const T* chirp_fft;     // chirp: L pairs, transform of the mirrored conj(c), times 1/L
    const ComplexPlan* inner;  // chirp: the plan of length L
};

// The factors of n by the trial-division rule, in running order; 0 when n
// is not accepted (then direct or chirp).
struct Factors {
    int count;
    int merged6;
    int f[kMaxPasses];
};
template <class T>
Factors factorise(int n) noexcept;

// The method for n > 0 (chirp forced: the DCT's convolution method); an
// unsupported length gives vdxStsSizeErr through build().
template <class T>
Method choose(int n, bool force_chirp) noexcept;

// L: the first of the 2,3,5-smooth table not below 2n - 1 when that is at
// most 8192, else the power of two not below it.
long conv_length(long n) noexcept;

// Builds plan p of length n into the arena; with a writing arena, scratch
// is p->scratch_bytes (from the measuring call) of 32-byte aligned memory,
// or null when that is 0.  Returns vdxStsSizeErr for lengths beyond the
// method's limit.
template <class T>
VdxStatus build(ComplexPlan<T>* p, int n, bool force_chirp, Arena& arena, Vdx8u* scratch) noexcept;

// Builds into one block from the library allocator (*block, released by
// the caller with y8_vdxsFree also on failure), with a temporary scratch.
template <class T>
VdxStatus build_allocated(ComplexPlan<T>* p, int n, bool force_chirp, Vdx8u** block) noexcept;

// The unscaled transform of n pairs, src to dst (src may be dst); work is
// p.work_bytes, 32-byte aligned.
template <class T>
void run(const ComplexPlan<T>& p, const T* src, T* dst, bool inverse, Vdx8u* work) noexcept;

// The normalisation factor of length n by flag, computed as the FFT's.
template <class T>
T normalisation(long n, int flag) noexcept;

// The DFT kernels of the variant this process runs.
template <class T>
const DftKernelRow<T>& kernels() noexcept;

// d[i] *= f over count elements.
template <class T>
void scale(T* d, long count, T f) noexcept;

// Sizes: powers of two and their exponents (rounded up).
constexpr bool is_pow2(long n) noexcept { return n > 0 && (n & (n - 1)) == 0; }
inline int log2_of(long n) noexcept {
    int m = 0;
    while ((1L << m) < n) ++m;
    return m;
}

}  // namespace vdx::dft
