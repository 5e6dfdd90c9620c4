// Constants of the skinned button: visual states, kinds, edge styles,
// layer-mask bits, font-style bits and the button's private message.
#pragma once

#include <windows.h>

// Visual states. Every per-state array is indexed by state - FXS_NORMAL.
enum FxState : int {
    FXS_NORMAL = 260,    // normal
    FXS_PRESSED = 261,   // held down, or checked
    FXS_HOT = 262,       // pointer over the button
    FXS_DISABLED = 263,  // window disabled
};

// Number of visual states, the size of every per-state array.
constexpr int FX_STATE_COUNT = 4;

// Index of a state into the per-state arrays.
constexpr int FxIndex(int state) { return state - FXS_NORMAL; }

// Kinds of button.
enum FxType : int {
    FXT_PUSH = 270,
    FXT_CHECK = 271,
    FXT_RADIO = 272,
};

// Edge styles: how the contents move in a state.
enum FxEdge : int {
    FXE_FLAT = 257,    // contents not moved
    FXE_RAISED = 258,  // contents moved 1 pixel left and 1 up
    FXE_SUNKEN = 259,  // contents moved 1 pixel right and 1 down
};

// Layer-mask bits of InitButton: each set bit switches a layer off.
enum FxLayer : unsigned {
    FXL_BACK = 0x01,
    FXL_TEXT = 0x02,
    FXL_IMAGE = 0x04,
    FXL_BORDER = 0x08,
    FXL_FOCUS = 0x10,
};

// Font-style bits of the caption.
enum FxFontStyle : unsigned {
    FXF_BOLD = 0x20,
    FXF_ITALIC = 0x40,
    FXF_UNDERLINE = 0x80,
    FXF_STRIKEOUT = 0x100,
};

// Posted by a radio button that became checked to the other controls of its
// dialog group; a checked radio button unchecks itself on receipt.
constexpr UINT UM_FX_UNCHECK = 0x0464;
