// The attributes of one element of a user-interface description: name → text,
// with readers that turn the text into numbers, points and rectangles the way
// VSTGUI reads its own files.
#pragma once

#include "../lib/crect.h"
#include "../lib/vstguibase.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace VSTGUI {

class UIAttributes : public NonAtomicReferenceCounted
{
public:
	using StringArray = std::vector<std::string>;
	using const_iterator = std::map<std::string, std::string>::const_iterator;

	UIAttributes() = default;

	bool hasAttribute(const std::string& name) const;
	// Null when the attribute is absent.
	const std::string* getAttributeValue(const std::string& name) const;
	void setAttribute(const std::string& name, const std::string& value);
	void removeAttribute(const std::string& name);
	size_t getNumAttributes() const { return values.size(); }
	const_iterator begin() const { return values.begin(); }
	const_iterator end() const { return values.end(); }

	// Each getter answers false and leaves its output alone when the
	// attribute is absent or its text does not read as the wanted kind.
	void setBooleanAttribute(const std::string& name, bool value);
	bool getBooleanAttribute(const std::string& name, bool& value) const;
	void setIntegerAttribute(const std::string& name, int32_t value);
	bool getIntegerAttribute(const std::string& name, int32_t& value) const;
	void setDoubleAttribute(const std::string& name, double value);
	bool getDoubleAttribute(const std::string& name, double& value) const;
	void setPointAttribute(const std::string& name, const CPoint& p);
	bool getPointAttribute(const std::string& name, CPoint& p) const;
	void setRectAttribute(const std::string& name, const CRect& r);
	bool getRectAttribute(const std::string& name, CRect& r) const;
	bool getStringArrayAttribute(const std::string& name, StringArray& values) const;

	// The text readers behind the getters, for texts that are not attributes.
	static bool stringToDouble(const std::string& text, double& value);
	static bool stringToInteger(const std::string& text, int32_t& value);
	static bool stringToBoolean(const std::string& text, bool& value);
	// "x, y": two numbers and exactly one comma; blanks around them allowed.
	static bool stringToPoint(const std::string& text, CPoint& p);
	static bool stringToRect(const std::string& text, CRect& r);
	static std::string doubleToString(double value);

private:
	std::map<std::string, std::string> values;
};

} // namespace VSTGUI
