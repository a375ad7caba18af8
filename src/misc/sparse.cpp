// Sparse FIR and IIR filters: states in caller memory (object.h), taps
// given as a list of values and strictly increasing positions.
//
// Both states keep their taps reversed (the caller's last tap first) with
// offsets order - position, so that a tap reads base[j + offset] for output
// j when base[order + j] is the input of output j; the per-tap passes
// (sparse_kernels) add them in that order.
//
// FIR, P = order: the delay buffer holds the P last inputs oldest first,
// then room for P inputs (the stitched block), then P more for the next
// history.  A call of len <= P copies its inputs behind the history and
// works there; a longer one copies its first P inputs behind the history
// and its last P inputs aside, forms outputs P .. len-1 straight from pSrc,
// last block first (so pDst may be pSrc: a block only reads inputs before
// its own end), then the first P outputs from the stitched block.
//
// IIR: input history of P1 samples and output history of P2, each followed
// by room for a block of B = max(1024, P1, P2) samples.  Per block: the
// numerator sums over the input buffer, then the denominator terms in runs
// of at most the smallest denominator position, since within such a run no
// output depends on another.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "abi/api.h"
#include "misc/sparse_kernels.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "runtime/object.h"
#include "runtime/object_ids.h"

namespace {

using SparseVariant = vdx::Variant<vdx::SparseKernels, &vdx::sparse_kernels_variants>;

inline const vdx::SparseKernels& kernels() noexcept { return SparseVariant::table(); }

using vdx::round32;

// Bytes of an object of `bytes` (with its placement slack), or -1 past the
// 32-bit counts.
constexpr int object_size(long long bytes) noexcept {
    return bytes + 2 * vdx::kObjectAlign > 2147483647LL ? -1 : vdx::object_bytes(static_cast<int>(bytes));
}

// Positions valid as one list: the first at least `lowest`, then strictly
// increasing.
bool positions_valid(const int* pos, int n, int lowest) noexcept {
    if (pos[0] < lowest) return false;
    for (int k = 1; k < n; ++k) {
        if (pos[k] <= pos[k - 1]) return false;
    }
    return true;
}

// One tap list in the state's order: reversed, with offsets order - position.
struct TapList {
    Vdx32f* taps;
    int* offsets;
    int count;

    void fill(const Vdx32f* t, const int* pos, int order) noexcept {
        for (int k = 0; k < count; ++k) {
            taps[k] = t[count - 1 - k];
            offsets[k] = order - pos[count - 1 - k];
        }
    }
};

// A history of `order` samples, oldest first, from a delay line newest
// first (null: zeros).
void load_history(Vdx32f* history, int order, const Vdx32f* newest_first) noexcept {
    for (int i = 0; i < order; ++i) history[order - 1 - i] = newest_first ? newest_first[i] : 0.0f;
}

// Carves consecutive 32-byte-aligned arrays out of an object.
struct Carver {
    Vdx8u* at;
    template <class T>
    T* take(long long count) noexcept {
        T* p = reinterpret_cast<T*>(at);
        at += round32(count * static_cast<long long>(sizeof(T)));
        return p;
    }
};

// ---------------------------------------------------------------- FIR

struct FirHeader {
    std::uint32_t id;
    std::uint32_t work_bytes;  // always 0
    std::uint16_t allocated;   // always 0: there is no InitAlloc
    std::uint16_t seal;
    std::int32_t order;
    TapList list;
    Vdx32f* delay;  // 3 * order samples
};

struct FirParams {
    int count, order;
    const Vdx32f* taps;
    const int* pos;
    const Vdx32f* delay_line;
};

long long fir_bytes(int count, int order) noexcept {
    return round32(sizeof(FirHeader)) + 2 * round32(4LL * count) + round32(12LL * order);
}

struct FirSparse {
    using Object = VdxsFIRSparseState_32f;
    using Header = FirHeader;
    using Params = FirParams;
    static constexpr std::uint32_t kId = vdx::ids::fir_sparse_32f;

