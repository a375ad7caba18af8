// Shapes the generated call table is written in (fuzz_table.inc).
#pragma once

#include <cstddef>
#include <cstring>

#include "vdxs.h"

namespace fuzz {

// How a parameter takes part in a call, from its C type and name.
enum Kind {
    kPointer,    // vector, scalar output or work memory
    kObject,     // transform object or filter state
    kObjectOut,  // where Init/InitAlloc store the object
    kLength,     // element count: below 1 is rejected
    kOrder,      // FFT order
    kFlag,       // FFT normalisation flag
    kScale,      // scale factor: every value is valid
    kHint,       // advisory enumeration: every value is accepted
    kEnum,       // enumeration: values outside it are rejected
    kScalar      // any other operation scalar
};
enum Flags { kConst = 1, kWork = 2, kOptional = 4 };

// Element or scalar type: components of one numeric kind ('s', 'u', 'f').
struct TypeOps {
    const char* name;
    std::size_t size;
    std::size_t comp_size;
    int comps;
    char comp_kind;
};

template <class T> const TypeOps* typeops();
#define FUZZ_TYPE(T, C, N, K)                                              \
    template <> inline const TypeOps* typeops<T>() {                       \
        static const TypeOps ops{#T, sizeof(T), sizeof(C), N, K};          \
        return &ops;                                                       \
    }
FUZZ_TYPE(Vdx8u, Vdx8u, 1, 'u') FUZZ_TYPE(Vdx8s, Vdx8s, 1, 's') FUZZ_TYPE(Vdx16u, Vdx16u, 1, 'u')
FUZZ_TYPE(Vdx16s, Vdx16s, 1, 's') FUZZ_TYPE(Vdx32u, Vdx32u, 1, 'u') FUZZ_TYPE(Vdx32s, Vdx32s, 1, 's')
FUZZ_TYPE(Vdx64u, Vdx64u, 1, 'u') FUZZ_TYPE(Vdx64s, Vdx64s, 1, 's') FUZZ_TYPE(Vdx32f, Vdx32f, 1, 'f')
FUZZ_TYPE(Vdx64f, Vdx64f, 1, 'f') FUZZ_TYPE(Vdx16f, Vdx16u, 1, 'u') FUZZ_TYPE(Vdx24u, Vdx8u, 3, 'u')
FUZZ_TYPE(Vdx24s, Vdx8u, 3, 'u') FUZZ_TYPE(Vdx8sc, Vdx8s, 2, 's') FUZZ_TYPE(Vdx16sc, Vdx16s, 2, 's')
FUZZ_TYPE(Vdx32sc, Vdx32s, 2, 's') FUZZ_TYPE(Vdx64sc, Vdx64s, 2, 's') FUZZ_TYPE(Vdx32fc, Vdx32f, 2, 'f')
FUZZ_TYPE(Vdx64fc, Vdx64f, 2, 'f')
#undef FUZZ_TYPE

// One argument's bits; `as` rebuilds the parameter's own type from them
// (the way a C caller may pass any int where an enumeration is declared).
struct Slot {
    alignas(16) unsigned char bytes[16];
    template <class T> T as() const {
        static_assert(sizeof(T) <= sizeof bytes, "argument wider than a slot");
        T value;
        std::memcpy(static_cast<void*>(&value), bytes, sizeof value);
        return value;
    }
};

struct Param {
    const char* name;
    const char* ctype;
    Kind kind;
    int flags;
    const TypeOps* type;  // null for objects
    int index;            // object type (kObject, kObjectOut) or enumeration (kHint, kEnum)
};

struct Function {
    const char* name;
    VdxStatus (*call)(const Slot*);
    const Param* params;
    int count;
    bool has_in_place_twin;  // F_I / F_ISfs exists: F may run with pDst on its source
};

struct ObjectType {
    const char* name;
    int init_alloc;  // index in kFunctions, -1 when the family has none yet
    int free;
    int init;        // Init in caller memory, -1 when none
};

}  // namespace fuzz
