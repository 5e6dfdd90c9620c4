// The state and result of one search with a CRegExp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "analysis/WordArray.h"

// Where a match group's text begins and ends (end exclusive); both null while
// the group has not matched.
struct MatchGroup {
    const char* start = nullptr;
    const char* end = nullptr;
};

class CMatchContext {
public:
    uint32_t groupCount = 0;
    MatchGroup wholeMatch;
    std::vector<uintptr_t> slots;     // text positions or stack depths
    std::vector<MatchGroup> groups;
    WordArray stack;                  // the backtracking stack; entry 0 is never written
    uintptr_t depth = 0;              // index of the top entry, 0 = empty

    // Bounds of one search. A search that would need a deeper stack, or more
    // instruction steps, ends without a match. The defaults are far above
    // what the program's patterns need on its 8 KB pages.
    size_t stackLimit = size_t(1) << 22;
    uint64_t stepLimit = uint64_t(1) << 26;
    uint64_t steps = 0;               // instruction steps of the last search

    // Loop heads already visited at a text position, one bit each. A second
    // visit means the first one failed, so it fails at once: this keeps the
    // search polynomial where plain backtracking would take minutes.
    bool memoize = true;
    std::vector<uint64_t> visited;

    CMatchContext();

    // Sizes and clears the arrays for a program; false when they can't be had.
    bool Prepare(uint32_t groupCount, uint32_t slotCount);
    // Clears the visited table for rows loop heads over positions positions.
    bool PrepareVisited(size_t rows, size_t positions);

    // Pushes one entry, growing the stack to twice (depth + 1) entries when
    // full; false when it can't grow.
    bool Push(uintptr_t value)
    {
        if (depth + 1 >= stack.size() && !Grow())
            return false;
        stack[++depth] = value;
        return true;
    }

    // Pops the top entry; an empty stack gives 0.
    uintptr_t Pop() { return depth == 0 ? 0 : stack[depth--]; }

    // Marks a loop head at a position; false when it was marked already.
    bool Visit(size_t row, size_t positions, size_t offset)
    {
        const size_t bit = row * positions + offset;
        uint64_t& word = visited[bit / 64];
        const uint64_t mask = uint64_t(1) << (bit % 64);
        if (word & mask)
            return false;
        word |= mask;
        return true;
    }

private:
    bool Grow();
};
