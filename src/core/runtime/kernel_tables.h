// The kernel variants as data (variants.def) and the declaration of one
// family's kernel tables in every variant.  Kernel headers include this (and
// nothing heavier), since kernel sources take no inline code from std::.
#pragma once

#include <cstdint>

#include "runtime/variants.def"

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

// Variants listed in variants.def but left out of this build (the build's
// VDXS_DISABLED_VARIANTS option), as space-separated names.
#ifndef VDX_DISABLED_VARIANTS
#define VDX_DISABLED_VARIANTS ""
#endif

// Whether `word` is one of the space-separated words of `list`.
constexpr bool in_word_list(const char* list, const char* word) {
    for (const char* at = list; *at != '\0';) {
        while (*at == ' ') ++at;
        int i = 0;
        while (word[i] != '\0' && at[i] == word[i]) ++i;
        if (word[i] == '\0' && (at[i] == ' ' || at[i] == '\0')) return true;
        while (*at != '\0' && *at != ' ') ++at;
    }
    return false;
}

constexpr bool variant_enabled(Isa v) { return !in_word_list(VDX_DISABLED_VARIANTS, variant_info(v).name); }

// Whether variant v compiles the kernel source `source` (family/stem): its
// list is "*" or names the source, and the build has not left it out.
constexpr bool builds(Isa v, const char* source) {
    const VariantInfo& info = variant_info(v);
    if (!variant_enabled(v)) return false;
    return (info.sources[0] == '*' && info.sources[1] == '\0') || in_word_list(info.sources, source);
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
