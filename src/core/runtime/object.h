// Transform objects and filter states: the pattern every object family
// follows, written once over a small descriptor per family, and the
// work-buffer rule.
//
//  - Placement: an object starts at the caller's memory rounded up to 32
//    bytes; sizes reported by size queries carry 32 bytes of slack for that.
//  - Identifier: the first 32-bit word of every object (object_ids.h); 0
//    while an Init has not succeeded and after Free.
//  - Seal: a 16-bit word that Init derives from the object's address and
//    identifier.  Every call checks it with the identifier, and then the
//    family's own consistency rule, so that a block of other data that
//    happens to start with an identifier (a zeroed block with a small one)
//    is refused before anything past its header is read.
//  - InitAlloc: query the size, allocate it (and an init buffer when one is
//    needed), run Init, release the init buffer, mark the object owned; an
//    allocation or Init failure releases everything and writes nothing.
//  - Free: null -> vdxStsNullPtrErr, foreign identifier ->
//    vdxStsContextMatchErr; release what the object holds, clear the
//    identifier, and release the block only when the library allocated it.
//  - Work buffers: the caller's, rounded up to 32, or one allocated here and
//    released on every return path.
//
// A family describes itself with a struct F:
//
//   using Object = VdxsFFTSpec_C_32fc;   // the public (opaque) type
//   using Header = ...;                  // what the object starts with; it
//                                        // has the fields `allocated` (u16,
//                                        // 1 when made by InitAlloc), `seal`
//                                        // (u16) and `work_bytes` (u32, per
//                                        // call, no slack)
//   using Params = ...;                  // the defining parameters
//   static constexpr std::uint32_t kId;  // from object_ids.h
//   // The size query's checks in the family's order; `outputs` is the
//   // status of the out-pointer test, which the family places.
//   static VdxStatus check_query(const Params&, VdxStatus outputs);
//   // Init's checks, after its two pointers.
//   static VdxStatus check_init(const Params&);
//   // Bytes of the object and the init buffer (both with slack, init 0 when
//   // none) and of the work buffer (no slack, 0 when none); may fail when a
//   // size does not fit the 32-bit counts.
//   static VdxStatus sizes(const Params&, ObjectSizes*);
//   // Builds the object into h (header zero-filled, identifier 0, work_bytes
//   // set); init is the caller's init buffer rounded up to 32, or null.
//   static VdxStatus build(Header* h, const Params&, const ObjectSizes&, Vdx8u* init);
//   // Releases or invalidates what the object holds (inner objects).
//   static void release_parts(Header*);
//   // What a call relies on besides the identifier (order in range, ...).
//   static bool consistent(const Header&);
//
// The object functions below (object_get_size, object_init,
// object_init_alloc, object_free, object_buf_size, checked_header) are then
// one line per exported member.
#pragma once

#include <cstdint>
#include <cstring>

#include "abi/api.h"
#include "runtime/checks.h"

