#include "analysis/MatchContext.h"

#include <new>

namespace {
const size_t kInitialStackEntries = 256;
}

CMatchContext::CMatchContext() : stack(kInitialStackEntries) {}

bool CMatchContext::Prepare(uint32_t groupTotal, uint32_t slotTotal)
{
    try {
        groups.assign(groupTotal, MatchGroup{});
        slots.assign(slotTotal, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (stack.size() < kInitialStackEntries && !stack.Resize(kInitialStackEntries))
        return false;
    groupCount = groupTotal;
    wholeMatch = MatchGroup{};
    depth = 0;
    steps = 0;
    return true;
}

bool CMatchContext::Grow()
{
    const size_t grown = 2 * (depth + 1);
    return grown <= stackLimit && stack.Resize(grown);
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

