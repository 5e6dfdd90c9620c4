#include "analysis/MatchContext.h"

#include <new>

namespace {
const size_t kInitialStackEntries = 256;
}

CMatchContext::CMatchContext() : stack(kInitialStackEntries, 0) {}

bool CMatchContext::Prepare(uint32_t groupTotal, uint32_t slotTotal)
{
    try {
        groups.assign(groupTotal, MatchGroup{});
        slots.assign(slotTotal, 0);
        if (stack.size() < kInitialStackEntries)
            stack.assign(kInitialStackEntries, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    groupCount = groupTotal;
    wholeMatch = MatchGroup{};
    depth = 0;
    steps = 0;
    return true;
}

bool CMatchContext::Push(uintptr_t value)
{
    if (depth + 1 >= stack.size()) {
        const size_t grown = 2 * (depth + 1);
        if (grown > stackLimit)
            return false;
        try {
            stack.resize(grown);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    stack[++depth] = value;
    return true;
}

uintptr_t CMatchContext::Pop()
{
    if (depth == 0)
        return 0;
    return stack[depth--];
}

bool CMatchContext::PrepareVisited(size_t rows, size_t positions)
{
    try {
        visited.assign((rows * positions + 63) / 64, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CMatchContext::Visit(size_t row, size_t positions, size_t offset)
{
    const size_t bit = row * positions + offset;
    uint64_t& word = visited[bit / 64];
    const uint64_t mask = uint64_t(1) << (bit % 64);
    if (word & mask)
        return false;
    word |= mask;
    return true;
}
