// The initialization family: Copy, Move, Set, Zero, Flip, Flip_I, Copy_1u
// and PackBits_32u8u.
//
// One template per operation checks the arguments and hands the work to the
// kernels (init_kernels.h), returning their status through a tail call.
// Copy, Move, Set and Zero work on bytes: the element type only sets the
// byte count and, for Set, the pattern, and values travel as bit patterns (a
// NaN keeps its payload, -0.0 stays -0.0); so Set of 32f and Set of 32s are
// one fill with a 4-byte pattern.  Each export is a row in the tables below.
//
// Copy on overlapping vectors is undefined (it copies upward in blocks, so a
// destination above an overlapping source may read bytes it already wrote);
// Move is the operation for overlapping vectors.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "abi/api.h"
#include "runtime/checks.h"
#include "runtime/isa.h"
#include "vector/init_kernels.h"

namespace {

// The kernels of the variant this process runs.
using InitVariant = vdx::Variant<vdx::InitKernels, &vdx::init_kernels_variants>;

inline const vdx::InitKernels& kernels() noexcept { return InitVariant::table(); }

// Index of the fill or flip kernel for elements of `size` bytes (1, 2, 4,
// 8, 16).
constexpr int size_index(std::size_t size) noexcept {
    return size == 1 ? 0 : size == 2 ? 1 : size == 4 ? 2 : size == 8 ? 3 : 4;
}

// Copy and Move: the same checks, then the copy_bytes or move_bytes kernel.
template <auto Kernel, class T>
VdxStatus transfer_elements(const T* src, T* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    const int bytes = vdx::byte_count(len, sizeof(T));
    if (bytes < 0) return vdxStsSizeErr;
    return (kernels().*Kernel)(src, dst, bytes);
}

template <class T>
VdxStatus set_elements(const T& value, T* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, dst));
    const int bytes = vdx::byte_count(len, sizeof(T));
    if (bytes < 0) return vdxStsSizeErr;
    // The value's bits, carried in two doubles (see InitKernels::fill).
    std::uint64_t bits[2] = {0, 0};
    std::memcpy(bits, &value, sizeof(T));
    double lo, hi;
    std::memcpy(&lo, &bits[0], sizeof lo);
    std::memcpy(&hi, &bits[1], sizeof hi);
    return kernels().fill[size_index(sizeof(T))](dst, lo, hi, bytes);
}

template <class T>
VdxStatus zero_elements(T* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, dst));
    const int bytes = vdx::byte_count(len, sizeof(T));
    if (bytes < 0) return vdxStsSizeErr;
    return kernels().zero(dst, bytes);
}

template <class T>
VdxStatus flip_elements(const T* src, T* dst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, dst));
    return kernels().flip[size_index(sizeof(T))](src, dst, len);
}

template <class T>
VdxStatus flip_in_place(T* srcDst, int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, srcDst));
    return kernels().flip[size_index(sizeof(T))](srcDst, srcDst, len);
}

}  // namespace

// ---- rows: code, element type

#define VDX_COPY_ROW(code, T)                                                              \
    extern "C" VdxStatus y8_vdxsCopy_##code(const T* pSrc, T* pDst, int len) noexcept {   \
        return transfer_elements<&vdx::InitKernels::copy_bytes>(pSrc, pDst, len);                                             \
    }
#define VDX_MOVE_ROW(code, T)                                                              \
    extern "C" VdxStatus y8_vdxsMove_##code(const T* pSrc, T* pDst, int len) noexcept {   \
        return transfer_elements<&vdx::InitKernels::move_bytes>(pSrc, pDst, len);                                             \
    }
#define VDX_SET_ROW(code, T)                                                               \
    extern "C" VdxStatus y8_vdxsSet_##code(T val, T* pDst, int len) noexcept {            \
        return set_elements(val, pDst, len);                                               \
    }
#define VDX_ZERO_ROW(code, T)                                                              \
    extern "C" VdxStatus y8_vdxsZero_##code(T* pDst, int len) noexcept {                  \
        return zero_elements(pDst, len);                                                   \
    }
#define VDX_FLIP_ROW(code, T)                                                              \
    extern "C" VdxStatus y8_vdxsFlip_##code(const T* pSrc, T* pDst, int len) noexcept {   \
        return flip_elements(pSrc, pDst, len);                                             \
    }                                                                                      \
    extern "C" VdxStatus y8_vdxsFlip_##code##_I(T* pSrcDst, int len) noexcept {           \
        return flip_in_place(pSrcDst, len);                                                \
    }

// Copy, Move, Set and Zero share their eleven types.
#define VDX_BYTE_OPS_ROW(code, T) VDX_COPY_ROW(code, T) VDX_MOVE_ROW(code, T) VDX_SET_ROW(code, T) VDX_ZERO_ROW(code, T)

VDX_BYTE_OPS_ROW(8u, Vdx8u)
VDX_BYTE_OPS_ROW(16s, Vdx16s)
VDX_BYTE_OPS_ROW(16sc, Vdx16sc)
VDX_BYTE_OPS_ROW(32s, Vdx32s)
VDX_BYTE_OPS_ROW(32sc, Vdx32sc)
VDX_BYTE_OPS_ROW(32f, Vdx32f)
VDX_BYTE_OPS_ROW(32fc, Vdx32fc)
VDX_BYTE_OPS_ROW(64s, Vdx64s)
VDX_BYTE_OPS_ROW(64sc, Vdx64sc)
VDX_BYTE_OPS_ROW(64f, Vdx64f)
VDX_BYTE_OPS_ROW(64fc, Vdx64fc)

VDX_FLIP_ROW(8u, Vdx8u)
VDX_FLIP_ROW(16u, Vdx16u)
VDX_FLIP_ROW(32f, Vdx32f)
VDX_FLIP_ROW(64f, Vdx64f)
VDX_FLIP_ROW(32fc, Vdx32fc)
VDX_FLIP_ROW(64fc, Vdx64fc)

#undef VDX_BYTE_OPS_ROW
#undef VDX_COPY_ROW
#undef VDX_MOVE_ROW
#undef VDX_SET_ROW
#undef VDX_ZERO_ROW
#undef VDX_FLIP_ROW

// ---- bit strings

// Offsets count bits from the most significant bit of the first byte; only
// their low three bits are used.
extern "C" VdxStatus y8_vdxsCopy_1u(const Vdx8u* pSrc, int srcBitOffset, Vdx8u* pDst, int dstBitOffset,
                                    int len) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, pSrc, pDst));
    if (srcBitOffset < 0 || dstBitOffset < 0) return vdxStsSizeErr;
    kernels().copy_bits(pSrc, srcBitOffset & 7, pDst, dstBitOffset & 7, len);
    return vdxStsNoErr;
}

extern "C" VdxStatus y8_vdxsPackBits_32u8u(const Vdx32u* pSrc, const int* pSrcBitWidths, int len, Vdx8u* pDst,
                                           int dstBitOffset, int* pDstBitLen) noexcept {
    if (vdx::any_null(pSrc, pSrcBitWidths, pDst, pDstBitLen)) return vdxStsNullPtrErr;
    if (len < 1 || dstBitOffset < 0) return vdxStsSizeErr;
    bool clamped = false;
    const long long bits = kernels().pack_bits(pSrc, pSrcBitWidths, len, pDst, dstBitOffset & 7, &clamped);
    // The count of bits is an int at the interface; a string of 2^31 bits or
    // more (over 256 MB) reports its count modulo 2^32.
    *pDstBitLen = static_cast<int>(static_cast<std::uint32_t>(bits));
    return clamped ? vdxStsBitWidthClamped : vdxStsNoErr;
}
