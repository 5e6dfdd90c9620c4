// The parser: compiles a pattern into the instruction list.
//
// Every construct appends its code at the end of the list; nothing is ever
// inserted. A unit is first compiled as if a "|" followed it (the four
// alternation instructions, then the element); when no "|" follows, the list
// is cut back to where the unit began, the group and slot counters are
// restored, and the element is compiled again alone. An element followed by a
// closure is likewise compiled, cut back and compiled again inside the
// closure's code; for "+" and "+?" the first copy stays and only the group
// counter is wound back, so both copies carry the same group numbers.
#include "analysis/RegExp.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

// The abbreviation table: the letter after the backslash, then its expansion.
// The expansions hold no match group.
const char* const kAbbreviations[] = {
    "a([a-zA-Z0-9])",
    "b([ \\t])",
    "c([a-zA-Z])",
    "d([0-9])",
    "h([0-9a-fA-F])",
    "n(\r|(\r?\n))",
    "q(\"[^\"]*\")|('[^']*')",
    "w([a-zA-Z]+)",
    "z([0-9]+)",
    nullptr,
};

const char* FindAbbreviation(unsigned char letter)
{
    for (const char* const* entry = kAbbreviations; *entry; ++entry) {
        if (static_cast<unsigned char>((*entry)[0]) == letter)
            return *entry + 1;
    }
    return nullptr;
}

