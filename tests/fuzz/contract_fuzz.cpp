// Contract fuzzer: every status-returning export of vdxs.h with null
// pointers, lengths the buffers cannot hold, extreme scalars, bad orders,
// flags and enumerations, misaligned and aliased vectors and foreign objects:
// the status, nothing written on error, const inputs and guards unchanged.
// Each function runs in a child process, so a crash names its call.  One
// fixed pass, or random cases for --seconds; `known` cases in the
// expectations file are skipped unless --run-known, `allow` relaxes one,
// `outside` cases (beyond what a function that checks nothing accepts) are
// never run.
#include <fnmatch.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_types.h"

namespace fuzz {
#include "fuzz_table.inc"
}  // namespace fuzz

using namespace fuzz;

namespace {

constexpr std::size_t kGuard = 64;           // sentinel bytes around every buffer
constexpr std::size_t kElems = 320;          // vector capacity: 64 elements, an order-8 CCS spectrum
constexpr int kLongLength = 45;              // fits kElems with SumWindow's len + maskSize - 1
constexpr std::size_t kWorkBytes = 1 << 17;  // work memory and object placement (FIR and IIR states at len 45)
constexpr std::size_t kBlockBytes = 1 << 13;  // forged objects
constexpr unsigned char kGuardByte = 0xEB, kWorkByte = 0xA5;
constexpr int kFuncCount = std::size(kFunctions), kTypeCount = std::size(kObjectTypes);
const std::vector<long long> kBadLengths = {0, -1, INT_MIN};
const std::vector<long long> kBadOrders = {-1, 30, 31, 32, INT_MIN, INT_MAX};
const std::vector<long long> kBadFlags = {0, 3, 5, 16, -1, INT_MIN, INT_MAX};
const std::vector<long long> kBadEnums = {-1, 3, 4, 5, INT_MIN, INT_MAX};
const std::vector<long long> kScales = {INT_MIN, INT_MAX, -64, -33, -32, -31, 31, 32, 33, 64};

// Special value i of a component: 1 0 -0 -NaN NaN inf -inf max -max denormal -1
// for floats, 1 0 -1 min max 2 for integers.
std::uint64_t special_bits(char kind, std::size_t size, int i) {
    static const float f32[] = {1, 0, -0.0f, -NAN, NAN, INFINITY, -INFINITY, FLT_MAX, -FLT_MAX, 0x1p-149f, -1};
    static const double f64[] = {1, 0, -0.0, -NAN, NAN, INFINITY, -INFINITY, DBL_MAX, -DBL_MAX, 0x1p-1074, -1};
    const std::uint64_t top = std::uint64_t(1) << (8 * size - 1), ints[] = {1, 0, ~std::uint64_t(0), top, top - 1, 2};
    std::uint64_t bits = ints[i % 6];
    if (kind == 'f') size == 4 ? std::memcpy(&bits, &f32[i % 11], 4) : std::memcpy(&bits, &f64[i % 11], 8);
    return kind == 'f' && size == 4 ? bits & 0xFFFFFFFF : bits;
}
int special_count(const TypeOps* t) { return t->comp_kind == 'f' ? 11 : 6; }

void put_component(unsigned char* dst, std::size_t size, std::uint64_t bits) { std::memcpy(dst, &bits, size); }

// Every component of one value of type t set to special value i.
void put_special(unsigned char* dst, const TypeOps* t, int i) {
    for (int c = 0; c < t->comps; ++c) put_component(dst + c * t->comp_size, t->comp_size, special_bits(t->comp_kind, t->comp_size, i));
}

// Vector contents: mostly small values, some specials, some raw bits.
void fill_random(unsigned char* dst, std::size_t bytes, const TypeOps* t, std::mt19937_64& rng) {
    for (std::size_t at = 0; at + t->comp_size <= bytes; at += t->comp_size) {
        const unsigned r = rng() % 8;
        std::uint64_t bits = rng();
        if (r < 5) {  // small values, quarters for floats
            const long long small = static_cast<long long>(rng() % 41) - 20;
            const float f = float(small) / 4;
            const double d = double(small) / 4;
            bits = t->comp_kind != 'f' ? static_cast<std::uint64_t>(small) : 0;
            if (t->comp_kind == 'f') std::memcpy(&bits, t->comp_size == 4 ? (const void*)&f : &d, t->comp_size);
        } else if (r < 7) {
            bits = special_bits(t->comp_kind, t->comp_size, int(rng() % 11));
        }
        put_component(dst + at, t->comp_size, bits);
    }
}

Slot int_slot(long long v) { Slot s{}; const int i = int(v); std::memcpy(s.bytes, &i, sizeof i); return s; }

enum Expect { kAny, kNegative, kNullPtr, kContext, kSameAsBase };
enum PtrMode { kBuffer, kNull, kZeroed, kForgedOwn, kForgedOwnGarbage, kForgedOwnSmall, kForgedOther, kForeign, kFreed };
const char* const kModeNames[] = {"buffer", "null", "zeroed", "forged(own id, zeros)", "forged(own id, garbage)",
                                  "forged(own id, small words)", "forged(other id)", "foreign", "freed"};

struct Case {
    std::string label;
    std::vector<Slot> scalars;     // per parameter (scalars only)
    std::vector<int> mode;         // per parameter (pointers and objects)
    std::vector<int> misalign;     // bytes added to a buffer's start
    std::vector<int> other_type;   // kForeign / kForgedOther: which object type
    int alias_dst = -1, alias_src = -1;  // pDst given the source's buffer
    std::vector<int> fill_like;    // parameter whose seed fills this buffer
    Expect expect = kAny;
};

struct Fixtures {
    std::vector<void*> object;           // a live object per type (InitAlloc), or null
    std::vector<std::uint32_t> id;       // its identifier
    std::vector<unsigned char*> freed;   // caller memory that held an object until Free
};
Fixtures g_fix;
std::vector<unsigned char*> g_kept;  // caller memory of the freed objects
std::vector<std::pair<std::string, std::string>> g_known, g_allow, g_outside;
char g_own_current[2048];
char* g_current = g_own_current;  // the call under way, for crash reports

bool listed(const std::vector<std::pair<std::string, std::string>>& list, const Function& f, const std::string& label) {
    for (const auto& [fn, cs] : list)
        if (fnmatch(fn.c_str(), f.name, 0) == 0 && fnmatch(cs.c_str(), label.c_str(), 0) == 0) return true;
    return false;
}

Case base_case(const Function& f, std::mt19937_64* rng) {
    Case c;
    c.label = "base";
    c.scalars.resize(f.count);
    c.mode.assign(f.count, kBuffer);
    c.misalign.assign(f.count, 0);
    c.other_type.assign(f.count, 0);
    c.fill_like.resize(f.count);
    for (int i = 0; i < f.count; ++i) {
        const Param& p = f.params[i];
        c.fill_like[i] = i;
        auto pick = [&](long long fixed, long long lo, long long hi) {
            return int_slot(rng ? lo + static_cast<long long>((*rng)() % (hi - lo + 1)) : fixed);
        };
        switch (p.kind) {
            case kLength: c.scalars[i] = pick(7, 1, 64); break;
            case kOrder: c.scalars[i] = pick(3, 0, 6); break;
            case kFlag: c.scalars[i] = int_slot(rng ? 1 << ((*rng)() % 4) : VDX_FFT_NODIV_BY_ANY); break;
            case kScale: c.scalars[i] = pick(0, -20, 40); break;
            case kHint: case kEnum: {
                const int* e = kEnumValues[p.index];
                c.scalars[i] = int_slot(e[1 + (rng ? (*rng)() % e[0] : 0)]);
                break;
            }
            case kScalar:
                std::memset(c.scalars[i].bytes, 0, sizeof(Slot));
                put_special(c.scalars[i].bytes, p.type, rng && (*rng)() % 3 == 0 ? int((*rng)() % 11) : 0);
                break;
            default: break;
        }
    }
    return c;
}

Case variant(Case c, std::string label, Expect expect) {
    c.label = std::move(label);
    c.expect = expect;
    return c;
}

std::string value_name(long long v) { return v == INT_MIN ? "INT_MIN" : v == INT_MAX ? "INT_MAX" : std::to_string(v); }

// Offsets from a 64-byte boundary a vector is moved by: 1..7 bytes with
// --byte-misalign, otherwise up to seven multiples of the part size (a C
// pointer to float must stay 4-byte aligned; the sanitizers check that).
bool g_byte_misalign = false;
std::vector<int> misalignments(const Param& p) {
    std::vector<int> out;
    const int step = g_byte_misalign || !p.type ? 1 : int(p.type->comp_size);
    for (int k = step; k < 8 * step && (g_byte_misalign ? k < 8 : k < 64); k += step) out.push_back(k);
    return out;
}

// The fixed cases of one function.
std::vector<Case> fixed_cases(const Function& f) {
    const Case base = base_case(f, nullptr);
    std::vector<Case> cases{base};
    std::vector<int> lengths;
    for (int i = 0; i < f.count; ++i)
        if (f.params[i].kind == kLength) lengths.push_back(i);
    // A length the buffers cannot hold is only passed together with an
    // argument that must be rejected first (a required null pointer, an
    // enumeration value outside its type, an object that is not one): a
    // correct library then touches nothing, and one that does not reject it
    // runs past the buffer, which the guard zones or the sanitizers see.
    auto with_large_lengths = [&](Case c, const char* why) {
        for (int l : lengths) c.scalars[l] = int_slot(INT_MAX);
        c.label += std::string("+lengths=INT_MAX(") + why + ")";
        return c;
    };
    for (int i = 0; i < f.count; ++i) {
        const Param& p = f.params[i];
        const std::string n = p.name;
        auto set_int = [&](long long v, Expect e) {
            Case c = variant(base, n + "=" + value_name(v), e);
            c.scalars[i] = int_slot(v);
            cases.push_back(c);
        };
        switch (p.kind) {
            case kPointer: case kObject: case kObjectOut: {
                Case c = variant(base, "null:" + n, p.flags & kOptional ? kAny : kNullPtr);
                c.mode[i] = kNull;
                cases.push_back(c);
                const bool must_fail = !(p.flags & kOptional) && !listed(g_allow, f, c.label);
                if (must_fail && !lengths.empty()) cases.push_back(with_large_lengths(c, "null"));
                // Moved vectors, at the base length and at one that runs whole
                // vector blocks and a tail.
                for (int k : misalignments(p))
                    if (p.kind == kPointer) {
                        Case a = variant(base, "misalign:" + n + "+" + std::to_string(k), kSameAsBase);
                        a.misalign[i] = k;
                        cases.push_back(a);
                        if (lengths.empty()) continue;
                        for (int l : lengths) a.scalars[l] = int_slot(kLongLength);
                        a.label += ",len=" + std::to_string(kLongLength);
                        cases.push_back(a);
                    }
                if (p.kind != kObject) break;
                for (int m = kZeroed; m <= kFreed; ++m)
                    for (int t = 0; t < (m == kForeign || m == kForgedOther ? kTypeCount : 1); ++t) {
                        if ((m == kForeign || m == kForgedOther) && (t == p.index || !g_fix.object[t])) continue;
                        if (m == kFreed && !g_fix.freed[p.index]) continue;
                        std::string what = kModeNames[m];
                        if (m == kForeign || m == kForgedOther) what += std::string(":") + kObjectTypes[t].name;
                        Case o = variant(base, n + "=" + what, kContext);
                        o.mode[i] = m;
                        o.other_type[i] = t;
                        cases.push_back(o);
                        if (m == kZeroed && !lengths.empty()) cases.push_back(with_large_lengths(o, "object"));
                    }
                break;
            }
            case kLength:
                for (long long v : kBadLengths)
                    if (v == 0 || p.type->comp_kind == 's') set_int(v, kNegative);
                set_int(1, kAny);
                break;
            case kOrder: for (long long v : kBadOrders) set_int(v, kNegative); break;
            case kFlag: for (long long v : kBadFlags) set_int(v, kNegative); break;
            case kScale: for (long long v : kScales) set_int(v, kAny); break;
            case kHint: case kEnum: {
                const int* e = kEnumValues[p.index];
                for (long long v : kBadEnums) {
                    if (std::find(e + 1, e + 1 + e[0], v) != e + 1 + e[0]) continue;
                    set_int(v, p.kind == kEnum ? kNegative : kAny);
                    if (p.kind == kEnum && !lengths.empty()) cases.push_back(with_large_lengths(cases.back(), "enum"));
                }
                for (int k = 1; k <= e[0]; ++k) set_int(e[k], kAny);
                break;
            }
            case kScalar:
                for (int s = 1; s < special_count(p.type); ++s) {
                    Case c = variant(base, n + "=special" + std::to_string(s), kAny);
                    put_special(c.scalars[i].bytes, p.type, s);
                    cases.push_back(c);
                }
                break;
        }
    }
    // In place through the out-of-place form: pDst on each source of its type.
    for (int d = 0; f.has_in_place_twin && d < f.count; ++d) {
        const Param& dst = f.params[d];
        if (dst.kind != kPointer || (dst.flags & (kConst | kWork))) continue;
        for (int s = 0; s < f.count; ++s) {
            const Param& src = f.params[s];
            if (src.kind != kPointer || !(src.flags & kConst) || src.type != dst.type) continue;
            Case a = variant(base, std::string("alias:") + dst.name + "=" + src.name, kSameAsBase);
            a.fill_like[d] = s;
            a.alias_dst = d, a.alias_src = s;
            cases.push_back(a);
        }
        break;
    }
    return cases;
}

struct Buffer {
    unsigned char* base = nullptr;
    std::size_t bytes = 0;  // payload
    int shift = 0;
    unsigned char* data() const { return base + kGuard + shift; }
    std::size_t total() const { return bytes + 2 * kGuard + 8; }
};

struct Outcome {
    VdxStatus status = 0;
    std::vector<std::vector<unsigned char>> outputs;  // per parameter, writable non-work buffers
    std::vector<std::string> faults;
};

std::string describe(const Function& f, const Case& c, const Slot* s) {
    std::ostringstream o;
    o << f.name << "(";
    for (int i = 0; i < f.count; ++i) {
        const Param& p = f.params[i];
        o << (i ? ", " : "") << p.name << "=";
        if (p.kind == kPointer || p.kind == kObject || p.kind == kObjectOut) {
            o << kModeNames[c.mode[i]];
            if (c.mode[i] == kForeign || c.mode[i] == kForgedOther) o << ":" << kObjectTypes[c.other_type[i]].name;
            if (c.misalign[i]) o << "+" << c.misalign[i];
            if (i == c.alias_dst) o << " (aliasing " << f.params[c.alias_src].name << ")";
        } else if (p.kind == kScalar) {  // each component's bits
            for (int k = 0; k < p.type->comps; ++k) {
                std::uint64_t b = 0;
                std::memcpy(&b, s[i].bytes + k * p.type->comp_size, p.type->comp_size);
                o << (k ? "," : "") << std::hex << "0x" << b << std::dec;
            }
        } else {
            o << value_name(s[i].as<int>());
        }
    }
    o << ")  [" << c.label << "]";
    return o.str();
}

void free_object(int type, void* obj) {
    const int fr = kObjectTypes[type].free;
    if (fr < 0 || obj == nullptr) return;
    Slot s{};
    std::memcpy(s.bytes, &obj, sizeof obj);
    kFunctions[fr].call(&s);
}

// A new object of type t from its InitAlloc with the base arguments.
void* new_object(int t) {
    if (kObjectTypes[t].init_alloc < 0) return nullptr;
    const Function& f = kFunctions[kObjectTypes[t].init_alloc];
    std::vector<Slot> s = base_case(f, nullptr).scalars;
    void* obj = nullptr;
    void* where = &obj;
    for (int i = 0; i < f.count; ++i)
        if (f.params[i].kind == kObjectOut) std::memcpy(s[i].bytes, &where, sizeof where);
    return f.call(s.data()) >= 0 ? obj : nullptr;
}

// One call of f as the case says; `keep` receives the caller memory of a
// successful Init (then not released) for fixtures.
Outcome run(const Function& f, const Case& c, std::uint64_t seed, unsigned char** keep = nullptr) {
    Outcome out;
    std::vector<Slot> slots = c.scalars;
    std::vector<Buffer> bufs(f.count);
    std::vector<unsigned char*> blocks(f.count, nullptr);
    std::vector<void*> fresh(f.count, nullptr);  // objects the call may change or release
    for (int i = 0; i < f.count; ++i) {
        const Param& p = f.params[i];
        void* ptr = nullptr;
        if (p.kind == kPointer || p.kind == kObjectOut) {
            Buffer& b = bufs[i];
            b.bytes = p.kind == kObjectOut ? sizeof(void*) : (p.flags & kWork) ? kWorkBytes : kElems * p.type->size;
            b.shift = c.misalign[i];
            b.base = static_cast<unsigned char*>(std::aligned_alloc(64, (b.total() + 63) / 64 * 64));
            std::memset(b.base, kGuardByte, b.total());
            std::mt19937_64 rng(seed * 131 + c.fill_like[i]);
            if (p.flags & kWork) std::memset(b.data(), kWorkByte, b.bytes);
            else if (p.type) fill_random(b.data(), b.bytes, p.type, rng);
            else std::memset(b.data(), 0xCD, b.bytes);
            if (c.mode[i] == kBuffer) ptr = b.data();
        } else if (p.kind == kObject) {
            const int m = c.mode[i], t = (m == kForeign || m == kForgedOther) ? c.other_type[i] : p.index;
            if (m == kBuffer && !(p.flags & kConst)) ptr = fresh[i] = new_object(p.index);
            else if (m == kBuffer) ptr = g_fix.object[p.index];
            else if (m == kForeign) ptr = g_fix.object[t];
            else if (m == kFreed) ptr = g_fix.freed[p.index];
            else if (m != kNull) {
                blocks[i] = static_cast<unsigned char*>(std::aligned_alloc(64, kBlockBytes));
                std::mt19937_64 rng(seed);
                // Garbage: random bytes, or random words 0..7 (counts and orders
                // in range, pointers made of them not).
                for (std::size_t k = 0; k < kBlockBytes; ++k)
                    blocks[i][k] = m == kForgedOwnGarbage ? (unsigned char)rng() : m == kForgedOwnSmall && k % 4 == 0 ? rng() % 8 : 0;
                const std::uint32_t id = m == kZeroed ? 0 : g_fix.id[t];
                std::memcpy(blocks[i], &id, sizeof id);
                ptr = blocks[i];
            }
        } else {
            continue;
        }
        std::memcpy(slots[i].bytes, &ptr, sizeof ptr);
    }
    if (c.alias_dst >= 0) std::memcpy(slots[c.alias_dst].bytes, slots[c.alias_src].bytes, sizeof(void*));

    std::vector<std::vector<unsigned char>> before(f.count), block_before(f.count);
    for (int i = 0; i < f.count; ++i) {
        if (bufs[i].base) before[i].assign(bufs[i].base, bufs[i].base + bufs[i].total());
        if (blocks[i]) block_before[i].assign(blocks[i], blocks[i] + kBlockBytes);
    }
    std::snprintf(g_current, sizeof g_own_current, "%s", describe(f, c, slots.data()).c_str());
    out.status = f.call(slots.data());

    auto fault = [&](const std::string& what) { out.faults.push_back(what); };
    for (int i = 0; i < f.count; ++i) {
        const Param& p = f.params[i];
        const Buffer& b = bufs[i];
        if (blocks[i] && std::memcmp(blocks[i], block_before[i].data(), kBlockBytes) != 0)
            fault(std::string("wrote into the rejected object ") + p.name);
        if (!b.base) continue;
        const unsigned char* was = before[i].data();
        const std::size_t head = kGuard + b.shift, tail = b.total() - head - b.bytes;
        if (std::memcmp(b.base, was, head) != 0 || std::memcmp(b.data() + b.bytes, was + head + b.bytes, tail) != 0)
            fault(std::string("wrote outside ") + p.name);
        const bool changed = std::memcmp(b.data(), was + head, b.bytes) != 0;
        const bool written_through_alias = i == c.alias_src;
        if (changed && (p.flags & kConst) && !written_through_alias) fault(std::string("changed const input ") + p.name);
        if (changed && out.status < 0 && !(p.flags & kWork)) fault(std::string("error status but wrote ") + p.name);
        if ((!(p.flags & (kConst | kWork)) && p.kind != kObjectOut) || written_through_alias) {
            const int from = i == c.alias_dst ? c.alias_src : i;
            out.outputs.resize(f.count);
            out.outputs[i].assign(bufs[from].data(), bufs[from].data() + bufs[from].bytes);
        }
    }
    // Objects made for or by the call are released (or handed to the fixtures).
    for (int i = 0; i < f.count; ++i) {
        if (fresh[i]) {
            const int fr = kObjectTypes[f.params[i].index].free;
            const bool released = out.status >= 0 && fr >= 0 && &f == &kFunctions[fr];
            if (!released) free_object(f.params[i].index, fresh[i]);
        }
        if (f.params[i].kind != kObjectOut || out.status < 0 || c.mode[i] != kBuffer || keep) continue;
        void* obj = nullptr;
        std::memcpy(&obj, bufs[i].data(), sizeof obj);
        free_object(f.params[i].index, obj);
    }
    // Init places its object in its first byte work parameter: that one is kept.
    int placement = -1;
    for (int i = f.count - 1; i >= 0; --i)
        if ((f.params[i].flags & kWork) && f.params[i].type == typeops<Vdx8u>()) placement = i;
    for (int i = 0; i < f.count; ++i) {
        const bool kept = keep && i == placement;
        if (kept && out.status >= 0) *keep = bufs[i].base;
        else std::free(bufs[i].base);
        std::free(blocks[i]);
    }
    return out;
}

// Checks one case against its expectation; returns the faults found.  A
// misaligned or aliased call is compared with the same inputs aligned and
// separate.
std::vector<std::string> check(const Function& f, const Case& c, std::uint64_t seed) {
    Outcome reference;
    const Outcome* base = nullptr;
    if (c.expect == kSameAsBase) {
        Case r = c;
        r.misalign.assign(f.count, 0);
        r.alias_dst = r.alias_src = -1;
        reference = run(f, r, seed);
        base = &reference;
    }
    Outcome o = run(f, c, seed);
    const VdxStatus s = o.status;
    const bool allowed = listed(g_allow, f, c.label);
    if (!allowed) {
        if (c.expect == kNegative && s >= 0) o.faults.push_back("accepted (status " + std::to_string(s) + ")");
        if (c.expect == kNullPtr && s != vdxStsNullPtrErr) o.faults.push_back("status " + std::to_string(s) + ", not vdxStsNullPtrErr");
        if (c.expect == kContext && s != vdxStsContextMatchErr && s != vdxStsNullPtrErr)
            o.faults.push_back("status " + std::to_string(s) + ", not vdxStsContextMatchErr");
        if (c.expect == kSameAsBase && base) {
            if (s != base->status) o.faults.push_back("status " + std::to_string(s) + ", aligned and separate: " + std::to_string(base->status));
            for (int i = 0; i < f.count && s == base->status; ++i)
                if (i < int(o.outputs.size()) && i < int(base->outputs.size()) && !o.outputs[i].empty() &&
                    !base->outputs[i].empty() && o.outputs[i] != base->outputs[i])
                    o.faults.push_back(std::string("result in ") + f.params[i].name + " differs from the aligned, separate call");
        }
    }
    std::vector<std::string> report;
    for (const auto& what : o.faults) report.push_back(std::string(g_current) + ": " + what);
    return report;
}

void make_fixtures() {
    g_fix.object.assign(kTypeCount, nullptr);
    g_fix.id.assign(kTypeCount, 0);
    g_fix.freed.assign(kTypeCount, nullptr);
    for (int t = 0; t < kTypeCount; ++t) {
        const ObjectType& ot = kObjectTypes[t];
        if (void* obj = new_object(t)) {
            g_fix.object[t] = obj;
            std::memcpy(&g_fix.id[t], obj, sizeof(std::uint32_t));
        }
        if (ot.init >= 0 && ot.free >= 0) {
            unsigned char* mem = nullptr;
            const Function& f = kFunctions[ot.init];
            if (run(f, base_case(f, nullptr), 1, &mem).status >= 0 && mem) {
                void* obj = kGuard + mem + (32 - (reinterpret_cast<std::uintptr_t>(mem + kGuard) % 32)) % 32;
                free_object(t, obj);
                g_fix.freed[t] = static_cast<unsigned char*>(obj);
                g_kept.push_back(mem);
            }
        }
    }
}

void release_fixtures() {
    for (int t = 0; t < kTypeCount; ++t) free_object(t, g_fix.object[t]);
    for (unsigned char* mem : g_kept) std::free(mem);
    g_kept.clear();
}

// Every sanitizer report ends the child; its parent names the call.
extern "C" const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }
extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }

