// The matcher: runs the instruction list over a text with an explicit
// backtracking stack, one loop, no recursion. To backtrack is to pop the
// index of the instruction to go on with.
#include "analysis/MatchContext.h"
#include "analysis/RegExp.h"

#include <cstring>

namespace {

using Byte = unsigned char;

bool InSet(const Instruction* setStart, Byte value)
{
    const Byte* set = reinterpret_cast<const Byte*>(setStart);
    return (set[value / 8] >> (value % 8)) & 1;
}

uintptr_t Word(const char* p) { return reinterpret_cast<uintptr_t>(p); }
const char* Position(uintptr_t w) { return reinterpret_cast<const char*>(w); }

// The length of what a group last matched. A group not yet ended (a
// back-reference inside its own group) counts as empty.
size_t GroupLength(const MatchGroup& group)
{
    if (!group.start || !group.end || group.end < group.start)
        return 0;
    return static_cast<size_t>(group.end - group.start);
}

// Compares the group's bytes with the text at pos. Stops at the first
// difference, so it never reads past the text's terminator.
bool SameBytes(const Byte* pos, const Byte* group, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        if (pos[i] != group[i] || pos[i] == 0)
            return false;
    }
    return true;
}

}  // namespace

bool CRegExp::Match(const char* text, CMatchContext* context) const
{
    if (!text || !context || program.empty())
        return false;
    CMatchContext& c = *context;
    if (!c.Prepare(groupCount, slotCount))
        return false;

    const Instruction* code = program.data();
    const Byte* attempt = reinterpret_cast<const Byte*>(text);
    const bool memoize = c.memoize && memoRows > 0 && memoRow.size() == program.size();
    const size_t positions = memoize ? std::strlen(text) + 2 : 0;
    if (memoize && !c.PrepareVisited(memoRows, positions))
        return false;
    const Byte* pos = attempt;
    uint32_t ip = 0;

    // Each exit of the loop is one of these.
    auto backtrack = [&]() { ip = static_cast<uint32_t>(c.Pop()); };

    for (;;) {
        if (++c.steps > c.stepLimit)
            return false;
        if (ip == 0)
            c.wholeMatch.start = reinterpret_cast<const char*>(pos);
        if (memoize && memoRow[ip] != kNoMemoRow &&
            !c.Visit(memoRow[ip], positions, static_cast<size_t>(pos - reinterpret_cast<const Byte*>(text)))) {
            backtrack();
            continue;
        }
        const Instruction& in = code[ip];
        const uint32_t arg = in.operand;
        bool pushed = true;

        switch (in.kind) {
        case Nop:
            ++ip;
            break;
        case Char:
            if (*pos == arg) {
                ++pos;
                ++ip;
            } else {
                backtrack();
            }
            break;
        case AnyChar:
            if (*pos != 0) {
                ++pos;
                ++ip;
            } else {
                backtrack();
            }
            break;
        case CharSet:
        case NotCharSet:
            if (*pos != 0 && InSet(&code[ip + 1], *pos) == (in.kind == CharSet)) {
                ++pos;
                ip += 1 + kCharSetEntries;
            } else {
                backtrack();
            }
            break;
        case GroupStart:
            c.groups[arg].start = reinterpret_cast<const char*>(pos);
            ++ip;
            break;
        case GroupEnd:
            c.groups[arg].end = reinterpret_cast<const char*>(pos);
            ++ip;
            break;
        case PushGroup:
            pushed = c.Push(Word(c.groups[arg].start)) && c.Push(Word(c.groups[arg].end));
            ++ip;
            break;
        case PopGroup:
            c.groups[arg].end = Position(c.Pop());
            c.groups[arg].start = Position(c.Pop());
            ++ip;
            break;
        case PushPos:
            pushed = c.Push(Word(reinterpret_cast<const char*>(pos)));
            ++ip;
            break;
        case PopPos:
            pos = reinterpret_cast<const Byte*>(c.Pop());
            ++ip;
            break;
        case Jump:
            ip = arg;
            break;
        case Call:
            pushed = c.Push(ip + 1);
            ip = arg;
            break;
        case Return:
            backtrack();
            break;
        case PushSlot:
            pushed = c.Push(c.slots[arg]);
            ++ip;
            break;
        case PopSlot:
            c.slots[arg] = c.Pop();
            ++ip;
            break;
        case SetSlotPos:
            c.slots[arg] = Word(reinterpret_cast<const char*>(pos));
            ++ip;
            break;
        case GetSlotPos:
            pos = reinterpret_cast<const Byte*>(c.slots[arg]);
            ++ip;
            break;
        case SetSlotDepth:
            c.slots[arg] = c.depth;
            ++ip;
            break;
        case GetSlotDepth:
            c.depth = c.slots[arg];
            ++ip;
            break;
        case FailIfNoProgress:
            if (Word(reinterpret_cast<const char*>(pos)) == c.slots[arg])
                backtrack();
            else
                ++ip;
            break;
        case BackRef: {
            const MatchGroup& group = c.groups[arg];
            const size_t n = GroupLength(group);
            if (SameBytes(pos, reinterpret_cast<const Byte*>(group.start), n)) {
                pos += n;
                ++ip;
            } else {
                backtrack();
            }
            break;
        }
        case Fail:
            return false;
        case NextStart:
            // The empty text gets one attempt; no attempt starts on the
            // terminator of a non-empty text.
            if (*attempt == 0 || attempt[1] == 0)
                return false;
            ++attempt;
            pos = attempt;
            ip = 0;
            c.depth = 0;
            break;
        case Accept:
            c.wholeMatch.end = reinterpret_cast<const char*>(pos);
            return true;
        default:
            return false;
        }
        // A stack that can't grow ends the search without a match.
        if (!pushed)
            return false;
    }
}
