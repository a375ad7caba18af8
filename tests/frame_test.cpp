// The frame seen from outside: the version record, the element types, and
// the agreement of the public header, the export list and the library's
// dynamic symbol table.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

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

// The export list: every row names an export (VDX_DISPATCH or VDX_IN_PLACE).
std::vector<std::string> export_list() {
    static const std::regex row(R"(\bVDX_(DISPATCH|IN_PLACE)\((\w+)\))");
    return matches(strip_comments(read_file(VDXS_EXPORT_LIST_PATH)), row, 2);
}

// The library's defined dynamic symbols: name -> nm type letter.
std::map<std::string, char> dynamic_symbols() {
    std::map<std::string, char> out;
    FILE* pipe = popen("nm -D --defined-only '" VDXS_LIBRARY_PATH "'", "r");
    if (!pipe) return out;
    char line[1024], type = 0, name[900];
    unsigned long long address = 0;
    while (fgets(line, sizeof line, pipe))
        if (std::sscanf(line, "%llx %c %899s", &address, &type, name) == 3) out[name] = type;
    pclose(pipe);
    return out;
}

TEST(Exports, HeaderListAndDynamicSymbolsNameTheSameFunctions) {
    const auto header = header_functions();
    const auto listed = export_list();
    const auto dynamic = dynamic_symbols();
    ASSERT_FALSE(header.empty());
    ASSERT_FALSE(dynamic.empty()) << "could not run nm on " VDXS_LIBRARY_PATH;

    std::set<std::string> header_set(header.begin(), header.end());
    EXPECT_EQ(header_set.size(), header.size()) << "a prototype is declared twice";
    std::set<std::string> list_set;
    for (const auto& name : listed) EXPECT_TRUE(list_set.insert(name).second) << name << " listed twice";
    std::set<std::string> dynamic_set;
    for (const auto& [name, type] : dynamic) {
        EXPECT_EQ(type, 'T') << name << " is exported but is not a function";
        dynamic_set.insert(name);
    }
    for (const auto& name : header_set) {
        EXPECT_TRUE(list_set.count(name)) << name << " is declared but not in the export list";
        EXPECT_TRUE(dynamic_set.count(name)) << name << " is declared but not exported";
    }
    for (const auto& name : list_set) EXPECT_TRUE(header_set.count(name)) << name << " is listed but not declared";
    for (const auto& name : dynamic_set)
        EXPECT_TRUE(header_set.count(name)) << name << " is exported but not declared";
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

// The element types' layout is part of the interface (checked when compiling).
static_assert(sizeof(Vdx16sc) == 4 && sizeof(Vdx32sc) == 8 && sizeof(Vdx64sc) == 16 && sizeof(Vdx8sc) == 2);
static_assert(sizeof(Vdx32fc) == 8 && sizeof(Vdx64fc) == 16 && sizeof(Vdx16f) == 2 && sizeof(Vdx24u) == 3);
static_assert(sizeof(VdxStatus) == 4 && sizeof(VdxRoundMode) == 4 && sizeof(VdxHintAlgorithm) == 4);
static_assert(offsetof(Vdx32fc, im) == sizeof(float) && offsetof(VdxLibVersion, cpuCode) == 16 && offsetof(VdxLibVersion, libName) == 24);

}  // namespace
