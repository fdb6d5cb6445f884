// What a user-interface description file holds, as read from its XML and not
// yet turned into colours, fonts or bitmaps.
#pragma once

#include "../uiattributes.h"

#include <string>
#include <vector>

namespace VSTGUI {
namespace Detail {

// One element of a resource list (<font>, <color>, <bitmap>, <control-tag>,
// <attributes> of <custom>) with all its XML attributes, "name" included.
struct UIResourceEntry
{
	std::string name;
	SharedPointer<UIAttributes> attributes;
};

struct UIGradientEntry
{
	struct Stop
	{
		double start = 0;
		std::string rgba;
	};
	std::string name;
	std::vector<Stop> stops;
};

// A <template> or <view> element and the views inside it, in file order.
struct UIViewNode
{
	SharedPointer<UIAttributes> attributes;
	std::vector<UIViewNode> children;
};

struct UIDescriptionContent
{
	std::vector<UIResourceEntry> fonts;
	std::vector<UIResourceEntry> colors;
	std::vector<UIResourceEntry> bitmaps;
	std::vector<UIResourceEntry> controlTags;
	std::vector<UIResourceEntry> customAttributes;
	std::vector<UIGradientEntry> gradients;
	std::vector<UIViewNode> templates;
};

} // namespace Detail
} // namespace VSTGUI
