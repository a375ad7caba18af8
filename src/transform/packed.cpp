// Packed-spectrum arithmetic: products of two real-signal spectra in Pack or
// Perm layout (MulPack, MulPerm, MulPackConj), and expansion of a Pack, Perm
// or CCS spectrum into the full conjugate-symmetric complex spectrum
// (ConjPack, ConjPerm, ConjCcs).
//
// Products: the real terms (slot 0 and, for even lengths, R[N/2]) are
// multiplied as reals, the complex pairs as complex numbers by the kernels
// of the variant this process runs (packed_kernels.h).  MulPackConj works on
// Pack data, a from pSrc and b from pSrcDst: a * conj(b).  The 16-bit forms
// take each part's exact value (ar br - ai bi fits no 32-bit integer when
// every factor is -32768, so it is formed in 64 bits), then scale it by
// 2^-scaleFactor, round half to even and saturate.
//
// Expansion: dst[0] = (R[0], 0); dst[k] = (R[k], I[k]) for 1 <= k < N/2
// (k <= N/2 for odd N); dst[N/2] = (R[N/2], 0) for even N; dst[N-k] =
// conj(dst[k]).  The work goes from the top of the array down: R[N/2] is read
// first, then each pair is read before its two results are written, and
// dst[0] last, so the in-place forms (packed reals at the start of the
// complex array) never overwrite a term they have yet to read.  Conjugating a
// 16-bit imaginary part saturates (-(-32768) gives 32767).
#include <cstdint>

#include "abi/api.h"
#include "runtime/checks.h"
#include "numeric/fixed.h"
#include "runtime/isa.h"
#include "transform/packed.h"
#include "transform/packed_kernels.h"
#include "numeric/types.h"

namespace {

using vdx::PackedKernels;
using vdx::packed::Layout;
using PackedVariant = vdx::Variant<PackedKernels, &vdx::packed_kernels_variants>;

// ---------------------------------------------------------------- products

enum class Product { plain, conj };

template <Product P, class T>
inline auto pair_kernel(const PackedKernels& k) noexcept {
    const auto& row = vdx::member_of_type<vdx::PackedPairKernels<T>, &PackedKernels::f32, &PackedKernels::f64>(k);
    return P == Product::conj ? row.mul_conj : row.mul;
}

template <Layout L, Product P, class T>
VdxStatus mul_float(const T* a, const T* b, T* d, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, a, b, d));
    const vdx::packed::Geometry g = vdx::packed::geometry(L, len);
    d[0] = a[0] * b[0];
    if (g.nyquist >= 0) d[g.nyquist] = a[g.nyquist] * b[g.nyquist];
    if (g.pairs > 0) {
        pair_kernel<P, T>(PackedVariant::table())(a + g.pairs_at, b + g.pairs_at, d + g.pairs_at, g.pairs);
    }
    return vdxStsNoErr;
}

template <Layout L>
VdxStatus mul_16s(const Vdx16s* a, const Vdx16s* b, Vdx16s* d, int len, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, a, b, d));
    const vdx::packed::Geometry g = vdx::packed::geometry(L, len);
    auto real = [&](int i) { d[i] = vdx::scale_round_sat<Vdx16s>(std::int64_t{a[i]} * b[i], sf); };
    real(0);
    if (g.nyquist >= 0) real(g.nyquist);
    for (int j = 0, i = g.pairs_at; j < g.pairs; ++j, i += 2) {
        const std::int64_t ar = a[i], ai = a[i + 1], br = b[i], bi = b[i + 1];
        d[i] = vdx::scale_round_sat<Vdx16s>(ar * br - ai * bi, sf);
        d[i + 1] = vdx::scale_round_sat<Vdx16s>(ar * bi + ai * br, sf);
    }
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- expansion

template <class T>
inline T negate(T x) noexcept {
    if constexpr (!vdx::is_floating<T>) {
        return vdx::saturate<T>(-std::int64_t{x});
    } else {
        return -x;
    }
}

// src: the packed terms (reals); dst: 2 n reals (n complex).  src may be dst.
template <Layout L, class T>
VdxStatus conj_expand(const T* src, T* dst, int n) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(n, src, dst));
    const int h = n / 2;
    const bool even = n % 2 == 0;
    if (even) {
        const T nyquist = src[vdx::packed::nyquist_slot(L, n)];
        dst[2 * h] = nyquist;
        dst[2 * h + 1] = T(0);
    }
    for (int k = even ? h - 1 : h; k >= 1; --k) {
        const int s = vdx::packed::re_slot(L, k, n);
        const T re = src[s], im = src[s + 1];
        dst[2 * (n - k)] = re;
        dst[2 * (n - k) + 1] = negate(im);
        dst[2 * k] = re;
        dst[2 * k + 1] = im;
    }
    const T dc = src[0];
    dst[0] = dc;
    dst[1] = T(0);
    return vdxStsNoErr;
}

