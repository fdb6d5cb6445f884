// VSTGUI's built-in resource names: "~ BlackCColor", "~ NormalFont" and so on.
#pragma once

#include "../../lib/ccolor.h"
#include "../../lib/cfont.h"

#include <string>

namespace VSTGUI {
namespace Detail {

bool getStockColor(const std::string& name, CColor& color);
UTF8StringPtr lookupStockColorName(const CColor& color);
CFontDesc* getStockFont(const std::string& name);

} // namespace Detail
} // namespace VSTGUI
