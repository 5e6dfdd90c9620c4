// A growable array of machine words. It grows with realloc and leaves new
// entries uninitialised: the backtracking stack only reads what it wrote.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

class WordArray {
public:
    WordArray() = default;
    explicit WordArray(size_t count) { Resize(count); }
    ~WordArray() { std::free(words_); }
    WordArray(const WordArray&) = delete;
    WordArray& operator=(const WordArray&) = delete;

    size_t size() const { return count_; }
    uintptr_t& operator[](size_t i) { return words_[i]; }
    uintptr_t operator[](size_t i) const { return words_[i]; }

    // False, and unchanged, when the memory can't be had.
    bool Resize(size_t count)
    {
        if (count > SIZE_MAX / sizeof(uintptr_t))
            return false;
        void* grown = std::realloc(words_, count * sizeof(uintptr_t));
        if (!grown && count > 0)
            return false;
        words_ = static_cast<uintptr_t*>(grown);
        count_ = count;
        return true;
    }

private:
    uintptr_t* words_ = nullptr;
    size_t count_ = 0;
};
