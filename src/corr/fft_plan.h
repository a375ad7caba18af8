// What convolution and correlation take from the rest of the library: owned
// scratch memory, and power-of-two FFT specs (normalised on the inverse,
// hint none) with their work-buffer sizes, built and used through the
// transform family's implementations.  Specs are read-only once built, so
// one spec serves every block and thread of a call, each with its own work
// buffer.
//
// Building a spec costs three to five of its transforms (twiddle tables), so
// for correlation, specs whose transforms stay on the calling thread (complex data below
// 512 KiB: real orders up to 16 for 32f and 15 for 64f, complex orders up to
// 15 for 32fc and 14 for 64fc) are built once per process, at the first call
// that needs them, and shared by every later call and thread
// (spec_cache.cpp): under 1 MiB per spec type.  Larger ones are built and
// released by each call, so that they take the thread count of their call,
// and there the transforms dominate anyway.  Convolution builds and releases
// every spec it uses within the call, as it promises to hold nothing after
// returning.
#pragma once

#include <cstring>

#include "abi/api.h"

namespace vdx::corr {

// count elements of T from the library allocator (64-byte aligned), released
// at the end of the scope; null when the size does not fit or memory is short.
template <class T>
class Scratch {
public:
    explicit Scratch(long count) noexcept {
        const long bytes = count * static_cast<long>(sizeof(T));
        if (count > 0 && bytes <= 2147483647L) data_ = reinterpret_cast<T*>(y8_vdxsMalloc_8u(static_cast<int>(bytes)));
    }
    ~Scratch() { y8_vdxsFree(data_); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    T* get() const noexcept { return data_; }
    explicit operator bool() const noexcept { return data_ != nullptr; }

private:
    T* data_ = nullptr;
};

// The smallest order k >= lowest with 2^k >= n.
inline int order_for(long n, int lowest) noexcept {
    int k = lowest;
    while ((1L << k) < n) ++k;
    return k;
}

// One row per floating-point type: the real transform (Perm and Pack
// layouts, in place), the complex transform, and the spectrum products.
template <class T>
struct FftRow;

#define VDX_CORR_FFT_ROW(P, C, code, ccode)                                                               \
    template <>                                                                                           \
    struct FftRow<P> {                                                                                    \
        using RealSpec = VdxsFFTSpec_R_##code;                                                            \
        using ComplexSpec = VdxsFFTSpec_C_##ccode;                                                        \
        using Complex = C;                                                                                \
        static VdxStatus init(RealSpec** s, int order) noexcept {                                         \
            return y8_vdxsFFTInitAlloc_R_##code(s, order, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone);          \
        }                                                                                                 \
        static VdxStatus init(ComplexSpec** s, int order) noexcept {                                      \
            return y8_vdxsFFTInitAlloc_C_##ccode(s, order, VDX_FFT_DIV_INV_BY_N, vdxAlgHintNone);         \
        }                                                                                                 \
        static void release(RealSpec* s) noexcept { y8_vdxsFFTFree_R_##code(s); }                         \
        static void release(ComplexSpec* s) noexcept { y8_vdxsFFTFree_C_##ccode(s); }                     \
        static VdxStatus buf_size(const RealSpec* s, int* n) noexcept { return y8_vdxsFFTGetBufSize_R_##code(s, n); } \
        static VdxStatus buf_size(const ComplexSpec* s, int* n) noexcept {                                \
            return y8_vdxsFFTGetBufSize_C_##ccode(s, n);                                                  \
        }                                                                                                 \
        static VdxStatus to_perm(P* x, const RealSpec* s, Vdx8u* w) noexcept {                            \
            return y8_vdxsFFTFwd_RToPerm_##code##_I(x, s, w);                                             \
        }                                                                                                 \
        static VdxStatus from_perm(P* x, const RealSpec* s, Vdx8u* w) noexcept {                          \
            return y8_vdxsFFTInv_PermToR_##code##_I(x, s, w);                                             \
        }                                                                                                 \
        static VdxStatus to_pack(P* x, const RealSpec* s, Vdx8u* w) noexcept {                            \
            return y8_vdxsFFTFwd_RToPack_##code##_I(x, s, w);                                             \
        }                                                                                                 \
        static VdxStatus from_pack(P* x, const RealSpec* s, Vdx8u* w) noexcept {                          \
            return y8_vdxsFFTInv_PackToR_##code##_I(x, s, w);                                             \
        }                                                                                                 \
        static VdxStatus forward(C* x, const ComplexSpec* s, Vdx8u* w) noexcept {                         \
            return y8_vdxsFFTFwd_CToC_##ccode##_I(x, s, w);                                                \
        }                                                                                                 \
        static VdxStatus inverse(C* x, const ComplexSpec* s, Vdx8u* w) noexcept {                         \
            return y8_vdxsFFTInv_CToC_##ccode##_I(x, s, w);                                                \
        }                                                                                                 \
        /* d = s * d and d = s * conj(d), Perm and Pack layouts */                                         \
        static void mul_perm(const P* s, P* d, int n) noexcept { y8_vdxsMulPerm_##code##_I(s, d, n); }    \
        static void mul_pack_conj(const P* s, P* d, int n) noexcept { y8_vdxsMulPackConj_##code##_I(s, d, n); } \
    };
VDX_CORR_FFT_ROW(Vdx32f, Vdx32fc, 32f, 32fc)
VDX_CORR_FFT_ROW(Vdx64f, Vdx64fc, 64f, 64fc)
#undef VDX_CORR_FFT_ROW

constexpr int kSharedOrders = 16;  // slots per spec type

// The largest shared order of each spec type.
template <class Spec>
inline constexpr int kSharedUpTo = 0;
template <>
inline constexpr int kSharedUpTo<VdxsFFTSpec_R_32f> = 16;
template <>
inline constexpr int kSharedUpTo<VdxsFFTSpec_R_64f> = 15;
template <>
inline constexpr int kSharedUpTo<VdxsFFTSpec_C_32fc> = 15;
template <>
inline constexpr int kSharedUpTo<VdxsFFTSpec_C_64fc> = 14;

// The process's spec of an order up to kSharedUpTo<Spec>, built at the first
// request (null, with the build's status, when it cannot be built; a later
// request tries again).  Never released before the library is unloaded.
template <class Spec>
const Spec* shared_spec(int order, VdxStatus* status) noexcept;

enum class SpecSource { own, shared };

// A spec of one order (real or complex, by Spec) for the scope: its own, or
// when asked for and the order is at most kSharedUpTo<Spec> the shared one;
// and the work-buffer bytes each concurrent user of it needs.
template <class P, class Spec>
class FftPlan {
public:
    explicit FftPlan(int order, SpecSource source = SpecSource::own) noexcept : order_(order) {
        if (source == SpecSource::shared && order <= kSharedUpTo<Spec>) {
            spec_ = shared_spec<Spec>(order, &status_);
        } else {
            Spec* own = nullptr;
            status_ = FftRow<P>::init(&own, order);
            spec_ = own_ = own;
        }
        if (status_ == vdxStsNoErr) status_ = FftRow<P>::buf_size(spec_, &work_bytes_);
    }
    ~FftPlan() {
        if (own_ != nullptr) FftRow<P>::release(own_);
    }
    FftPlan(const FftPlan&) = delete;
    FftPlan& operator=(const FftPlan&) = delete;

    VdxStatus status() const noexcept { return status_; }
    const Spec* spec() const noexcept { return spec_; }
    long length() const noexcept { return 1L << order_; }
    // Work bytes, rounded up to whole elements of P so that a buffer of
    // P can carry the work area after its data.
    long work_elements() const noexcept { return (work_bytes_ + static_cast<long>(sizeof(P)) - 1) / static_cast<long>(sizeof(P)); }

private:
    const Spec* spec_ = nullptr;
    Spec* own_ = nullptr;
    int order_;
    int work_bytes_ = 0;
    VdxStatus status_;
};

template <class P>
using RealPlan = FftPlan<P, typename FftRow<P>::RealSpec>;
template <class P>
using ComplexPlan = FftPlan<P, typename FftRow<P>::ComplexSpec>;

// Copies n source elements to dst and zeroes dst up to total.
template <class T>
inline void copy_padded(const T* src, long n, T* dst, long total) noexcept {
    std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(T));
    std::memset(static_cast<void*>(dst + n), 0, static_cast<size_t>(total - n) * sizeof(T));
}

// Two inputs zero-padded to a transform length n and the transform's work
// area (work_elements of T), in one block.  When b is a itself, second is
// left unfilled: the caller transforms first only.
template <class T>
struct PaddedPair {
    Scratch<T> mem;
    T* first = nullptr;
    T* second = nullptr;
    Vdx8u* work = nullptr;

    PaddedPair(const T* a, long la, const T* b, long lb, long n, long work_elements) noexcept
        : mem(2 * n + work_elements) {
        if (!mem) return;
        first = mem.get();
        second = first + n;
        work = reinterpret_cast<Vdx8u*>(second + n);
        copy_padded(a, la, first, n);
        if (b != a) copy_padded(b, lb, second, n);
    }
    explicit operator bool() const noexcept { return static_cast<bool>(mem); }
};

}  // namespace vdx::corr
