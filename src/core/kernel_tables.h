// The kernel variants as data (variants.def) and the declaration of one
// family's kernel tables in every variant.  Kernel headers include this (and
// nothing heavier), since kernel sources take no inline code from std::.
#pragma once

#include <cstdint>

#include "variants.def"

namespace vdx {

#define VDX_VARIANT_ENUM_(name, flags, features, sources, ...) name,
enum class Isa : int { VDX_VARIANTS(VDX_VARIANT_ENUM_) };
#undef VDX_VARIANT_ENUM_

struct VariantInfo {
    const char* name;
    std::uint64_t features;    // core-library bits the variant's objects use
    const char* sources;  // "*" or the family/stem names built for it
};

#define VDX_VARIANT_INFO_(name, flags, features, sources, ...) VariantInfo{#name, (features), sources},
inline constexpr VariantInfo kVariants[] = {VDX_VARIANTS(VDX_VARIANT_INFO_)};
#undef VDX_VARIANT_INFO_
inline constexpr int kVariantCount = static_cast<int>(sizeof kVariants / sizeof kVariants[0]);

constexpr const VariantInfo& variant_info(Isa v) { return kVariants[static_cast<int>(v)]; }

// Whether variant v compiles the kernel source `source` (family/stem): "*",
// or `source` as one of the space-separated words of its list.
constexpr bool builds(Isa v, const char* source) {
    const char* list = variant_info(v).sources;
    if (list[0] == '*' && list[1] == '\0') return true;
    for (const char* word = list; *word != '\0';) {
        int i = 0;
        while (source[i] != '\0' && word[i] == source[i]) ++i;
        if (source[i] == '\0' && (word[i] == ' ' || word[i] == '\0')) return true;
        while (*word != '\0' && *word != ' ') ++word;
        while (*word == ' ') ++word;
    }
    return false;
}

// One family's table in every variant, null where the variant does not build
// the family's kernels.  The floor variant builds every family.
template <class Table>
struct KernelTables {
    const Table* of[kVariantCount];
};

// Declares `extern const Type name;` in every variant's namespace and
// name_variants, the KernelTables of them, for the kernel source `source`
// ("family/stem", as variants.def names it).  Variants that do not build the
// source get a null entry and no reference to their (absent) table: the
// address sits in a discarded branch.  Use inside namespace vdx.
#define VDX_DECLARE_TABLE_(variant, flags, features, sources, Type, name, source) \
    namespace variant {                                                            \
    extern const Type name;                                                        \
    }
#define VDX_TABLE_ENTRY_(variant, flags, features, sources, Type, name, source) \
    []() -> const Type* {                                                        \
        if constexpr (::vdx::builds(::vdx::Isa::variant, source)) return &variant::name; \
        else return nullptr;                                                     \
    }(),
#define VDX_KERNEL_TABLE(Type, name, source)                    \
    VDX_VARIANTS(VDX_DECLARE_TABLE_, Type, name, source)         \
    inline constexpr ::vdx::KernelTables<Type> name##_variants{ \
        {VDX_VARIANTS(VDX_TABLE_ENTRY_, Type, name, source)}};

}  // namespace vdx
