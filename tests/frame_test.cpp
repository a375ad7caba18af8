// The frame seen from outside: the version record, and the agreement of the
// public header, the export list and the library's dynamic symbol table, down
// to each entry point being one jump through its own slot into its own
// implementation.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace {

std::string read_file(const char* path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string strip_comments(const std::string& text) {
    static const std::regex block(R"(/\*[\s\S]*?\*/)"), line(R"(//[^\n]*)");
    return std::regex_replace(std::regex_replace(text, block, " "), line, " ");
}

std::vector<std::string> matches(const std::string& text, const std::regex& re, int group) {
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[group].str());
    return out;
}

// Every function the header declares.
std::vector<std::string> header_functions() {
    static const std::regex proto(R"(\b(vdxs[A-Za-z0-9_]+)\s*\()");
    return matches(strip_comments(read_file(VDXS_HEADER_PATH)), proto, 1);
}

struct ListedExport {
    std::string name;
    bool dispatched;
};

std::vector<ListedExport> export_list() {
    static const std::regex row(R"(\bVDX_(DISPATCH|IN_PLACE)\((\w+)\))");
    std::vector<ListedExport> out;
    const std::string text = strip_comments(read_file(VDXS_EXPORT_LIST_PATH));
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row); it != std::sregex_iterator(); ++it)
        out.push_back({(*it)[2].str(), (*it)[1].str() == "DISPATCH"});
    return out;
}

// nm output of the library: name -> (type letter, address).
struct Symbol {
    char type;
    std::uintptr_t address;
};

std::map<std::string, Symbol> nm_symbols(const std::string& flags) {
    std::map<std::string, Symbol> out;
    const std::string command = "nm " + flags + " '" VDXS_LIBRARY_PATH "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char line[1024];
    while (fgets(line, sizeof line, pipe)) {
        unsigned long long address = 0;
        char type = 0;
        char name[900];
        if (std::sscanf(line, "%llx %c %899s", &address, &type, name) == 3)
            out[name] = Symbol{type, static_cast<std::uintptr_t>(address)};
    }
    pclose(pipe);
    return out;
}

TEST(Exports, HeaderListAndDynamicSymbolsNameTheSameFunctions) {
    const auto header = header_functions();
    const auto listed = export_list();
    const auto dynamic = nm_symbols("-D --defined-only");
    ASSERT_FALSE(header.empty());
    ASSERT_FALSE(dynamic.empty()) << "could not run nm on " VDXS_LIBRARY_PATH;

    std::set<std::string> header_set(header.begin(), header.end());
    EXPECT_EQ(header_set.size(), header.size()) << "a prototype is declared twice";
    std::set<std::string> list_set;
    for (const auto& e : listed) EXPECT_TRUE(list_set.insert(e.name).second) << e.name << " listed twice";
    std::set<std::string> dynamic_set;
    for (const auto& [name, sym] : dynamic) {
        EXPECT_EQ(sym.type, 'T') << name << " is exported but is not a function";
        dynamic_set.insert(name);
    }
    for (const auto& name : header_set) {
        EXPECT_TRUE(list_set.count(name)) << name << " is declared but not in the export list";
        EXPECT_TRUE(dynamic_set.count(name)) << name << " is declared but not exported";
    }
    for (const auto& name : list_set) EXPECT_TRUE(header_set.count(name)) << name << " is listed but not declared";
    for (const auto& name : dynamic_set)
        EXPECT_TRUE(header_set.count(name)) << name << " is exported but not declared";
    const auto in_place = std::count_if(listed.begin(), listed.end(), [](const auto& e) { return !e.dispatched; });
    EXPECT_EQ(in_place, 1);
}

// Each dispatched export, in the running process: its entry is exactly
// `jmp *slot(%rip)`, the slot is its own `<name>_arraddr`, the slots follow
// the list order, and each slot holds the address of `y8_<name>`; no two
// exports share an implementation.
TEST(Exports, EveryEntryJumpsThroughItsOwnSlotToItsOwnImplementation) {
    const auto all = nm_symbols("--defined-only");
    void* handle = dlopen(VDXS_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr) << dlerror();
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&vdxsGetLibVersion), &info), 0);
    const auto base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);

    std::set<std::uintptr_t> implementations;
    std::uintptr_t previous_slot = 0;
    int dispatched = 0;
    for (const auto& e : export_list()) {
        const auto entry = reinterpret_cast<std::uintptr_t>(dlsym(handle, e.name.c_str()));
        ASSERT_NE(entry, 0u) << e.name;
        if (!e.dispatched) {
            EXPECT_EQ(all.count(e.name + "_arraddr"), 0u) << e.name << " must have no slot";
            continue;
        }
        ++dispatched;
        ASSERT_TRUE(all.count(e.name + "_arraddr")) << e.name;
        ASSERT_TRUE(all.count("y8_" + e.name)) << e.name;
        const std::uintptr_t slot = base + all.at(e.name + "_arraddr").address;
        const std::uintptr_t impl = base + all.at("y8_" + e.name).address;

        unsigned char code[6];
        std::memcpy(code, reinterpret_cast<const void*>(entry), sizeof code);
        ASSERT_EQ(code[0], 0xFF) << e.name;
        ASSERT_EQ(code[1], 0x25) << e.name << ": not an indirect rip-relative jump";
        std::int32_t displacement;
        std::memcpy(&displacement, code + 2, sizeof displacement);
        EXPECT_EQ(entry + 6 + displacement, slot) << e.name << " jumps through another slot";

        std::uintptr_t target;
        std::memcpy(&target, reinterpret_cast<const void*>(slot), sizeof target);
        EXPECT_EQ(target, impl) << e.name << " slot does not hold y8_" << e.name;
        EXPECT_TRUE(implementations.insert(target).second) << e.name << " shares its implementation";
        EXPECT_GT(slot, previous_slot) << e.name << ": slots are not in export order";
        previous_slot = slot;
    }
    EXPECT_GT(dispatched, 0);
    dlclose(handle);
}

