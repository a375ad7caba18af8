// Buffers for black-box tests that must see every byte a call writes:
// guard zones of a poison byte around the data, or inaccessible pages right
// against it, so that one element too many either shows or faults.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

constexpr std::uint8_t kPoison = 0xA5;

// `size` bytes starting `misalign` bytes past a 64-byte boundary, between
// 64 poisoned bytes on each side.  A copy keeps the layout by index, so two
// buffers compare whole.
class Guarded {
public:
    Guarded(std::size_t size, std::size_t misalign) : size_(size), all_(size + misalign + 192, kPoison) {
        lead_ = (64 - reinterpret_cast<std::uintptr_t>(all_.data()) % 64) % 64 + 64 + misalign;
    }
    std::uint8_t* data() { return all_.data() + lead_; }
    template <class T>
    T* as() {
        return reinterpret_cast<T*>(data());
    }
    const std::vector<std::uint8_t>& all() const { return all_; }
    bool guards_intact() const {
        auto poisoned = [](std::uint8_t b) { return b == kPoison; };
        return std::all_of(all_.begin(), all_.begin() + lead_, poisoned) &&
               std::all_of(all_.begin() + lead_ + size_, all_.end(), poisoned);
    }

private:
    std::size_t size_, lead_;
    std::vector<std::uint8_t> all_;
};

// Read-write pages between two inaccessible ones.
class Fenced {
public:
    explicit Fenced(std::size_t bytes) : page_(sysconf(_SC_PAGESIZE)), size_((bytes / page_ + 1) * page_) {
        void* p = mmap(nullptr, size_ + 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) std::abort();
        map_ = static_cast<std::uint8_t*>(p);
        mprotect(map_, page_, PROT_NONE);
        mprotect(map_ + page_ + size_, page_, PROT_NONE);
    }
    ~Fenced() { munmap(map_, size_ + 2 * page_); }
    Fenced(const Fenced&) = delete;
    Fenced& operator=(const Fenced&) = delete;
    // n bytes ending at the upper fence, or starting at the lower one.
    std::uint8_t* at(bool upper, std::size_t n) { return upper ? map_ + page_ + size_ - n : map_ + page_; }
    std::size_t capacity() const { return size_; }

private:
    std::size_t page_, size_;
    std::uint8_t* map_;
};

// Runs body(src, dst, len) for len in 1 .. max_len elements of T, both
// vectors ending against an inaccessible page, then starting right after one.
template <class T, class Body>
void at_page_edges(int max_len, Body body) {
    Fenced src(max_len * sizeof(T)), dst(max_len * sizeof(T));
    for (int len = 1; len <= max_len; ++len) {
        for (bool upper : {true, false})
            body(reinterpret_cast<T*>(src.at(upper, len * sizeof(T))), reinterpret_cast<T*>(dst.at(upper, len * sizeof(T))), len);
    }
}
