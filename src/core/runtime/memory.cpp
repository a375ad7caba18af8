// vdxsMalloc_* and vdxsFree: the library's allocator, over the core library.
#include "abi/api.h"
#include "runtime/checks.h"
#include "vdxcore.h"

namespace {

void* allocate_elements(int len, int elementSize) noexcept {
    if (len < 1) return nullptr;
    const int bytes = vdx::byte_count(len, elementSize);
    return bytes < 0 ? nullptr : vdxMalloc(bytes);
}

}  // namespace

// One row per element type: code, type.
#define VDX_MALLOC_ROW(code, T)                                              \
    extern "C" T* y8_vdxsMalloc_##code(int len) noexcept {                  \
        return static_cast<T*>(allocate_elements(len, sizeof(T)));          \
    }
VDX_MALLOC_ROW(8u, Vdx8u)
VDX_MALLOC_ROW(8s, Vdx8s)
VDX_MALLOC_ROW(16u, Vdx16u)
VDX_MALLOC_ROW(16s, Vdx16s)
VDX_MALLOC_ROW(8sc, Vdx8sc)
VDX_MALLOC_ROW(32u, Vdx32u)
VDX_MALLOC_ROW(32s, Vdx32s)
VDX_MALLOC_ROW(32f, Vdx32f)
VDX_MALLOC_ROW(16sc, Vdx16sc)
VDX_MALLOC_ROW(64s, Vdx64s)
VDX_MALLOC_ROW(64f, Vdx64f)
VDX_MALLOC_ROW(32sc, Vdx32sc)
VDX_MALLOC_ROW(32fc, Vdx32fc)
VDX_MALLOC_ROW(64sc, Vdx64sc)
VDX_MALLOC_ROW(64fc, Vdx64fc)
#undef VDX_MALLOC_ROW

extern "C" void y8_vdxsFree(void* ptr) noexcept { vdxFree(ptr); }
