#include "uidescription.h"

#include "detail/uidescriptionreader.h"
#include "detail/uidescriptionresources.h"
#include "detail/uistockresources.h"
#include "icontroller.h"
#include "xmlparser.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace VSTGUI {

struct UIDescription::Resources : Detail::UIDescriptionResources
{
};

namespace Detail {

const UIResourceEntry* findEntry(const std::vector<UIResourceEntry>& entries, const std::string& name)
{
	for (const auto& entry : entries)
		if (entry.name == name)
			return &entry;
	return nullptr;
}

} // namespace Detail

namespace {

// A description is a few hundred kilobytes at most; anything far larger is
// not one and is not read into memory.
constexpr size_t kMaxDescriptionBytes = 64 * 1024 * 1024;

bool readFile(const std::string& path, std::string& bytes)
{
	std::ifstream file(path, std::ios::binary);
	if (!file)
		return false;
	file.seekg(0, std::ios::end);
	auto size = file.tellg();
	if (size < 0 || static_cast<size_t>(size) > kMaxDescriptionBytes)
		return false;
	file.seekg(0);
	bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
	return true;
}

bool readProvider(Xml::IContentProvider& provider, std::string& bytes)
{
	provider.rewind();
	int8_t buffer[4096];
	while (int32_t count = provider.readRawXmlData(buffer, sizeof(buffer)))
	{
		if (count < 0 || bytes.size() + static_cast<size_t>(count) > kMaxDescriptionBytes)
			return false;
		bytes.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(count));
	}
	return true;
}

int hexDigit(char c)
{
	if (c >= '0' && c <= '9')
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

// A tag is a decimal number or a four-character code such as 'prst'.
bool parseTag(const std::string& text, int32_t& tag)
{
	if (text.size() == 6 && text.front() == '\'' && text.back() == '\'')
	{
		uint32_t code = 0;
		for (size_t i = 1; i < 5; ++i)
			code = (code << 8) | static_cast<uint8_t>(text[i]);
		tag = static_cast<int32_t>(code);
		return true;
	}
	return UIAttributes::stringToInteger(text, tag);
}

// VSTGUI's naming of a larger resolution: the name, '#' (or '_'), the
// factor and 'x', as in "codeback#2x".
bool splitScaleFactor(const std::string& name, std::string& base, double& factor)
{
	const size_t mark = name.find_last_of("#_");
	if (mark == std::string::npos || name.size() < mark + 3 || name.back() != 'x')
		return false;
	if (!UIAttributes::stringToDouble(name.substr(mark + 1, name.size() - mark - 2), factor) || !(factor > 0))
		return false;
	base = name.substr(0, mark);
	return true;
}

} // namespace

UIDescription::UIDescription(const CResourceDescription& xmlFile, IViewFactory* viewFactory)
: externalFactory(viewFactory), resources(std::make_unique<Resources>())
{
	if (xmlFile.type == CResourceDescription::kStringType && xmlFile.u.name)
		filePath = xmlFile.u.name;
}

UIDescription::UIDescription(Xml::IContentProvider* xmlContentProvider, IViewFactory* viewFactory)
: contentProvider(xmlContentProvider), externalFactory(viewFactory), resources(std::make_unique<Resources>())
{
}

UIDescription::~UIDescription() noexcept = default;

bool UIDescription::parse()
{
	resources = std::make_unique<Resources>();
	std::string bytes;
	bool read = contentProvider ? readProvider(*contentProvider, bytes)
	                            : !filePath.empty() && readFile(resourcePath(filePath), bytes);
	return read && Detail::readUIDescription(bytes.data(), bytes.size(), resources->content);
}

const IViewFactory* UIDescription::viewFactory() const
{
	return externalFactory ? externalFactory : &resources->defaultFactory;
}

CBitmap* UIDescription::getBitmap(UTF8StringPtr name) const
{
	if (!name)
		return nullptr;
	auto cached = resources->bitmaps.find(name);
	if (cached != resources->bitmaps.end())
		return cached->second;
	auto* entry = Detail::findEntry(resources->content.bitmaps, name);
	auto* path = entry ? entry->attributes->getAttributeValue("path") : nullptr;
	if (!path || path->empty())
		return nullptr;
	// A missing picture still gives a bitmap: an empty one. The pixels are
	// decoded when first drawn, or all at once by decodeBitmaps.
	auto bitmap = CBitmap::decodedOnDemand(CResourceDescription(path->c_str()));
	// Entries named after this one with a scale factor ("codeback#2x") are its
	// larger resolutions, as VSTGUI pairs them.
	for (const auto& other : resources->content.bitmaps)
	{
		std::string base;
		double factor = 1.;
		auto* otherPath = other.attributes->getAttributeValue("path");
		if (otherPath && splitScaleFactor(other.name, base, factor) && base == name && factor != 1.)
			bitmap->addBitmap(CResourceDescription(otherPath->c_str()), factor);
	}
	resources->bitmaps.emplace(name, bitmap);
	return bitmap;
}

void UIDescription::decodeBitmaps(double scaleFactor) const
{
	std::vector<CBitmap*> handedOut;
	for (const auto& cached : resources->bitmaps)
		handedOut.push_back(cached.second);
	VSTGUI::decodeBitmaps(handedOut, scaleFactor);
}