class Version : public ::testing::Test {
protected:
    void TearDown() override { vdxcoreSetFeatureMask(0); }
};

TEST_F(Version, RecordFieldsAndFeatureSelection) {
    vdxcoreSetFeatureMask(VDXCORE_FEATURE_AVX2_FMA);
    const VdxLibVersion* plain = vdxsGetLibVersion();
    EXPECT_EQ(plain, vdxsGetLibVersion()) << "same answer, same record";
    vdxcoreSetFeatureMask(0);
    const VdxLibVersion* current = vdxsGetLibVersion();
    const bool wide = ownGetFeature(0x80) != 0;

    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->major, 7);
    EXPECT_EQ(plain->minor, 0);
    EXPECT_EQ(plain->buildMajor, 205);
    EXPECT_EQ(plain->buildNumber, 1104);
    EXPECT_EQ(0, std::memcmp(plain->cpuCode, "y8\0\0", 4));
    EXPECT_STREQ(plain->libName, "libvdxsy8-7.0.dylib");
    EXPECT_STREQ(plain->versionText, "7.0 build 205.105");
    EXPECT_STREQ(plain->buildDate, "Apr  7 2012");

    if (!wide) {
        EXPECT_EQ(current, plain);
        GTEST_SKIP() << "the wide feature is absent or hidden; only the plain record is reachable";
    }
    // The query is repeated on every call: hiding the feature changes the answer at once.
    EXPECT_NE(current, plain);
    EXPECT_STREQ(current->libName, "libvdxsy8-7.0.dylib+");
    EXPECT_EQ(current->versionText, plain->versionText) << "the texts are shared";
    EXPECT_EQ(current->buildDate, plain->buildDate);
    EXPECT_EQ(0, std::memcmp(current, plain, offsetof(VdxLibVersion, libName)));
}

TEST(Constants, SpecialValuesHaveTheirBitPatterns) {
    auto bits32 = [](float v) { std::uint32_t b; std::memcpy(&b, &v, 4); return b; };
    auto bits64 = [](double v) { std::uint64_t b; std::memcpy(&b, &v, 8); return b; };
    EXPECT_EQ(bits32(vdxConstantOfNAN_32f), 0xFFC00000u);
    EXPECT_EQ(bits32(vdxConstantOfINF_32f), 0x7F800000u);
    EXPECT_EQ(bits32(vdxConstantOfINF_NEG_32f), 0xFF800000u);
    EXPECT_EQ(bits64(vdxConstantOfNAN_64f), 0xFFF8000000000000ull);
    EXPECT_EQ(bits64(vdxConstantOfINF_64f), 0x7FF0000000000000ull);
    EXPECT_EQ(bits64(vdxConstantOfINF_NEG_64f), 0xFFF0000000000000ull);
}

TEST(Layout, ElementTypesHaveTheirSizesAndOrder) {
    static_assert(sizeof(Vdx16sc) == 4 && sizeof(Vdx32sc) == 8 && sizeof(Vdx64sc) == 16);
    static_assert(sizeof(Vdx32fc) == 8 && sizeof(Vdx64fc) == 16 && sizeof(Vdx8sc) == 2);
    static_assert(sizeof(Vdx16f) == 2 && sizeof(Vdx24u) == 3 && sizeof(VdxStatus) == 4);
    static_assert(sizeof(VdxRoundMode) == 4 && sizeof(VdxHintAlgorithm) == 4);
    static_assert(offsetof(Vdx32fc, im) == sizeof(float), "real part first");
    static_assert(offsetof(VdxLibVersion, cpuCode) == 16 && offsetof(VdxLibVersion, libName) == 24);
    SUCCEED();
}

}  // namespace