bool EndsSequence(unsigned char c)
{
    return c == 0 || c == ')' || c == ']' || c == '}';
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Raised inside the parser and turned into the return code of Parse.
struct ParseFailure {
    int code;
};

// Returned by ParseUnit when a "|" with nothing after it dropped the unit.
enum class UnitResult { Compiled, Dropped };

class Parser {
public:
    explicit Parser(CRegExp& re) : re_(re) {}

    void ParsePattern(const unsigned char* pattern)
    {
        p_ = pattern;
        bool anchored = *p_ == '^';
        if (anchored)
            ++p_;
        Emit(Call, 2);
        Emit(anchored ? Fail : NextStart);
        bool mayBeEmpty = true;
        ParseSequence(mayBeEmpty);
        Emit(Accept);
    }

private:
    CRegExp& re_;
    const unsigned char* p_ = nullptr;
    int nesting_ = 0;
    uint32_t work_ = 0;

    uint32_t Here() const { return static_cast<uint32_t>(re_.program.size()); }

    uint32_t Emit(uint32_t kind, uint32_t operand = 0)
    {
        if (++work_ > kMaxCompileWork)
            throw ParseFailure{PE_TOO_COMPLEX};
        try {
            re_.program.push_back(Instruction{kind, operand});
        } catch (const std::bad_alloc&) {
            throw ParseFailure{PE_OUT_OF_MEMORY};
        }
        return Here() - 1;
    }

    void Patch(uint32_t at, uint32_t target) { re_.program[at].operand = target; }

    void CutBack(uint32_t at, uint32_t groups, uint32_t slots)
    {
        re_.program.resize(at);
        re_.groupCount = groups;
        re_.slotCount = slots;
    }

    uint32_t NewSlot() { return re_.slotCount++; }

    // Sequence: units until the pattern ends, a closing byte, or a dropped unit.
    // Its flag is the first unit's flag AND those of the others, each of which
    // is evaluated from "may be empty".
    void ParseSequence(bool& mayBeEmpty)
    {
        bool result = mayBeEmpty;
        bool first = true;
        while (!EndsSequence(*p_)) {
            bool unitFlag = first ? mayBeEmpty : true;
            if (ParseUnit(unitFlag) == UnitResult::Dropped)
                break;
            result = first ? unitFlag : (result && unitFlag);
            first = false;
        }
        mayBeEmpty = result;
    }

    // Unit: element, optional closure, optionally "|" and another unit. The
    // chain A|B|C is handled in one loop; its code is A's alternation, then
    // B's, then C alone, and every left side jumps to the end of the chain.
    UnitResult ParseUnit(bool& mayBeEmpty)
    {
        const uint32_t chainStart = Here();
        const uint32_t chainGroups = re_.groupCount;
        const uint32_t chainSlots = re_.slotCount;
        std::vector<uint32_t> jumpsToEnd;
        bool chainFlag = false;

        for (bool first = true;; first = false) {
            const uint32_t start = Here();
            const uint32_t groups = re_.groupCount;
            const uint32_t slots = re_.slotCount;
            const unsigned char* elementStart = p_;
            const bool incoming = first ? mayBeEmpty : true;

            Emit(PushPos);
            Emit(Call, start + 4);
            Emit(PopPos);
            const uint32_t jumpToRight = Emit(Jump);
            bool flag = incoming;
            ParseClosedElement(flag);

            if (*p_ != '|') {
                CutBack(start, groups, slots);
                p_ = elementStart;
                flag = incoming;
                ParseClosedElement(flag);
                for (uint32_t jump : jumpsToEnd)
                    Patch(jump, Here());
                mayBeEmpty = first ? flag : (chainFlag || flag);
                return UnitResult::Compiled;
            }

            ++p_;
            if (EndsSequence(*p_)) {
                // A bar with nothing after it drops the whole unit and ends
                // the enclosing sequence here.
                CutBack(chainStart, chainGroups, chainSlots);
                return UnitResult::Dropped;
            }
            jumpsToEnd.push_back(Emit(Jump));
            Patch(jumpToRight, Here());
            chainFlag = first ? flag : (chainFlag || flag);
        }
    }

    enum class Closure { None, Star, Plus, Optional, LazyStar, LazyPlus, LazyOptional };

    Closure ReadClosure()
    {
        static const struct {
            unsigned char symbol;
            Closure greedy, lazy;
        } kClosures[] = {
            {'*', Closure::Star, Closure::LazyStar},
            {'+', Closure::Plus, Closure::LazyPlus},
            {'?', Closure::Optional, Closure::LazyOptional},
        };
        for (const auto& entry : kClosures) {
            if (*p_ != entry.symbol)
                continue;
            ++p_;
            if (*p_ == '?') {
                ++p_;
                return entry.lazy;
            }
            return entry.greedy;
        }
        return Closure::None;
    }

    // An element and the closure that may follow it.
    void ParseClosedElement(bool& mayBeEmpty)
    {
        const uint32_t start = Here();
        const uint32_t groups = re_.groupCount;
        const uint32_t slots = re_.slotCount;
        const unsigned char* elementStart = p_;

        ParseElement(mayBeEmpty);
        const Closure closure = ReadClosure();
        if (closure == Closure::None)
            return;
        const unsigned char* afterClosure = p_;

        if (closure == Closure::Plus || closure == Closure::LazyPlus)
            re_.groupCount = groups;  // the first copy stays
        else
            CutBack(start, groups, slots);

        const bool refusesEmpty = closure != Closure::Optional && closure != Closure::LazyOptional;
        auto element = [&]() {
            p_ = elementStart;
            bool elementFlag = false;
            ParseElement(elementFlag);
            if (refusesEmpty && elementFlag)
                throw ParseFailure{PE_EMPTY_REPEAT};
            // Its progress check then depends on where the element began.
            if (closure == Closure::Optional && elementFlag)
                re_.memoSafe = false;
        };

        switch (closure) {
        case Closure::Star:
        case Closure::Plus:
            EmitGreedy(element, true);
            break;
        case Closure::Optional:
            EmitGreedy(element, false);
            break;
        case Closure::LazyStar:
        case Closure::LazyPlus:
            EmitLazyLoop(element);
            break;
        case Closure::LazyOptional:
            EmitLazyOptional(element);
            break;
        case Closure::None:
            break;
        }
        p_ = afterClosure;
        mayBeEmpty = closure != Closure::Plus;
    }

    // X* (loop) and X? (no loop): try one more iteration first, give them back
    // one at a time. An iteration that consumes nothing fails.
    template <typename Element>
    void EmitGreedy(Element element, bool loop)
    {
        const uint32_t slot = NewSlot();
        const uint32_t start = Emit(PushSlot, slot);
        Emit(SetSlotPos, slot);
        Emit(PushPos);
        Emit(Call, start + 7);
        Emit(PopPos);
        Emit(PopSlot, slot);
        const uint32_t jumpToAfter = Emit(Jump);
        element();
        Emit(FailIfNoProgress, slot);
        Emit(SetSlotPos, slot);
        if (loop)
            Emit(Jump, start);
        Patch(jumpToAfter, Here());
    }

    // X*?: stop first, take one more iteration when what follows fails. The
    // position is saved with the choice so that the iteration starts where the
    // loop stood, and an iteration that consumes nothing fails, so the loop
    // always ends.
    template <typename Element>
    void EmitLazyLoop(Element element)
    {
        const uint32_t slot = NewSlot();
        const uint32_t start = Emit(PushPos);
        const uint32_t callAfter = Emit(Call);
        Emit(PopPos);
        Emit(SetSlotPos, slot);
        element();
        Emit(FailIfNoProgress, slot);
        Emit(Jump, start);
        Patch(callAfter, Here());
    }

    // X??: first without the element, then with it, from the same position.
    template <typename Element>
    void EmitLazyOptional(Element element)
    {
        Emit(PushPos);
        const uint32_t callAfter = Emit(Call);
        Emit(PopPos);
        element();
        Patch(callAfter, Here());
    }

    void EnterNesting()
    {
        if (++nesting_ > kMaxNesting)
            throw ParseFailure{PE_TOO_COMPLEX};
    }

    void LeaveNesting() { --nesting_; }

    void ParseElement(bool& mayBeEmpty)
    {
        const unsigned char c = *p_;
        switch (c) {
        case '{':
            ParseMatchGroup(mayBeEmpty);
            return;
        case '(':
            ParsePlainGroup(mayBeEmpty);
            return;
        case '[':
            ParseClass();
            mayBeEmpty = false;
            return;
        case '\\':
            ParseEscape(mayBeEmpty);
            return;
        case '!':
            if (!EndsSequence(p_[1])) {
                ParseLookAhead(mayBeEmpty);
                return;
            }
            break;  // nothing to look at: a literal "!"
        case '.':
            ++p_;
            Emit(AnyChar);
            mayBeEmpty = false;
            return;
        case '$':
            if (p_[1] == 0) {  // the last byte: matches the terminator
                ++p_;
                Emit(Char, 0);
                mayBeEmpty = false;
                return;
            }
            break;
        default:
            break;
        }
        ++p_;
        Emit(Char, c);
        mayBeEmpty = false;
    }

    void ParseMatchGroup(bool& mayBeEmpty)
    {
        EnterNesting();
        ++p_;
        const uint32_t group = re_.groupCount++;
        const uint32_t start = Emit(PushGroup, group);
        Emit(GroupStart, group);
        Emit(Call, start + 5);
        Emit(PopGroup, group);
        Emit(Return);
        const uint32_t contents = Here();
        ParseSequence(mayBeEmpty);
        if (Here() == contents)
            Emit(Nop);
        if (*p_ != '}')
            throw ParseFailure{PE_BRACE_EXPECTED};
        ++p_;
        Emit(GroupEnd, group);
        LeaveNesting();
    }

    void ParsePlainGroup(bool& mayBeEmpty)
    {
        EnterNesting();
        ++p_;
        const uint32_t start = Emit(Call);
        Patch(start, start + 2);
        Emit(Return);
        const uint32_t contents = Here();
        ParseSequence(mayBeEmpty);
        if (Here() == contents)
            Emit(Nop);
        if (*p_ != ')')
            throw ParseFailure{PE_PAREN_EXPECTED};
        ++p_;
        LeaveNesting();
    }

    // "!X": succeeds without consuming where X does not match.
    void ParseLookAhead(bool& mayBeEmpty)
    {
        EnterNesting();
        ++p_;
        re_.memoSafe = false;
        const uint32_t posSlot = NewSlot();
        const uint32_t depthSlot = NewSlot();
        const uint32_t start = Emit(SetSlotPos, posSlot);
        Emit(SetSlotDepth, depthSlot);
        Emit(Call, start + 6);
        Emit(GetSlotPos, posSlot);
        Emit(GetSlotDepth, depthSlot);
        const uint32_t jumpToAfter = Emit(Jump);
        ParseElement(mayBeEmpty);
        Emit(GetSlotPos, posSlot);
        Emit(GetSlotDepth, depthSlot);
        Emit(Return);
        Patch(jumpToAfter, Here());
        LeaveNesting();
    }

    void ParseEscape(bool& mayBeEmpty)
    {
        ++p_;
        const unsigned char c = *p_;
        if (c == 0)
            throw ParseFailure{PE_TRAILING_BACKSLASH};
        if (IsDigit(c)) {
            ParseBackReference();
            mayBeEmpty = false;
            return;
        }
        if (const char* expansion = FindAbbreviation(c)) {
            ++p_;
            ParseExpansion(expansion, mayBeEmpty);
            return;
        }
        // An escaped literal leaves the flag as it was.
        ++p_;
        Emit(Char, c);
    }

    void ParseBackReference()
    {
        uint64_t number = 0;
        while (IsDigit(*p_)) {
            if (number <= re_.groupCount)  // saturates: anything above is refused anyway
                number = number * 10 + (*p_ - '0');
            ++p_;
        }
        if (number >= re_.groupCount)
            throw ParseFailure{PE_BAD_GROUP};
        Emit(BackRef, static_cast<uint32_t>(number));
        re_.memoSafe = false;
    }

    // Compiles an abbreviation's expansion in place, as a single element.
    void ParseExpansion(const char* expansion, bool& mayBeEmpty)
    {
        const unsigned char* resume = p_;
        p_ = reinterpret_cast<const unsigned char*>(expansion);
        try {
            ParseSequence(mayBeEmpty);
            if (*p_ != 0)
                throw ParseFailure{PE_UNEXPECTED};
        } catch (const ParseFailure& failure) {
            if (failure.code == PE_OUT_OF_MEMORY || failure.code == PE_TOO_COMPLEX)
                throw;
            throw ParseFailure{PE_UNEXPECTED};
        }
        p_ = resume;
    }

    // One class item's byte: a byte, or a backslash and a byte (TAB for "t").
    unsigned char ReadClassByte()
    {
        unsigned char c = *p_;
        if (c == '\\') {
            ++p_;
            c = *p_;
            if (c == 0)
                throw ParseFailure{PE_BRACKET_EXPECTED};
            if (c == 't')
                c = '\t';
        }
        ++p_;
        return c;
    }

    void ParseClass()
    {
        ++p_;
        const bool complement = *p_ == '^';
        if (complement)
            ++p_;
        if (*p_ == ']')
            throw ParseFailure{PE_EMPTY_CLASS};

        unsigned char set[32] = {};
        while (*p_ != ']') {
            if (*p_ == 0)
                throw ParseFailure{PE_BRACKET_EXPECTED};
            const unsigned char first = ReadClassByte();
            unsigned char last = first;
            if (*p_ == '-') {
                ++p_;
                if (*p_ == ']' || *p_ == 0)
                    throw ParseFailure{PE_BRACKET_EXPECTED};
                last = *p_++;  // taken literally, a backslash too
                if (last < first)
                    throw ParseFailure{PE_BAD_RANGE};
            }
            for (unsigned v = first; v <= last; ++v)
                set[v / 8] |= static_cast<unsigned char>(1u << (v % 8));
        }
        ++p_;

        const uint32_t at = Emit(complement ? NotCharSet : CharSet);
        for (uint32_t i = 0; i < kCharSetEntries; ++i)
            Emit(0);
        std::memcpy(&re_.program[at + 1], set, sizeof set);
    }
};

// Loop heads are the targets of backward jumps.
void FindLoopHeads(CRegExp& re)
{
    re.memoRow.assign(re.program.size(), kNoMemoRow);
    re.memoRows = 0;
    if (!re.memoSafe)
        return;
    for (uint32_t ip = 0; ip < re.program.size(); ++ip) {
        const Instruction& in = re.program[ip];
        if (in.kind == CharSet || in.kind == NotCharSet)
            ip += kCharSetEntries;
        else if (in.kind == Jump && in.operand < ip && re.memoRow[in.operand] == kNoMemoRow)
            re.memoRow[in.operand] = re.memoRows++;
    }
}

}  // namespace

int CRegExp::Parse(const char* pattern)
{
    program.clear();
    memoSafe = true;
    memoRow.clear();
    memoRows = 0;
    groupCount = 0;
    slotCount = 0;
    lastError = PE_OK;
    if (!pattern)
        return lastError = PE_NO_PATTERN;
    try {
        Parser(*this).ParsePattern(reinterpret_cast<const unsigned char*>(pattern));
    } catch (const ParseFailure& failure) {
        lastError = failure.code;
    } catch (const std::bad_alloc&) {
        lastError = PE_OUT_OF_MEMORY;
    }
    if (lastError == PE_OK) {
        try {
            FindLoopHeads(*this);
        } catch (const std::bad_alloc&) {
            lastError = PE_OUT_OF_MEMORY;
        }
    }
    return lastError;
}