CFontDesc* UIDescription::getFont(UTF8StringPtr name) const
{
	if (!name)
		return nullptr;
	auto cached = resources->fonts.find(name);
	if (cached != resources->fonts.end())
		return cached->second;
	auto* entry = Detail::findEntry(resources->content.fonts, name);
	if (!entry)
		return Detail::getStockFont(name);
	const UIAttributes& attributes = *entry->attributes;
	auto* family = attributes.getAttributeValue("font-name");
	double size = 12;
	attributes.getDoubleAttribute("size", size);
	int32_t style = kNormalFace;
	const std::pair<const char*, int32_t> faces[] = {{"bold", kBoldFace}, {"italic", kItalicFace},
		{"underline", kUnderlineFace}, {"strike-through", kStrikethroughFace}};
	for (const auto& face : faces)
	{
		bool on = false;
		if (attributes.getBooleanAttribute(face.first, on) && on)
			style |= face.second;
	}
	auto font = makeOwned<CFontDesc>(family ? family->c_str() : name, size, style);
	resources->fonts.emplace(name, font);
	return font;
}

bool UIDescription::getColor(UTF8StringPtr name, CColor& color) const
{
	if (!name)
		return false;
	if (auto* entry = Detail::findEntry(resources->content.colors, name))
	{
		auto* rgba = entry->attributes->getAttributeValue("rgba");
		if (rgba && parseColor(*rgba, color))
			return true;
	}
	return parseColor(name, color) || Detail::getStockColor(name, color);
}

CGradient* UIDescription::getGradient(UTF8StringPtr name) const
{
	if (!name)
		return nullptr;
	auto cached = resources->gradients.find(name);
	if (cached != resources->gradients.end())
		return cached->second;
	for (const auto& entry : resources->content.gradients)
	{
		if (entry.name != name)
			continue;
		auto gradient = makeOwned<CGradient>();
		for (const auto& stop : entry.stops)
		{
			CColor color;
			if (parseColor(stop.rgba, color))
				gradient->addColorStop(stop.start, color);
		}
		resources->gradients.emplace(name, gradient);
		return gradient;
	}
	return nullptr;
}

int32_t UIDescription::getTagForName(UTF8StringPtr name) const
{
	int32_t tag = -1;
	if (!name)
		return tag;
	if (auto* entry = Detail::findEntry(resources->content.controlTags, name))
	{
		auto* text = entry->attributes->getAttributeValue("tag");
		if (!text || !parseTag(*text, tag))
			tag = -1;
	}
	return controller ? controller->getTagForName(name, tag) : tag;
}

IControlListener* UIDescription::getControlListener(UTF8StringPtr name) const
{
	return controller ? controller->getControlListener(name) : nullptr;
}

const UIAttributes* UIDescription::getViewAttributes(UTF8StringPtr name) const
{
	auto* node = name ? findTemplate(name) : nullptr;
	return node ? node->attributes.get() : nullptr;
}

const UIAttributes* UIDescription::getCustomAttributes(UTF8StringPtr name) const
{
	auto* entry = name ? Detail::findEntry(resources->content.customAttributes, name) : nullptr;
	return entry ? entry->attributes.get() : nullptr;
}

UTF8StringPtr UIDescription::lookupColorName(const CColor& color) const
{
	for (const auto& entry : resources->content.colors)
	{
		CColor entryColor;
		auto* rgba = entry.attributes->getAttributeValue("rgba");
		if (rgba && parseColor(*rgba, entryColor) && entryColor == color)
			return entry.name.c_str();
	}
	return Detail::lookupStockColorName(color);
}

UTF8StringPtr UIDescription::lookupBitmapName(const CBitmap* bitmap) const
{
	for (const auto& cached : resources->bitmaps)
		if (cached.second.get() == bitmap)
			return cached.first.c_str();
	return nullptr;
}

UTF8StringPtr UIDescription::lookupControlTagName(int32_t tag) const
{
	for (const auto& entry : resources->content.controlTags)
	{
		int32_t entryTag = -1;
		auto* text = entry.attributes->getAttributeValue("tag");
		if (text && parseTag(*text, entryTag) && entryTag == tag)
			return entry.name.c_str();
	}
	return nullptr;
}

const Detail::UIViewNode* UIDescription::findTemplate(const std::string& name) const
{
	for (const auto& node : resources->content.templates)
	{
		auto* templateName = node.attributes->getAttributeValue("name");
		if (templateName && *templateName == name)
			return &node;
	}
	return nullptr;
}

namespace {

void collectNames(const std::vector<Detail::UIResourceEntry>& entries, std::list<const std::string*>& names)
{
	for (const auto& entry : entries)
		names.push_back(&entry.name);
}

} // namespace

void UIDescription::collectTemplateViewNames(std::list<const std::string*>& names) const
{
	for (const auto& node : resources->content.templates)
		names.push_back(node.attributes->getAttributeValue("name"));
}

void UIDescription::collectBitmapNames(std::list<const std::string*>& names) const
{
	collectNames(resources->content.bitmaps, names);
}

void UIDescription::collectControlTagNames(std::list<const std::string*>& names) const
{
	collectNames(resources->content.controlTags, names);
}

void UIDescription::collectColorNames(std::list<const std::string*>& names) const
{
	collectNames(resources->content.colors, names);
}

bool UIDescription::parseColor(const std::string& colorString, CColor& color)
{
	if ((colorString.size() != 7 && colorString.size() != 9) || colorString[0] != '#')
		return false;
	uint8_t channels[4] = {0, 0, 0, 255};
	for (size_t i = 0; i * 2 + 1 < colorString.size(); ++i)
	{
		int high = hexDigit(colorString[i * 2 + 1]);
		int low = hexDigit(colorString[i * 2 + 2]);
		if (high < 0 || low < 0)
			return false;
		channels[i] = static_cast<uint8_t>(high * 16 + low);
	}
	color = CColor(channels[0], channels[1], channels[2], channels[3]);
	return true;
}

} // namespace VSTGUI
