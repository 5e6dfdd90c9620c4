// A compiled pattern of the program's own regular-expression dialect.
//
// The dialect: "{...}" captures (match groups, numbered from 0 by their opening
// brace), "(...)" only groups, "|" binds tighter than concatenation (it
// alternates one unit with the next), "!" is a negative look-ahead on one
// element, "\" and a letter may stand for a fixed sub-pattern (see the
// abbreviation table in RegExpParse.cpp). Everything is bytes, compared
// unsigned and case-sensitively.
#pragma once

#include <cstdint>
#include <vector>

class CMatchContext;

// Parse error codes. The first error ends the parse.
enum ParseError : int {
    PE_OK = 0,
    PE_OUT_OF_MEMORY = 1,        // the instruction list can't grow
    PE_BRACE_EXPECTED = 2,       // a match group is not closed by "}"
    PE_PAREN_EXPECTED = 3,       // a plain group is not closed by ")"
    PE_BRACKET_EXPECTED = 4,     // a class is not closed by "]", or a range's "-" has no end byte
    PE_UNEXPECTED = 5,           // an abbreviation's expansion fails to compile
    PE_EMPTY_CLASS = 6,          // "[]" or "[^]"
    PE_BAD_GROUP = 7,            // a back-reference to a group not opened yet
    PE_BAD_RANGE = 8,            // a class range whose end is below its start
    PE_EMPTY_REPEAT = 9,         // "*", "+", "*?" or "+?" on an element that may match nothing
    PE_NO_PATTERN = 10,          // the pattern is null
    PE_TRAILING_BACKSLASH = 11,  // the pattern ends with a lone "\" outside a class
    PE_TOO_COMPLEX = 12,         // groups nested deeper than kMaxNesting, or too much compile work
};

// Instruction kinds of the compiled program.
enum OpKind : uint32_t {
    Nop, Char, AnyChar, CharSet, NotCharSet,
    GroupStart, GroupEnd, PushGroup, PopGroup,
    PushPos, PopPos, Jump, Call, Return,
    PushSlot, PopSlot, SetSlotPos, GetSlotPos, SetSlotDepth, GetSlotDepth,
    FailIfNoProgress, BackRef, Fail, NextStart, Accept,
};

struct Instruction {
    uint32_t kind;
    uint32_t operand;   // byte value, target index, group or slot number
};

// A CharSet or NotCharSet instruction is followed by its 256-bit set, which
// takes the room of this many instructions.
const uint32_t kCharSetEntries = 4;

// Nesting of groups and look-aheads the parser accepts. Each level of nesting
// may compile its contents up to four times, so the depth is bounded.
const int kMaxNesting = 16;

const uint32_t kNoMemoRow = 0xFFFFFFFFu;

// Instructions the parser may emit in one Parse, counting those it cuts back.
const uint32_t kMaxCompileWork = 1u << 20;

class CRegExp {
public:
    int lastError = PE_OK;
    std::vector<Instruction> program;
    uint32_t groupCount = 0;
    uint32_t slotCount = 0;

    // Whether a failed visit of a loop head at a text position can be
    // remembered: true when what follows any instruction depends only on the
    // instruction and the position (no back-reference, no look-ahead, no "?"
    // over an element that may match nothing). memoRow gives each loop head
    // its row in the search's visited table, kNoMemoRow elsewhere.
    bool memoSafe = true;
    std::vector<uint32_t> memoRow;
    uint32_t memoRows = 0;

    // Compiles a zero-terminated pattern. Returns the parse error code (0 on
    // success), which also stays in lastError.
    int Parse(const char* pattern);

    // Searches a zero-terminated text. True when it contains a match; the
    // context then holds the whole match and the match groups. Only valid
    // after a Parse that returned 0.
    bool Match(const char* text, CMatchContext* context) const;
};
