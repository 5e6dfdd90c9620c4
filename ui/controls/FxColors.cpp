#include "ui/controls/FxColors.h"

#include "ui/controls/FxButtonDefs.h"

namespace {

// How one channel of an edge colour is made from the base channel.
enum ChannelRule { KEEP, WHITE, HALF, DARK, LIGHT };

int ApplyRule(ChannelRule rule, int c) {
    switch (rule) {
    case KEEP: return c;
    case WHITE: return 255;
    case HALF: return static_cast<int>(c * 0.5);
    case DARK: return static_cast<int>(c * FX_DARK_FACTOR);
    case LIGHT: return static_cast<int>(c + (255 - c) * FX_LIGHT_FACTOR);
    }
    return 0;
}

// Rows: edge index 1..4; columns: flat, raised, sunken.
const ChannelRule kEdgeRules[4][3] = {
    {KEEP, WHITE, HALF},
    {KEEP, LIGHT, DARK},
    {KEEP, HALF, WHITE},
    {KEEP, DARK, LIGHT},
};

COLORREF ApplyToChannels(ChannelRule rule, COLORREF base) {
    return RGB(ApplyRule(rule, GetRValue(base)), ApplyRule(rule, GetGValue(base)),
               ApplyRule(rule, GetBValue(base)));
}

int TintChannel(int c, int percent) {
    const double v = c + c * static_cast<double>(percent) / 100.0;
    if (v <= 0.0) return 0;
    if (v >= 255.0) return 255;
    return static_cast<int>(v);
}

}  // namespace

COLORREF EdgeColor(COLORREF base, int style, int k) {
    if (style < FXE_FLAT || style > FXE_SUNKEN || k < 1 || k > 4) return RGB(0, 0, 0);
    return ApplyToChannels(kEdgeRules[k - 1][style - FXE_FLAT], base);
}

COLORREF TintColor(COLORREF color, int red, int green, int blue) {
    return RGB(TintChannel(GetRValue(color), red), TintChannel(GetGValue(color), green),
               TintChannel(GetBValue(color), blue));
}

COLORREF ShadeColor(COLORREF color) {
    return ApplyToChannels(DARK, color);
}
