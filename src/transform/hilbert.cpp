// Hilbert transform: the analytic signal of a real input through two DFT
// objects of its length (both dividing the inverse by N).  The real
// forward DFT writes X[0 .. N/2] (CCS) into the destination; bins 1 ..
// (N-1)/2 are doubled, bins above N/2 zeroed, X[0] and (even N) X[N/2]
// kept; the complex inverse runs in place there.  N = 1 and 2 are copies
// with zero imaginary parts.
//
// The three families share one identifier, so any Hilbert object serves any
// of them.  A call takes its work memory from the library allocator (the
// transforms have no buffer argument), so objects stay read-only.
#include <cstring>
#include <type_traits>

#include "abi/api.h"
#include "numeric/convert.h"
#include "runtime/checks.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"
#include "transform/dft_plan.h"

namespace vdx::hilbert {
namespace {

struct Header {
    std::uint32_t id;
    std::int32_t length;
    std::int32_t family;       // which of the three made it (Family<Spec>::kTag)
    std::uint32_t work_bytes;  // the larger of the DFT objects' buffers, with their slack
    std::int32_t hint;
    std::uint16_t allocated;
    std::uint16_t seal;
    VdxsDFTSpec_C_32fc* complex;
    VdxsDFTSpec_R_32f* real;
};

// The three families share the identifier; each object also carries its
// family's tag, checked with it, so an object of one family is refused by
// the others.
template <class Spec>
struct Family {
    using Object = Spec;
    using Header = hilbert::Header;
    static constexpr std::uint32_t kId = ids::hilbert_32f32fc;
    static constexpr int kTag = std::is_same_v<Spec, VdxsHilbertSpec_32f32fc>   ? 1
                                : std::is_same_v<Spec, VdxsHilbertSpec_16s32fc> ? 2
                                                                                 : 3;
    static void release_parts(Header* h) noexcept {
        if (h->complex != nullptr) y8_vdxsDFTFree_C_32fc(h->complex);
        if (h->real != nullptr) y8_vdxsDFTFree_R_32f(h->real);
        h->complex = nullptr;
        h->real = nullptr;
    }
    static bool consistent(const Header& h) noexcept {
        return h.family == kTag && h.length >= 1 && h.allocated == 1 && h.complex != nullptr && h.real != nullptr;
    }
};


VdxStatus build(Header* h, int n, int hint) noexcept {
    h->length = n;
    h->hint = hint;
    const auto alg = static_cast<VdxHintAlgorithm>(hint);
    VDX_RETURN_IF_ERROR(y8_vdxsDFTInitAlloc_C_32fc(&h->complex, n, VDX_FFT_DIV_INV_BY_N, alg));
    VDX_RETURN_IF_ERROR(y8_vdxsDFTInitAlloc_R_32f(&h->real, n, VDX_FFT_DIV_INV_BY_N, alg));
    int c = 0, r = 0;
    y8_vdxsDFTGetBufSize_C_32fc(h->complex, &c);
    y8_vdxsDFTGetBufSize_R_32f(h->real, &r);
    h->work_bytes = static_cast<std::uint32_t>(c > r ? c : r);
    return vdxStsNoErr;
}

template <class Spec>
VdxStatus init_alloc(Spec** pp, int n, VdxHintAlgorithm hint) noexcept {
    if (pp == nullptr) return vdxStsNullPtrErr;
    if (n < 1) return vdxStsSizeErr;
    auto* h = reinterpret_cast<Header*>(y8_vdxsMalloc_8u(static_cast<int>(sizeof(Header))));
    if (h == nullptr) return vdxStsMemAllocErr;
    std::memset(static_cast<void*>(h), 0, sizeof(Header));
    const VdxStatus status = build(h, n, static_cast<int>(hint));
    if (status != vdxStsNoErr) {
        Family<Spec>::release_parts(h);
        y8_vdxsFree(reinterpret_cast<Vdx8u*>(h));
        return status;
    }
    h->family = Family<Spec>::kTag;
    h->allocated = 1;
    h->seal = seal_of(h, Family<Spec>::kId);
    set_identifier(h, Family<Spec>::kId);
    *pp = reinterpret_cast<Spec*>(h);
    return vdxStsNoErr;
}

// The analytic signal of x (n floats) into y (n complex); work holds the
// DFT objects' buffer.
void analytic(const Header& h, const Vdx32f* x, Vdx32fc* y, Vdx8u* work) noexcept {
    const int n = h.length;
    if (n <= 2) {
        for (int i = 0; i < n; ++i) y[i] = {x[i], 0.0f};
        return;
    }
    y8_vdxsDFTFwd_RToCCS_32f(x, reinterpret_cast<Vdx32f*>(y), h.real, work);
    const int doubled = n / 2 + (n % 2) - 1;
    for (int k = 1; k <= doubled; ++k) y[k] = {y[k].re + y[k].re, y[k].im + y[k].im};
    std::memset(static_cast<void*>(y + n / 2 + 1), 0, sizeof(Vdx32fc) * static_cast<size_t>(n - n / 2 - 1));
    y8_vdxsDFTInv_CToC_32fc(y, y, h.complex, work);
}

// Pointers (the object first), then the identifier; then the call's memory:
// the DFT buffer followed by `extra` bytes.
template <class Spec, class S, class D>
VdxStatus transform(const Spec* spec, const S* src, D* dst, int sf) noexcept {
    if (any_null(spec, src, dst)) return vdxStsNullPtrErr;
    const Header* h = checked_header<Family<Spec>>(spec);
    if (h == nullptr) return vdxStsContextMatchErr;
    const long n = h->length;
    constexpr bool kInput16 = sizeof(S) == 2, kOutput16 = sizeof(D) == 4;
    const long dft_bytes = round32(h->work_bytes);
    const long input_bytes = kInput16 ? round32(4 * n) : 0;
    const long output_bytes = kOutput16 ? round32(8 * n) : 0;
    const long total = dft_bytes + input_bytes + output_bytes;
    if (total > 2147483647L - 64) return vdxStsMemAllocErr;
    WorkBuffer work(nullptr, static_cast<int>(total));
    if (total > 0 && !work) return vdxStsMemAllocErr;
    const Vdx32f* x;
    if constexpr (kInput16) {
        auto* converted = reinterpret_cast<Vdx32f*>(work.data() + dft_bytes);
        convert_16s32f(src, converted, static_cast<int>(n));
        x = converted;
    } else {
        x = src;
    }
    if constexpr (kOutput16) {
        auto* y = reinterpret_cast<Vdx32fc*>(work.data() + dft_bytes + input_bytes);
        analytic(*h, x, y, work.data());
        convert_32f16s_sfs(reinterpret_cast<const Vdx32f*>(y), reinterpret_cast<Vdx16s*>(dst), static_cast<int>(2 * n),
                           sf);
    } else {
        analytic(*h, x, dst, work.data());
    }
    return vdxStsNoErr;
}

}  // namespace
}  // namespace vdx::hilbert

