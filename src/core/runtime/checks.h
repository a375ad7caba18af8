// Argument checks shared by every export, so that all of them test in the
// same order: every required pointer in one combined test, then the length,
// then the operation's own scalars (each family adds those after these).
#pragma once

#include "vdxs.h"

namespace vdx {

template <class... P>
constexpr bool any_null(const P*... ptrs) noexcept {
    return ((ptrs == nullptr) || ...);
}

// Plain vector functions: pointers, then length below 1.
template <class... P>
constexpr VdxStatus check_vectors(int len, const P*... ptrs) noexcept {
    if (any_null(ptrs...)) return vdxStsNullPtrErr;
    if (len < 1) return vdxStsSizeErr;
    return vdxStsNoErr;
}

// Byte count of len elements of `size` bytes, or -1 when it does not fit the
// signed 32-bit byte counts the library works with.
constexpr int byte_count(int len, int size) noexcept {
    long long bytes = static_cast<long long>(len) * size;
    return (bytes < 0 || bytes > 2147483647LL) ? -1 : static_cast<int>(bytes);
}

}  // namespace vdx

// Returns from the calling function with the status of the first failing check.
#define VDX_RETURN_IF_ERROR(expr)                   \
    do {                                            \
        const VdxStatus vdx_status_ = (expr);       \
        if (vdx_status_ != vdxStsNoErr) return vdx_status_; \
    } while (0)