// Checks happen in conj_expand; the casts below only reinterpret non-null
// pointers (a null stays null).
template <Layout L, class C>
VdxStatus conj_out(const void* src, C* dst, int n) noexcept {
    using T = vdx::PartOf<C>;
    return conj_expand<L, T>(static_cast<const T*>(src), reinterpret_cast<T*>(dst), n);
}

}  // namespace

// ---- rows

#define VDX_MUL_FLOAT_ROW(code, T)                                                                       \
    extern "C" VdxStatus y8_vdxsMulPack_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) noexcept { \
        return mul_float<Layout::pack, Product::plain>(pSrc1, pSrc2, pDst, len);                         \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxsMulPack_##code##_I(const T* pSrc, T* pSrcDst, int len) noexcept {        \
        return mul_float<Layout::pack, Product::plain>(pSrc, pSrcDst, pSrcDst, len);                     \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxsMulPerm_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) noexcept { \
        return mul_float<Layout::perm, Product::plain>(pSrc1, pSrc2, pDst, len);                         \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxsMulPerm_##code##_I(const T* pSrc, T* pSrcDst, int len) noexcept {        \
        return mul_float<Layout::perm, Product::plain>(pSrc, pSrcDst, pSrcDst, len);                     \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxsMulPackConj_##code##_I(const T* pSrc, T* pSrcDst, int len) noexcept {    \
        return mul_float<Layout::pack, Product::conj>(pSrc, pSrcDst, pSrcDst, len);                      \
    }

#define VDX_MUL_FIXED_ROW(Op, layout)                                                                    \
    extern "C" VdxStatus y8_vdxs##Op##_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, \
                                              int scaleFactor) noexcept {                                \
        return mul_16s<layout>(pSrc1, pSrc2, pDst, len, scaleFactor);                                    \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxs##Op##_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) noexcept { \
        return mul_16s<layout>(pSrc, pSrcDst, pSrcDst, len, scaleFactor);                                \
    }

#define VDX_CONJ_ROW(Op, layout, code, C, Src)                                                           \
    extern "C" VdxStatus y8_vdxs##Op##_##code(const Src* pSrc, C* pDst, int dstLen) noexcept {          \
        return conj_out<layout>(pSrc, pDst, dstLen);                                                     \
    }                                                                                                    \
    extern "C" VdxStatus y8_vdxs##Op##_##code##_I(C* pSrcDst, int dstLen) noexcept {                     \
        return conj_out<layout>(pSrcDst, pSrcDst, dstLen);                                               \
    }

VDX_MUL_FLOAT_ROW(32f, Vdx32f)
VDX_MUL_FLOAT_ROW(64f, Vdx64f)
VDX_MUL_FIXED_ROW(MulPack, Layout::pack)
VDX_MUL_FIXED_ROW(MulPerm, Layout::perm)

VDX_CONJ_ROW(ConjPack, Layout::pack, 16sc, Vdx16sc, Vdx16s)
VDX_CONJ_ROW(ConjPack, Layout::pack, 32fc, Vdx32fc, Vdx32f)
VDX_CONJ_ROW(ConjPack, Layout::pack, 64fc, Vdx64fc, Vdx64f)
VDX_CONJ_ROW(ConjPerm, Layout::perm, 16sc, Vdx16sc, Vdx16s)
VDX_CONJ_ROW(ConjPerm, Layout::perm, 32fc, Vdx32fc, Vdx32f)
VDX_CONJ_ROW(ConjPerm, Layout::perm, 64fc, Vdx64fc, Vdx64f)
VDX_CONJ_ROW(ConjCcs, Layout::ccs, 16sc, Vdx16sc, Vdx16sc)
VDX_CONJ_ROW(ConjCcs, Layout::ccs, 32fc, Vdx32fc, Vdx32fc)
VDX_CONJ_ROW(ConjCcs, Layout::ccs, 64fc, Vdx64fc, Vdx64fc)

#undef VDX_CONJ_ROW
#undef VDX_MUL_FIXED_ROW
#undef VDX_MUL_FLOAT_ROW