namespace hil = vdx::hilbert;

#define VDX_HILBERT_OBJECT(S)                                                                                  \
    extern "C" VdxStatus y8_vdxsHilbertInitAlloc_##S(VdxsHilbertSpec_##S** ppSpec, int length,                 \
                                                     VdxHintAlgorithm hint) noexcept {                         \
        return hil::init_alloc(ppSpec, length, hint);                                                          \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsHilbertFree_##S(VdxsHilbertSpec_##S* pSpec) noexcept {                         \
        return vdx::object_free<hil::Family<VdxsHilbertSpec_##S>>(pSpec);               \
    }
VDX_HILBERT_OBJECT(32f32fc)
VDX_HILBERT_OBJECT(16s32fc)
VDX_HILBERT_OBJECT(16s16sc)

extern "C" VdxStatus y8_vdxsHilbert_32f32fc(const Vdx32f* pSrc, Vdx32fc* pDst,
                                            const VdxsHilbertSpec_32f32fc* pSpec) noexcept {
    return hil::transform(pSpec, pSrc, pDst, 0);
}
extern "C" VdxStatus y8_vdxsHilbert_16s32fc(const Vdx16s* pSrc, Vdx32fc* pDst,
                                            const VdxsHilbertSpec_16s32fc* pSpec) noexcept {
    return hil::transform(pSpec, pSrc, pDst, 0);
}
extern "C" VdxStatus y8_vdxsHilbert_16s16sc_Sfs(const Vdx16s* pSrc, Vdx16sc* pDst, const VdxsHilbertSpec_16s16sc* pSpec,
                                                int scaleFactor) noexcept {
    return hil::transform(pSpec, pSrc, pDst, scaleFactor);
}
