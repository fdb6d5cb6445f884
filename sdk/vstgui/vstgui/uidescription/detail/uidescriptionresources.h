// The parsed content of a description and the resources made from it, each
// made on first use and kept while the description lives.
#pragma once

#include "../../lib/cbitmap.h"
#include "../../lib/cfont.h"
#include "../../lib/cgradient.h"
#include "../uiviewfactory.h"
#include "uidescriptioncontent.h"

#include <map>
#include <string>

namespace VSTGUI {
namespace Detail {

struct UIDescriptionResources
{
	UIDescriptionContent content;
	UIViewFactory defaultFactory;
	std::map<std::string, SharedPointer<CBitmap>> bitmaps;
	std::map<std::string, SharedPointer<CFontDesc>> fonts;
	std::map<std::string, SharedPointer<CGradient>> gradients;
};

const UIResourceEntry* findEntry(const std::vector<UIResourceEntry>& entries, const std::string& name);

} // namespace Detail
} // namespace VSTGUI