    static VdxStatus check_init(const Params& p) noexcept {
        if (p.count < 1) return vdxStsFIRLenErr;
        return positions_valid(p.pos, p.count, 0) ? vdxStsNoErr : vdxStsSparseTapPosErr;
    }
    static VdxStatus sizes(const Params& p, vdx::ObjectSizes* s) noexcept {
        s->object = object_size(fir_bytes(p.count, p.order));
        return s->object < 0 ? vdxStsSizeErr : vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const Params& p, const vdx::ObjectSizes&, Vdx8u*) noexcept {
        Carver c{reinterpret_cast<Vdx8u*>(h) + round32(sizeof(Header))};
        h->order = p.order;
        h->list = {c.take<Vdx32f>(p.count), c.take<int>(p.count), p.count};
        h->delay = c.take<Vdx32f>(3LL * p.order);
        h->list.fill(p.taps, p.pos, p.order);
        load_history(h->delay, p.order, p.delay_line);
        return vdxStsNoErr;
    }
    static bool consistent(const Header& h) noexcept {
        return h.list.count >= 1 && h.order >= 0 &&
               reinterpret_cast<const Vdx8u*>(h.list.taps) == reinterpret_cast<const Vdx8u*>(&h) + round32(sizeof h);
    }
};

constexpr int kBlock = 1024;

// dst[n] for n = first .. end-1, each the tap sums over base_at(n), which
// points where output n reads offset 0; last block first.
template <class BaseAt>
void fir_outputs(const TapList& list, int first, int end, Vdx32f* dst, BaseAt base_at) noexcept {
    alignas(32) Vdx32f acc[kBlock];
    for (int stop = end; stop > first;) {
        const int start = std::max(first, stop - kBlock);
        const int n = stop - start;
        std::memset(acc, 0, sizeof(Vdx32f) * n);
        kernels().tap_sums(base_at(start), acc, n, list.taps, list.offsets, list.count);
        std::memcpy(dst + start, acc, sizeof(Vdx32f) * n);
        stop = start;
    }
}

void fir_filter(FirHeader& s, const Vdx32f* src, Vdx32f* dst, int len) noexcept {
    const int order = s.order;
    Vdx32f* history = s.delay;
    Vdx32f* stitched = s.delay + order;
    Vdx32f* next_history = s.delay + 2 * order;
    const int head = std::min(len, order);
    std::memcpy(stitched, src, sizeof(Vdx32f) * head);
    if (len > order) {
        std::memcpy(next_history, src + len - order, sizeof(Vdx32f) * order);
        fir_outputs(s.list, order, len, dst, [&](int n) { return src + (n - order); });
    }
    fir_outputs(s.list, 0, head, dst, [&](int n) { return history + n; });
    if (len > order) {
        std::memcpy(history, next_history, sizeof(Vdx32f) * order);
    } else {
        std::memmove(history, history + len, sizeof(Vdx32f) * order);
    }
}

// ---------------------------------------------------------------- IIR

struct IirHeader {
    std::uint32_t id;
    std::uint32_t work_bytes;
    std::uint16_t allocated;
    std::uint16_t seal;
    std::int32_t order1, order2, block;
    TapList num, den;
    Vdx32f* inputs;   // order1 + block
    Vdx32f* outputs;  // order2 + block
};

struct IirParams {
    int count1, count2, order1, order2;
    const Vdx32f* taps;
    const int* pos;
    const Vdx32f* delay_line;
};

int iir_block(int order1, int order2) noexcept { return std::max({kBlock, order1, order2}); }

long long iir_bytes(int count1, int count2, int order1, int order2) noexcept {
    const long long block = iir_block(order1, order2);
    return round32(sizeof(IirHeader)) + 2 * round32(4LL * count1) + 2 * round32(4LL * count2) +
           round32(4LL * (order1 + block)) + round32(4LL * (order2 + block));
}

struct IirSparse {
    using Object = VdxsIIRSparseState_32f;
    using Header = IirHeader;
    using Params = IirParams;
    static constexpr std::uint32_t kId = vdx::ids::iir_sparse_32f;

