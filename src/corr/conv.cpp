// Linear convolution (Conv_32f, _64f, _16s_Sfs), the fixed cyclic
// convolutions and the biased convolution.
//
// Conv: A is the longer input (La), B the shorter (Lb), L = La + Lb - 1
// outputs.
//   direct      L < 512 or Lb < 64: the sliding dot product of A under B
//               reversed (slide_kernels.h);
//   one FFT     otherwise, when La < 3 Lb: both inputs zero-padded to the
//               order m >= 2 with 2^m >= L, real transforms to Perm, the
//               product, the inverse, the first L values;
//   blocks      otherwise: B is transformed once at 2^m points, m = 1 + the
//               smallest k with 2^k >= 2 Lb; then the output is cut into
//               blocks of S = 2^m - Lb + 1 values, and each block takes the
//               2^m input samples that end with its own (zeros outside A),
//               so the last S values of the circular product are exactly
//               its outputs (overlap-save).  Every block writes only its
//               own outputs and needs nothing from another: for La above
//               4096 the blocks are shared among threads, and any split
//               gives the same bits.
// The 16-bit form runs the float computation on the converted inputs and
// converts the result back, times 2^-scaleFactor, rounded half to even and
// saturated.
#include <cstdint>
#include <cstring>

#include "abi/api.h"
#include "corr/fft_plan.h"
#include "corr/slide_kernels.h"
#include "numeric/convert.h"
#include "numeric/fixed.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/parallel.h"

namespace {

using vdx::corr::copy_padded;
using vdx::corr::FftRow;
using vdx::corr::RealPlan;
using vdx::corr::Scratch;
using SlideVariant = vdx::Variant<vdx::SlideKernels, &vdx::slide_kernels_variants>;

constexpr long kDirectBelow = 512;      // L below this: direct
constexpr long kDirectShortBelow = 64;  // Lb below this: direct
constexpr long kParallelAbove = 4096;   // La above this: blocks on threads
constexpr vdx::ParallelPolicy kBlockPolicy{2, 64, 2};  // two FFT blocks per share

template <class T>
vdx::SlideKernel<T> slide_kernel() noexcept {
    return vdx::member_of_type<vdx::SlideKernel<T>, &vdx::SlideKernels::f32, &vdx::SlideKernels::f64>(
        SlideVariant::table());
}

// dst[n] = sum over k of a[n-k] b[k], n = 0 .. la+lb-2, lb < 512.
template <class T>
void convolve_direct(const T* a, int la, const T* b, int lb, T* dst) noexcept {
    T reversed[kDirectBelow];
    for (int j = 0; j < lb; ++j) reversed[j] = b[lb - 1 - j];
    const long total = static_cast<long>(la) + lb - 1;
    constexpr long kRun = 1L << 20;  // outputs per kernel call (counts are int)
    for (long n = 0; n < total; n += kRun) {
        const long count = total - n < kRun ? total - n : kRun;
        slide_kernel<T>()(a, la, reversed, lb, n - (lb - 1), static_cast<int>(count), dst + n);
    }
}

template <class T>
VdxStatus convolve_one_fft(const T* a, int la, const T* b, int lb, T* dst) noexcept {
    using F = FftRow<T>;
    const long total = static_cast<long>(la) + lb - 1;
    RealPlan<T> plan(vdx::corr::order_for(total, 2));
    if (plan.status() != vdxStsNoErr) return plan.status();
    const long n = plan.length();
    vdx::corr::PaddedPair<T> pair(a, la, b, lb, n, plan.work_elements());
    if (!pair) return vdxStsMemAllocErr;
    T* fa = pair.first;
    T* fb = pair.second;
    Vdx8u* work = pair.work;
    F::to_perm(fa, plan.spec(), work);
    F::to_perm(fb, plan.spec(), work);
    F::mul_perm(fb, fa, static_cast<int>(n));
    F::from_perm(fa, plan.spec(), work);
    std::memcpy(dst, fa, static_cast<size_t>(total) * sizeof(T));
    return vdxStsNoErr;
}

// The overlap-save blocks of one convolution: B's spectrum and the geometry.
template <class T>
struct BlockJob {
    const T* a;
    int la, lb;
    long total, step, blocks;
    const RealPlan<T>* plan;
    const T* spectrum;  // B at plan->length() points, Perm
    T* dst;