// What a child leaves for its parent, in memory they share: the call under
// way (the crashing one, if it does not finish) and its counts.
struct ChildReport {
    int finished, faults, skipped;
    char current[2048];
};

int print_faults(const std::vector<std::string>& lines) {
    for (const auto& line : lines) std::printf("FAULT %s\n", line.c_str());
    std::fflush(stdout);
    return int(lines.size());
}

int run_function_fixed(const Function& f, bool run_known, int* skipped) {
    int faults = 0;
    const std::vector<Case> cases = fixed_cases(f);
    const std::uint64_t seed = std::hash<std::string>{}(f.name);
    for (const Case& c : cases) {
        if (listed(g_outside, f, c.label)) continue;
        if (!run_known && listed(g_known, f, c.label)) { ++*skipped; continue; }
        faults += print_faults(check(f, c, seed));
    }
    return faults;
}

// Random cases: a random valid base with one or two of the fixed perturbations.
int run_function_random(const Function& f, std::uint64_t seed, int count, bool run_known, int* skipped) {
    std::mt19937_64 rng(seed);
    const std::vector<Case> perturb = fixed_cases(f);
    int faults = 0;
    for (int n = 0; n < count; ++n) {
        Case base = base_case(f, &rng);
        for (int i = 0; i < f.count; ++i)
            if (f.params[i].kind == kPointer && rng() % 4 == 0) {
                const std::vector<int> offsets = misalignments(f.params[i]);
                base.misalign[i] = offsets[rng() % offsets.size()];
            }
        Case c = base;
        std::vector<const Case*> picks;
        for (int k = 0, m = 1 + int(rng() % 2); k < m; ++k) picks.push_back(&perturb[rng() % perturb.size()]);
        // A large length only comes with the argument that must make the call
        // fail first, so nothing applied after it may undo that argument.
        std::stable_partition(picks.begin(), picks.end(), [](const Case* p) { return p->label.find("INT_MAX(") == std::string::npos; });
        std::vector<bool> touched(f.count, false);
        for (int k = 0; k < int(picks.size()); ++k) {
            const Case& p = *picks[k];
            // Perturbations of different parameters only, so none undoes another.
            std::vector<bool> mine(f.count, false);
            bool overlap = false;
            for (int i = 0; i < f.count; ++i) {
                mine[i] = std::memcmp(p.scalars[i].bytes, perturb[0].scalars[i].bytes, sizeof(Slot)) != 0 ||
                          p.mode[i] != kBuffer || p.misalign[i] || i == p.alias_dst || i == p.alias_src;
                overlap = overlap || (mine[i] && touched[i]);
            }
            if (overlap || (p.alias_dst >= 0 && k > 0)) continue;
            for (int i = 0; i < f.count; ++i) touched[i] = touched[i] || mine[i];
            for (int i = 0; i < f.count; ++i) {
                const Param& q = f.params[i];
                const bool scalar = q.kind != kPointer && q.kind != kObject && q.kind != kObjectOut;
                if (scalar && std::memcmp(p.scalars[i].bytes, perturb[0].scalars[i].bytes, sizeof(Slot)) != 0) c.scalars[i] = p.scalars[i];
                if (p.mode[i] != kBuffer) c.mode[i] = p.mode[i], c.other_type[i] = p.other_type[i];
                if (p.misalign[i]) c.misalign[i] = p.misalign[i];
            }
            if (p.alias_dst >= 0) c.alias_dst = p.alias_dst, c.alias_src = p.alias_src, c.fill_like = p.fill_like;
            c.label = (c.label == "base" ? "" : c.label + ",") + p.label;
            c.expect = std::max(c.expect, p.expect == kSameAsBase ? kAny : p.expect);
        }
        if ((c.expect == kNullPtr || c.expect == kContext) && c.label.find(',') != std::string::npos) c.expect = kNegative;
        for (int i = 0; i < f.count; ++i) {  // the base's own offsets, named like the fixed cases
            const std::string tag = std::string("misalign:") + f.params[i].name + "+";
            if (c.misalign[i] && c.label.find(tag) == std::string::npos)
                c.label += (c.label == "base" ? "" : ",") + tag + std::to_string(c.misalign[i]);
        }
        if (listed(g_outside, f, c.label)) continue;
        if (!run_known && listed(g_known, f, c.label)) { ++*skipped; continue; }
        const std::uint64_t s = rng();
        if (c.expect == kAny) c.expect = kSameAsBase;
        faults += print_faults(check(f, c, s));
    }
    return faults;
}