    static VdxStatus check_init(const Params& p) noexcept {
        if (p.count1 < 1 || p.count2 < 1) return vdxStsIIROrderErr;
        const bool valid = positions_valid(p.pos, p.count1, 0) && positions_valid(p.pos + p.count1, p.count2, 1);
        return valid ? vdxStsNoErr : vdxStsSparseTapPosErr;
    }
    static VdxStatus sizes(const Params& p, vdx::ObjectSizes* s) noexcept {
        s->object = object_size(iir_bytes(p.count1, p.count2, p.order1, p.order2));
        return s->object < 0 ? vdxStsSizeErr : vdxStsNoErr;
    }
    static VdxStatus build(Header* h, const Params& p, const vdx::ObjectSizes&, Vdx8u*) noexcept {
        Carver c{reinterpret_cast<Vdx8u*>(h) + round32(sizeof(Header))};
        h->order1 = p.order1;
        h->order2 = p.order2;
        h->block = iir_block(p.order1, p.order2);
        h->num = {c.take<Vdx32f>(p.count1), c.take<int>(p.count1), p.count1};
        h->den = {c.take<Vdx32f>(p.count2), c.take<int>(p.count2), p.count2};
        h->inputs = c.take<Vdx32f>(static_cast<long long>(p.order1) + h->block);
        h->outputs = c.take<Vdx32f>(static_cast<long long>(p.order2) + h->block);
        h->num.fill(p.taps, p.pos, p.order1);
        h->den.fill(p.taps + p.count1, p.pos + p.count1, p.order2);
        load_history(h->inputs, p.order1, p.delay_line);
        load_history(h->outputs, p.order2, p.delay_line ? p.delay_line + p.order1 : nullptr);
        return vdxStsNoErr;
    }
    static bool consistent(const Header& h) noexcept {
        return h.num.count >= 1 && h.den.count >= 1 && h.order2 >= 1 &&
               reinterpret_cast<const Vdx8u*>(h.num.taps) == reinterpret_cast<const Vdx8u*>(&h) + round32(sizeof h);
    }
};

void iir_block_filter(IirHeader& s, const Vdx32f* src, Vdx32f* dst, int n) noexcept {
    const int order1 = s.order1, order2 = s.order2;
    Vdx32f* y = s.outputs + order2;
    std::memcpy(s.inputs + order1, src, sizeof(Vdx32f) * n);
    std::memset(y, 0, sizeof(Vdx32f) * n);
    kernels().tap_sums(s.inputs, y, n, s.num.taps, s.num.offsets, s.num.count);
    // The den list is reversed: its last offset belongs to the smallest position.
    const int run = order2 - s.den.offsets[s.den.count - 1];
    for (int j = 0; j < n; j += run) {
        kernels().tap_sums(s.outputs + j, y + j, std::min(run, n - j), s.den.taps, s.den.offsets, s.den.count);
    }
    std::memcpy(dst, y, sizeof(Vdx32f) * n);
    std::memmove(s.inputs, s.inputs + n, sizeof(Vdx32f) * order1);
    std::memmove(s.outputs, s.outputs + n, sizeof(Vdx32f) * order2);
}

// The state behind a filtering call's checks: pointers, length, identifier.
template <class F>
VdxStatus filter_state(const Vdx32f* src, const Vdx32f* dst, int len, typename F::Object* state,
                       typename F::Header** h) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst, state));
    if (vdx::checked_header<F>(state) == nullptr) return vdxStsContextMatchErr;
    *h = reinterpret_cast<typename F::Header*>(state);
    return vdxStsNoErr;
}

}  // namespace

// ---------------------------------------------------------------- FIR exports