    // Block j's outputs dst[j S .. ], through buf (length() values followed
    // by the transform's work area).
    void run(long j, T* buf) const noexcept {
        using F = FftRow<T>;
        const long n = plan->length(), first = j * step - (lb - 1);
        auto* work = reinterpret_cast<Vdx8u*>(buf + n);
        // Samples first .. first + n - 1 of A, zeros outside it.
        const long lo = first < 0 ? (-first < n ? -first : n) : 0;
        const long end = la - first < n ? la - first : n;
        const long hi = end > lo ? end : lo;
        std::memset(static_cast<void*>(buf), 0, static_cast<size_t>(lo) * sizeof(T));
        std::memcpy(buf + lo, a + first + lo, static_cast<size_t>(hi - lo) * sizeof(T));
        std::memset(static_cast<void*>(buf + hi), 0, static_cast<size_t>(n - hi) * sizeof(T));
        F::to_perm(buf, plan->spec(), work);
        F::mul_perm(spectrum, buf, static_cast<int>(n));
        F::from_perm(buf, plan->spec(), work);
        const long begin = j * step, count = total - begin < step ? total - begin : step;
        std::memcpy(dst + begin, buf + (lb - 1), static_cast<size_t>(count) * sizeof(T));
    }
};

template <class T>
VdxStatus convolve_blocks(const T* a, int la, const T* b, int lb, T* dst) noexcept {
    using F = FftRow<T>;
    RealPlan<T> plan(1 + vdx::corr::order_for(2L * lb, 0));
    if (plan.status() != vdxStsNoErr) return plan.status();
    const long n = plan.length(), per_block = n + plan.work_elements();
    // B's spectrum, and one block buffer for the calling thread.
    Scratch<T> mem(n + per_block);
    if (!mem) return vdxStsMemAllocErr;
    T* spectrum = mem.get();
    T* own = spectrum + n;
    copy_padded(b, lb, spectrum, n);
    F::to_perm(spectrum, plan.spec(), reinterpret_cast<Vdx8u*>(own + n));

    BlockJob<T> job{a, la, lb, static_cast<long>(la) + lb - 1, n - lb + 1, 0, &plan, spectrum, dst};
    job.blocks = (job.total + job.step - 1) / job.step;
    if (la <= kParallelAbove || job.blocks > 2147483647L) {
        for (long j = 0; j < job.blocks; ++j) job.run(j, own);
        return vdxStsNoErr;
    }
    // Threads: each range of blocks gets its own buffer, allocated once for
    // the range.  for_blocks cuts one range per thread, or more only when
    // each still holds thousands of elements (here FFT blocks), and never
    // more than a few dozen: a handful of allocations per call.  A range
    // whose buffer cannot be had marks nothing done, and the calling thread
    // runs every block not marked done afterwards, so the result is the
    // same and nothing fails after dst has been written.
    Scratch<unsigned char> done(job.blocks);
    if (!done) return vdxStsMemAllocErr;
    unsigned char* marks = done.get();
    std::memset(marks, 0, static_cast<size_t>(job.blocks));
    const bool short_of_memory = vdx::for_blocks(static_cast<int>(job.blocks), kBlockPolicy, [&](int begin, int end) {
        Scratch<T> buf(per_block);
        if (!buf) return true;
        for (int j = begin; j < end; ++j) job.run(j, buf.get()), marks[j] = 1;
        return false;
    });
    if (short_of_memory) {
        for (long j = 0; j < job.blocks; ++j)
            if (!marks[j]) job.run(j, own);
    }
    return vdxStsNoErr;
}

// The method by the sizes (a the longer input).
template <class T>
VdxStatus convolve(const T* a, int la, const T* b, int lb, T* dst) noexcept {
    const long total = static_cast<long>(la) + lb - 1;
    if (total < kDirectBelow || lb < kDirectShortBelow) {
        convolve_direct(a, la, b, lb, dst);
        return vdxStsNoErr;
    }
    if (la < 3L * lb) return convolve_one_fft(a, la, b, lb, dst);
    return convolve_blocks(a, la, b, lb, dst);
}

template <class T>
VdxStatus conv_float(const T* src1, int len1, const T* src2, int len2, T* dst) noexcept {
    if (vdx::any_null(src1, src2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1) return vdxStsSizeErr;
    return len1 >= len2 ? convolve(src1, len1, src2, len2, dst) : convolve(src2, len2, src1, len1, dst);
}

VdxStatus conv_16s(const Vdx16s* src1, int len1, const Vdx16s* src2, int len2, Vdx16s* dst, int sf) noexcept {
    if (vdx::any_null(src1, src2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1) return vdxStsSizeErr;
    const long total = static_cast<long>(len1) + len2 - 1;
    Scratch<Vdx32f> mem(len1 + static_cast<long>(len2) + total);
    if (!mem) return vdxStsMemAllocErr;
    Vdx32f* f1 = mem.get();
    Vdx32f* f2 = f1 + len1;
    Vdx32f* out = f2 + len2;
    vdx::convert_16s32f(src1, f1, len1);
    vdx::convert_16s32f(src2, f2, len2);
    VDX_RETURN_IF_ERROR(conv_float(f1, len1, f2, len2, out));
    for (long n = 0; n < total; n += 1L << 30) {
        const long count = total - n < (1L << 30) ? total - n : (1L << 30);
        vdx::convert_32f16s_sfs(out + n, dst + n, static_cast<int>(count), sf);
    }
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- fixed sizes

// y[n] = sum over k of x[k] h[(n-k) mod N], k ascending; y may be x or h.
template <int N, class X, class H, class Y, class Acc>
void cyclic(const X* x, const H* h, Y* y, Acc&& accumulate) noexcept {
    Y out[N];
    for (int n = 0; n < N; ++n) {
        auto sum = accumulate.zero();
        for (int k = 0; k < N; ++k) sum = accumulate(sum, x[k], h[(n - k + N) % N]);
        out[n] = accumulate.result(sum);
    }
    for (int n = 0; n < N; ++n) y[n] = out[n];
}

struct FloatSum {
    float zero() const { return 0.0f; }
    float operator()(float s, float x, float h) const { return s + x * h; }
    float result(float s) const { return s; }
};
struct ComplexSum {
    Vdx32fc zero() const { return {0.0f, 0.0f}; }
    Vdx32fc operator()(Vdx32fc s, float x, Vdx32fc h) const { return {s.re + x * h.re, s.im + x * h.im}; }
    Vdx32fc result(Vdx32fc s) const { return s; }
};
struct ExactSum {
    int sf;
    std::int64_t zero() const { return 0; }
    std::int64_t operator()(std::int64_t s, Vdx16s x, Vdx16s h) const { return s + std::int64_t{x} * h; }
    Vdx16s result(std::int64_t s) const { return vdx::scale_round_sat<Vdx16s>(s, sf); }
};

// ---------------------------------------------------------------- biased

// dst[j] = sum over i of src1[i] src2[j + bias - len1 - i], j = 0 .. dstLen-1
// (with bias = len1, the plain sum over src2[j - i], which reads up to
// len1 - 1 elements before src2).  The indices read must lie in
// [-(len1 - 1), len2).
VdxStatus conv_biased(const Vdx32f* src1, int len1, const Vdx32f* src2, int len2, Vdx32f* dst, int dstLen,
                      int bias) noexcept {
    if (vdx::any_null(src1, src2, dst)) return vdxStsNullPtrErr;
    if (len1 < 1 || len2 < 1 || dstLen < 1) return vdxStsSizeErr;
    const long offset = static_cast<long>(bias) - len1;  // src2 index of term i = 0 for j = 0
    if (offset < 0 || dstLen + offset > len2) return vdxStsSizeErr;
    const Vdx32f* base = src2 + offset;
    if (len1 == 4 && len2 == 45 && dstLen == 41 && bias == 4) {
        // The speech codecs' size: four taps, unrolled, the same order.
        const Vdx32f c0 = src1[0], c1 = src1[1], c2 = src1[2], c3 = src1[3];
        for (int j = 0; j < 41; ++j) dst[j] = ((c0 * base[j] + c1 * base[j - 1]) + c2 * base[j - 2]) + c3 * base[j - 3];
        return vdxStsNoErr;
    }
    for (int j = 0; j < dstLen; ++j) {
        Vdx32f sum = 0.0f;
        for (int i = 0; i < len1; ++i) sum += src1[i] * base[j - i];
        dst[j] = sum;
    }
    return vdxStsNoErr;
}

}  // namespace

extern "C" VdxStatus y8_vdxsConv_32f(const Vdx32f* pSrc1, int src1Len, const Vdx32f* pSrc2, int src2Len,
                                   Vdx32f* pDst) noexcept {
    return conv_float(pSrc1, src1Len, pSrc2, src2Len, pDst);
}
extern "C" VdxStatus y8_vdxsConv_64f(const Vdx64f* pSrc1, int src1Len, const Vdx64f* pSrc2, int src2Len,
                                   Vdx64f* pDst) noexcept {
    return conv_float(pSrc1, src1Len, pSrc2, src2Len, pDst);
}
extern "C" VdxStatus y8_vdxsConv_16s_Sfs(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len,
                                       Vdx16s* pDst, int scaleFactor) noexcept {
    return conv_16s(pSrc1, src1Len, pSrc2, src2Len, pDst, scaleFactor);
}
extern "C" VdxStatus y8_vdxsConvBiased_32f(const Vdx32f* pSrc1, int src1Len, const Vdx32f* pSrc2, int src2Len,
                                         Vdx32f* pDst, int dstLen, int bias) noexcept {
    return conv_biased(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, bias);
}

// The fixed-size forms are building blocks for callers' inner loops: they
// check nothing (every pointer must address its 4 or 8 elements) and always
// return vdxStsNoErr.
extern "C" VdxStatus y8_vdxsConvCyclic8x8_32f(const Vdx32f* x, const Vdx32f* h, Vdx32f* y) noexcept {
    cyclic<8>(x, h, y, FloatSum{});
    return vdxStsNoErr;
}
extern "C" VdxStatus y8_vdxsConvCyclic8x8_16s_Sfs(const Vdx16s* x, const Vdx16s* h, Vdx16s* y,
                                                int scaleFactor) noexcept {
    cyclic<8>(x, h, y, ExactSum{scaleFactor});
    return vdxStsNoErr;
}
extern "C" VdxStatus y8_vdxsConvCyclic4x4_32f32fc(const Vdx32f* x, const Vdx32fc* h, Vdx32fc* y) noexcept {
    cyclic<4>(x, h, y, ComplexSum{});
    return vdxStsNoErr;
}
