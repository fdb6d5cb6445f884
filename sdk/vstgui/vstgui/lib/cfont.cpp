#include "cfont.h"

namespace VSTGUI {
namespace {

// Objects of static storage: views remember and forget them like any font,
// but the first reference is never given up, so they are never deleted
// through the count, and unloading the module frees them with nothing leaked.
CFontDesc systemFont("Sans", 12);
CFontDesc normalFontVeryBig("Sans", 18);
CFontDesc normalFontBig("Sans", 14);
CFontDesc normalFont("Sans", 12);
CFontDesc normalFontSmall("Sans", 11);
CFontDesc normalFontSmaller("Sans", 10);
CFontDesc normalFontVerySmall("Sans", 9);
CFontDesc symbolFont("Symbol", 12);

} // namespace

const CFontRef kSystemFont = &systemFont;
const CFontRef kNormalFontVeryBig = &normalFontVeryBig;
const CFontRef kNormalFontBig = &normalFontBig;
const CFontRef kNormalFont = &normalFont;
const CFontRef kNormalFontSmall = &normalFontSmall;
const CFontRef kNormalFontSmaller = &normalFontSmaller;
const CFontRef kNormalFontVerySmall = &normalFontVerySmall;
const CFontRef kSymbolFont = &symbolFont;

} // namespace VSTGUI