extern "C" VdxStatus y8_vdxsFIRSparseGetStateSize_32f(int nzTapsLen, int order, int* pStateSize) noexcept {
    if (pStateSize == nullptr) return vdxStsNullPtrErr;
    if (nzTapsLen < 1 || order < 1) return vdxStsFIRLenErr;
    const int size = object_size(fir_bytes(nzTapsLen, order));
    if (size < 0) return vdxStsSizeErr;
    *pStateSize = size;
    return vdxStsNoErr;
}

extern "C" VdxStatus y8_vdxsFIRSparseInit_32f(VdxsFIRSparseState_32f** ppState, const Vdx32f* pNZTaps,
                                             const int* pNZTapPos, int nzTapsLen, const Vdx32f* pDlyLine,
                                             Vdx8u* pBuffer) noexcept {
    if (vdx::any_null(ppState, pNZTaps, pNZTapPos, pBuffer)) return vdxStsNullPtrErr;
    if (nzTapsLen < 1) return vdxStsFIRLenErr;
    // A count whose taps alone overflow the state is refused before a
    // position is read.
    if (object_size(fir_bytes(nzTapsLen, 0)) < 0) return vdxStsSizeErr;
    const int order = pNZTapPos[nzTapsLen - 1];
    return vdx::object_init<FirSparse>(ppState, {nzTapsLen, order, pNZTaps, pNZTapPos, pDlyLine}, pBuffer, nullptr);
}

extern "C" VdxStatus y8_vdxsFIRSparse_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len,
                                         VdxsFIRSparseState_32f* pState) noexcept {
    FirHeader* h = nullptr;
    VDX_RETURN_IF_ERROR(filter_state<FirSparse>(pSrc, pDst, len, pState, &h));
    fir_filter(*h, pSrc, pDst, len);
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- IIR exports

extern "C" VdxStatus y8_vdxsIIRSparseGetStateSize_32f(int nzTapsLen1, int nzTapsLen2, int order1, int order2,
                                                     int* pStateSize) noexcept {
    if (pStateSize == nullptr) return vdxStsNullPtrErr;
    if (nzTapsLen1 < 1 || nzTapsLen2 < 0) return vdxStsIIROrderErr;
    if (order1 < 0 || order2 < 0) return vdxStsSparseTapPosErr;
    const int size = object_size(iir_bytes(nzTapsLen1, nzTapsLen2, order1, order2));
    if (size < 0) return vdxStsSizeErr;
    *pStateSize = size;
    return vdxStsNoErr;
}

extern "C" VdxStatus y8_vdxsIIRSparseInit_32f(VdxsIIRSparseState_32f** ppState, const Vdx32f* pNZTaps,
                                             const int* pNZTapPos, int nzTapsLen1, int nzTapsLen2,
                                             const Vdx32f* pDlyLine, Vdx8u* pBuffer) noexcept {
    if (vdx::any_null(ppState, pNZTaps, pNZTapPos, pBuffer)) return vdxStsNullPtrErr;
    if (nzTapsLen1 < 1 || nzTapsLen2 < 1) return vdxStsIIROrderErr;
    if (object_size(iir_bytes(nzTapsLen1, nzTapsLen2, 0, 0)) < 0) return vdxStsSizeErr;
    const int order1 = pNZTapPos[nzTapsLen1 - 1];
    const int order2 = pNZTapPos[nzTapsLen1 + nzTapsLen2 - 1];
    return vdx::object_init<IirSparse>(
        ppState, {nzTapsLen1, nzTapsLen2, order1, order2, pNZTaps, pNZTapPos, pDlyLine}, pBuffer, nullptr);
}

extern "C" VdxStatus y8_vdxsIIRSparse_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len,
                                         VdxsIIRSparseState_32f* pState) noexcept {
    IirHeader* h = nullptr;
    VDX_RETURN_IF_ERROR(filter_state<IirSparse>(pSrc, pDst, len, pState, &h));
    for (int done = 0; done < len; done += h->block) {
        const int n = std::min(h->block, len - done);
        iir_block_filter(*h, pSrc + done, pDst + done, n);
    }
    return vdxStsNoErr;
}
