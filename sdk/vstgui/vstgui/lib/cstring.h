// UTF-8 text as VSTGUI passes it around: built from a C string or a
// std::string, and readable as either.
#pragma once

#include "vstguibase.h"

#include <string>

namespace VSTGUI {

class UTF8String
{
public:
	UTF8String() = default;
	UTF8String(UTF8StringPtr text) : string(text ? text : "") {}
	UTF8String(std::string text) : string(std::move(text)) {}

	const std::string& getString() const { return string; }
	UTF8StringPtr data() const { return string.c_str(); }
	UTF8StringPtr get() const { return string.c_str(); }
	operator UTF8StringPtr() const { return string.c_str(); }
	operator const std::string&() const { return string; }
	size_t length() const { return string.length(); }
	bool empty() const { return string.empty(); }

	bool operator==(UTF8StringPtr other) const { return string == (other ? other : ""); }
	bool operator!=(UTF8StringPtr other) const { return !(*this == other); }
	bool operator==(const UTF8String& other) const { return string == other.string; }
	bool operator!=(const UTF8String& other) const { return string != other.string; }
	UTF8String& operator+=(const UTF8String& other)
	{
		string += other.string;
		return *this;
	}
	UTF8String operator+(const UTF8String& other) const { return UTF8String(string + other.string); }

private:
	std::string string;
};

} // namespace VSTGUI
