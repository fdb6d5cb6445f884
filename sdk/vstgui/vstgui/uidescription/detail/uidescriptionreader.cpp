#include "uidescriptionreader.h"

#include <pugixml.hpp>

#include <cstring>

namespace VSTGUI {
namespace Detail {
namespace {

SharedPointer<UIAttributes> attributesOf(const pugi::xml_node& element)
{
	auto attributes = makeOwned<UIAttributes>();
	for (auto attribute : element.attributes())
		attributes->setAttribute(attribute.name(), attribute.value());
	return attributes;
}

// <fonts><font name=.../>...</fonts> and the like: entries without a name
// cannot be looked up, so they are dropped.
void readEntries(const pugi::xml_node& list, const char* entryName, std::vector<UIResourceEntry>& entries)
{
	for (auto element : list.children(entryName))
	{
		auto name = element.attribute("name");
		if (!name.empty())
			entries.push_back({name.value(), attributesOf(element)});
	}
}

void readGradients(const pugi::xml_node& list, std::vector<UIGradientEntry>& gradients)
{
	for (auto element : list.children("gradient"))
	{
		UIGradientEntry gradient;
		gradient.name = element.attribute("name").value();
		if (gradient.name.empty())
			continue;
		for (auto stop : element.children("color-stop"))
		{
			double start = 0;
			UIAttributes::stringToDouble(stop.attribute("start").value(), start);
			gradient.stops.push_back({start, stop.attribute("rgba").value()});
		}
		gradients.push_back(std::move(gradient));
	}
}

UIViewNode readView(const pugi::xml_node& element)
{
	UIViewNode node;
	node.attributes = attributesOf(element);
	for (auto child : element.children("view"))
		node.children.push_back(readView(child));
	return node;
}

} // namespace

bool readUIDescription(const void* xmlText, size_t size, UIDescriptionContent& content)
{
	content = {};
	pugi::xml_document document;
	if (!xmlText || !document.load_buffer(xmlText, size))
		return false;
	auto root = document.child("vstgui-ui-description");
	if (!root)
		return false;
	for (auto element : root.children())
	{
		const char* name = element.name();
		if (std::strcmp(name, "fonts") == 0)
			readEntries(element, "font", content.fonts);
		else if (std::strcmp(name, "colors") == 0)
			readEntries(element, "color", content.colors);
		else if (std::strcmp(name, "bitmaps") == 0)
			readEntries(element, "bitmap", content.bitmaps);
		else if (std::strcmp(name, "control-tags") == 0)
			readEntries(element, "control-tag", content.controlTags);
		else if (std::strcmp(name, "custom") == 0)
			readEntries(element, "attributes", content.customAttributes);
		else if (std::strcmp(name, "gradients") == 0)
			readGradients(element, content.gradients);
		else if (std::strcmp(name, "template") == 0 && !element.attribute("name").empty())
			content.templates.push_back(readView(element));
	}
	return true;
}

} // namespace Detail
} // namespace VSTGUI
