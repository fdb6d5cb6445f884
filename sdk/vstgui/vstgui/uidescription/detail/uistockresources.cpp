#include "uistockresources.h"

namespace VSTGUI {
namespace Detail {
namespace {

struct StockColor
{
	const char* name;
	CColor color;
};

// "~ None" is what the authoring tool writes for "no colour": transparent.
const StockColor stockColors[] = {
	{"~ BlackCColor", kBlackCColor},
	{"~ WhiteCColor", kWhiteCColor},
	{"~ GreyCColor", kGreyCColor},
	{"~ RedCColor", kRedCColor},
	{"~ GreenCColor", kGreenCColor},
	{"~ BlueCColor", kBlueCColor},
	{"~ YellowCColor", kYellowCColor},
	{"~ CyanCColor", kCyanCColor},
	{"~ MagentaCColor", kMagentaCColor},
	{"~ TransparentCColor", kTransparentCColor},
	{"~ None", kTransparentCColor},
};

} // namespace

bool getStockColor(const std::string& name, CColor& color)
{
	for (const auto& stock : stockColors)
	{
		if (name == stock.name)
		{
			color = stock.color;
			return true;
		}
	}
	return false;
}

UTF8StringPtr lookupStockColorName(const CColor& color)
{
	for (const auto& stock : stockColors)
		if (stock.color == color)
			return stock.name;
	return nullptr;
}

CFontDesc* getStockFont(const std::string& name)
{
	struct StockFont
	{
		const char* name;
		CFontRef font;
	};
	const StockFont stockFonts[] = {
		{"~ SystemFont", kSystemFont},
		{"~ NormalFontVeryBig", kNormalFontVeryBig},
		{"~ NormalFontBig", kNormalFontBig},
		{"~ NormalFont", kNormalFont},
		{"~ NormalFontSmall", kNormalFontSmall},
		{"~ NormalFontSmaller", kNormalFontSmaller},
		{"~ NormalFontVerySmall", kNormalFontVerySmall},
		{"~ SymbolFont", kSymbolFont},
	};
	for (const auto& stock : stockFonts)
		if (name == stock.name)
			return stock.font;
	return nullptr;
}

} // namespace Detail
} // namespace VSTGUI