void load_expectations(const char* path) {
    std::ifstream in(path);
    if (!in) { std::fprintf(stderr, "cannot read %s\n", path); std::exit(2); }
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string verb, fn, cs;
        if (!(words >> verb >> fn >> cs)) continue;
        (verb == "known" ? g_known : verb == "outside" ? g_outside : g_allow).emplace_back(fn, cs);
    }
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 0;
    int jobs = 1;
    bool run_known = false;
    std::string filter;
    std::uint64_t seed_arg = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() { return i + 1 < argc ? argv[++i] : (std::fprintf(stderr, "%s needs a value\n", a.c_str()), std::exit(2), argv[0]); };
        if (a == "--seconds") seconds = std::atof(next());
        else if (a == "--jobs") jobs = std::max(1, std::atoi(next()));
        else if (a == "--expect") load_expectations(next());
        else if (a == "--run-known") run_known = true;
        else if (a == "--filter") filter = next();
        else if (a == "--byte-misalign") g_byte_misalign = true;
        else if (a == "--seed") seed_arg = std::strtoull(next(), nullptr, 10);
        else { std::fprintf(stderr, "usage: %s [--seconds N] [--jobs N] [--expect FILE] [--run-known] [--byte-misalign] [--seed N] [--filter SUBSTR]\n", argv[0]); return 2; }
    }
    make_fixtures();

    std::vector<int> order;
    for (int f = 0; f < kFuncCount; ++f)
        if (filter.empty() || std::string(kFunctions[f].name).find(filter) != std::string::npos) order.push_back(f);
    if (order.empty()) {
        std::fprintf(stderr, "no function matches --filter %s\n", filter.c_str());
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    auto time_left = [&]() { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < seconds; };
    const std::uint64_t run_seed = seed_arg ? seed_arg : std::random_device{}() * 0x100000001ull;
    std::mt19937_64 rng(run_seed);
    if (seconds > 0) std::printf("random pass, seed %llu\n", (unsigned long long)run_seed);
    std::fflush(stdout);

    const int slots = jobs;
    auto* reports = static_cast<ChildReport*>(
        mmap(nullptr, sizeof(ChildReport) * slots, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::vector<pid_t> running(slots, 0);
    int failed = 0, crashed = 0, skipped = 0, done = 0;
    auto reap = [&]() {
        int st = 0;
        const pid_t pid = wait(&st);
        const int k = int(std::find(running.begin(), running.end(), pid) - running.begin());
        if (pid <= 0 || k == slots) return;
        const ChildReport& r = reports[k];
        if (!WIFEXITED(st) || WEXITSTATUS(st) != 0 || !r.finished) {
            ++crashed;
            std::printf("CRASH or sanitizer report %s %s (%s %d)\n", r.finished ? "at exit, last call" : "in",
                        r.current, WIFSIGNALED(st) ? "signal" : "exit status",
                        WIFSIGNALED(st) ? WTERMSIG(st) : WEXITSTATUS(st));
        }
        failed += r.faults > 0;
        skipped += r.skipped;
        running[k] = 0;
        std::fflush(stdout);
    };
    for (std::size_t n = 0; seconds > 0 ? time_left() : n < order.size(); ++n) {
        const int fi = seconds > 0 ? order[rng() % order.size()] : order[n];
        const std::uint64_t seed = run_seed + n;
        while (std::find(running.begin(), running.end(), 0) == running.end()) reap();
        const int k = int(std::find(running.begin(), running.end(), 0) - running.begin());
        reports[k] = ChildReport{};
        std::snprintf(reports[k].current, sizeof reports[k].current, "%s (before its first call)", kFunctions[fi].name);
        const pid_t pid = fork();
        if (pid == 0) {
            g_current = reports[k].current;
            ChildReport& r = reports[k];
            r.faults = seconds > 0 ? run_function_random(kFunctions[fi], seed, 100, run_known, &r.skipped)
                                   : run_function_fixed(kFunctions[fi], run_known, &r.skipped);
            release_fixtures();
            r.finished = 1;
            std::exit(0);
        }
        running[k] = pid;
        ++done;
    }
    while (std::find_if(running.begin(), running.end(), [](pid_t p) { return p != 0; }) != running.end()) reap();
    release_fixtures();
    std::printf("%d function runs, %d with contract faults, %d crashed or sanitizer reports, %d known cases skipped\n",
                done, failed, crashed, skipped);
    return failed || crashed ? 1 : 0;
}