namespace vdx {

constexpr int kObjectAlign = 32;

template <class T>
inline T* align_up32(T* p) noexcept {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    return reinterpret_cast<T*>((a + (kObjectAlign - 1)) & ~std::uintptr_t(kObjectAlign - 1));
}

// Bytes rounded up to a multiple of 32: where every area inside an object
// starts.
constexpr long long round32(long long bytes) noexcept {
    return (bytes + (kObjectAlign - 1)) / kObjectAlign * kObjectAlign;
}

// Bytes rounded up to a multiple of 32, plus 32 bytes of placement slack:
// the rule every size query follows.
constexpr int object_bytes(int bytes) noexcept { return static_cast<int>(round32(bytes)) + kObjectAlign; }

inline std::uint32_t identifier_of(const void* obj) noexcept {
    std::uint32_t id;
    std::memcpy(&id, obj, sizeof id);
    return id;
}

inline void set_identifier(void* obj, std::uint32_t id) noexcept {
    std::memcpy(obj, &id, sizeof id);
}

// Never 0, so that a zeroed block never passes.
inline std::uint16_t seal_of(const void* obj, std::uint32_t id) noexcept {
    const std::uint64_t x = (reinterpret_cast<std::uintptr_t>(obj) >> 5) * 0x9E3779B97F4A7C15ull ^
                            std::uint64_t(id) * 0xC2B2AE3D27D4EB4Full;
    return static_cast<std::uint16_t>((x >> 48) | 1u);
}

struct ObjectSizes {
    int object;  // with placement slack
    int init;    // with placement slack, 0 when Init needs none
    int work;    // per call, without slack, 0 when a call needs none
};

// ---------------------------------------------------------------- object functions

template <class F>
VdxStatus object_get_size(const typename F::Params& p, int* pObjectSize, int* pInitSize,
                          int* pWorkSize) noexcept {
    VDX_RETURN_IF_ERROR(F::check_query(p, any_null(pObjectSize, pInitSize, pWorkSize) ? vdxStsNullPtrErr
                                                                                       : vdxStsNoErr));
    ObjectSizes s{};
    VDX_RETURN_IF_ERROR(F::sizes(p, &s));
    *pObjectSize = s.object;
    *pInitSize = s.init;
    *pWorkSize = s.work > 0 ? s.work + kObjectAlign : 0;
    return vdxStsNoErr;
}

template <class F>
VdxStatus object_init(typename F::Object** ppObject, const typename F::Params& p, Vdx8u* pMem,
                      Vdx8u* pInitBuffer) noexcept {
    using Header = typename F::Header;
    if (any_null(ppObject, pMem)) return vdxStsNullPtrErr;
    auto* h = reinterpret_cast<Header*>(align_up32(pMem));
    set_identifier(h, 0);
    VDX_RETURN_IF_ERROR(F::check_init(p));
    ObjectSizes s{};
    VDX_RETURN_IF_ERROR(F::sizes(p, &s));
    if (s.init > 0 && pInitBuffer == nullptr) return vdxStsNullPtrErr;
    std::memset(static_cast<void*>(h), 0, sizeof(Header));
    h->work_bytes = static_cast<std::uint32_t>(s.work);
    VDX_RETURN_IF_ERROR(F::build(h, p, s, s.init > 0 ? align_up32(pInitBuffer) : nullptr));
    h->seal = seal_of(h, F::kId);
    set_identifier(h, F::kId);  // last: no partial object ever passes the check
    *ppObject = reinterpret_cast<typename F::Object*>(h);
    return vdxStsNoErr;
}

template <class F>
VdxStatus object_init_alloc(typename F::Object** ppObject, const typename F::Params& p) noexcept {
    if (ppObject == nullptr) return vdxStsNullPtrErr;
    int objectBytes = 0, initBytes = 0, workBytes = 0;
    VDX_RETURN_IF_ERROR(object_get_size<F>(p, &objectBytes, &initBytes, &workBytes));
    Vdx8u* mem = y8_vdxsMalloc_8u(objectBytes);
    if (mem == nullptr) return vdxStsMemAllocErr;
    Vdx8u* init = initBytes > 0 ? y8_vdxsMalloc_8u(initBytes) : nullptr;
    if (initBytes > 0 && init == nullptr) {
        y8_vdxsFree(mem);
        return vdxStsMemAllocErr;
    }
    typename F::Object* obj = nullptr;
    const VdxStatus status = object_init<F>(&obj, p, mem, init);
    y8_vdxsFree(init);
    if (status < 0) {
        y8_vdxsFree(mem);
        return status;
    }
    reinterpret_cast<typename F::Header*>(obj)->allocated = 1;
    *ppObject = obj;
    return status;
}

// The header of an object that passes the family's identifier check and
// holds what its calls rely on, or null.
template <class F>
const typename F::Header* checked_header(const void* obj) noexcept {
    if (identifier_of(obj) != F::kId) return nullptr;
    const auto* h = static_cast<const typename F::Header*>(obj);
    return h->seal == seal_of(h, F::kId) && F::consistent(*h) ? h : nullptr;
}

// The transforms' order: object pointer, then its identifier.
template <class F>
VdxStatus check_object(const void* obj) noexcept {
    if (obj == nullptr) return vdxStsNullPtrErr;
    return checked_header<F>(obj) != nullptr ? vdxStsNoErr : vdxStsContextMatchErr;
}

template <class F>
VdxStatus object_free(typename F::Object* obj) noexcept {
    VDX_RETURN_IF_ERROR(check_object<F>(obj));
    auto* h = reinterpret_cast<typename F::Header*>(obj);
    F::release_parts(h);
    const bool owned = h->allocated == 1;
    set_identifier(h, 0);
    if (owned) y8_vdxsFree(h);
    return vdxStsNoErr;
}

template <class F>
VdxStatus object_buf_size(const typename F::Object* obj, int* pSize) noexcept {
    if (any_null(obj, pSize)) return vdxStsNullPtrErr;
    const typename F::Header* h = checked_header<F>(obj);
    if (h == nullptr) return vdxStsContextMatchErr;
    *pSize = h->work_bytes >= 1 ? static_cast<int>(h->work_bytes) + kObjectAlign : 0;
    return vdxStsNoErr;
}

// ---------------------------------------------------------------- work buffers

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
