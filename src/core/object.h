// The pattern of transform objects and filter states, and the work-buffer
// rule, shared by every family that owns objects.
//
//  - Placement: an object starts at the caller's memory rounded up to 32
//    bytes; sizes reported by size queries carry 32 bytes of slack for that.
//  - Identifier: the first 32-bit word of every object.
//  - InitAlloc: query the size, allocate it (and an init buffer when one is
//    needed), run Init, release the init buffer, mark the object owned; an
//    allocation or Init failure releases everything and writes nothing.
//  - Free: null → vdxStsNullPtrErr, foreign identifier →
//    vdxStsContextMatchErr; clear the identifier where the family does, and
//    release only objects the library allocated.
//  - Work buffers: the caller's, rounded up to 32, or one allocated here and
//    released on every return path.
#pragma once

#include <cstdint>
#include <cstring>

#include "api.h"

namespace vdx {

constexpr int kObjectAlign = 32;

template <class T>
inline T* align_up32(T* p) noexcept {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    return reinterpret_cast<T*>((a + (kObjectAlign - 1)) & ~std::uintptr_t(kObjectAlign - 1));
}

// Bytes rounded up to a multiple of 32, plus 32 bytes of placement slack:
// the rule every size query follows.
constexpr int object_bytes(int bytes) noexcept {
    return (bytes + (kObjectAlign - 1)) / kObjectAlign * kObjectAlign + kObjectAlign;
}

inline std::uint32_t identifier_of(const void* obj) noexcept {
    std::uint32_t id;
    std::memcpy(&id, obj, sizeof id);
    return id;
}

inline void set_identifier(void* obj, std::uint32_t id) noexcept {
    std::memcpy(obj, &id, sizeof id);
}

// InitAlloc: init(Obj** out, Vdx8u* mem, Vdx8u* initBuffer) builds the object
// as the family's Init does; mark_owned(Obj*) records that the library
// allocated it.  initBytes 0 means Init needs no buffer (null is passed).
template <class Obj, class InitFn, class MarkOwnedFn>
VdxStatus init_alloc(Obj** out, int objBytes, int initBytes, InitFn&& init,
                     MarkOwnedFn&& mark_owned) noexcept {
    Vdx8u* mem = y8_vdxsMalloc_8u(objBytes);
    if (mem == nullptr) return vdxStsMemAllocErr;
    Vdx8u* initBuffer = nullptr;
    if (initBytes > 0) {
        initBuffer = y8_vdxsMalloc_8u(initBytes);
        if (initBuffer == nullptr) {
            y8_vdxsFree(mem);
            return vdxStsMemAllocErr;
        }
    }
    Obj* obj = nullptr;
    const VdxStatus status = init(&obj, mem, initBuffer);
    y8_vdxsFree(initBuffer);
    if (status < 0) {
        y8_vdxsFree(mem);
        return status;
    }
    mark_owned(obj);
    *out = obj;
    return status;
}

// Free: accepts(id) tells the family's identifiers; owned(obj) reads the
// allocated marker; block_of(obj) gives the block that was allocated (for
// objects placed at an offset inside it); release_parts(obj) frees objects
// held inside (run before the block goes).
template <class Obj, class AcceptsFn, class OwnedFn, class BlockFn, class ReleasePartsFn>
VdxStatus free_object(Obj* obj, AcceptsFn&& accepts, bool clear_identifier, OwnedFn&& owned,
                      BlockFn&& block_of, ReleasePartsFn&& release_parts) noexcept {
    if (obj == nullptr) return vdxStsNullPtrErr;
    if (!accepts(identifier_of(obj))) return vdxStsContextMatchErr;
    release_parts(obj);
    const bool release = owned(obj);
    if (clear_identifier) set_identifier(obj, 0);
    if (release) y8_vdxsFree(block_of(obj));
    return vdxStsNoErr;
}

// A work buffer for one call: the caller's (rounded up to 32), or one
// allocated here when the caller passes null, released when this goes out
// of scope, so every return path releases it.
class WorkBuffer {
public:
    WorkBuffer(Vdx8u* caller, int bytes) noexcept {
        if (caller != nullptr) {
            data_ = align_up32(caller);
        } else if (bytes > 0) {
            owned_ = y8_vdxsMalloc_8u(bytes + kObjectAlign);
            data_ = owned_ ? align_up32(owned_) : nullptr;
        }
    }
    ~WorkBuffer() {
        if (owned_ != nullptr) y8_vdxsFree(owned_);  // most calls own nothing: no call
    }
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;

    // False when the buffer had to be allocated and could not be.
    explicit operator bool() const noexcept { return data_ != nullptr; }
    Vdx8u* data() const noexcept { return data_; }

private:
    Vdx8u* data_ = nullptr;
    Vdx8u* owned_ = nullptr;
};

}  // namespace vdx
