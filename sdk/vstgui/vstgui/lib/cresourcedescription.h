// Names a resource (a picture, a description). On Linux resources are files
// found by name in one process-wide resource folder, which the module sets to
// its bundle's Contents/Resources before loading anything.
#pragma once

#include "vstguibase.h"

#include <string>

namespace VSTGUI {

void setResourceFolder(const std::string& folder);
const std::string& getResourceFolder();
// The file a resource name stands for: the name itself when it is an absolute
// path, else the name inside the resource folder.
std::string resourcePath(const std::string& name);

class CResourceDescription
{
public:
	enum Type : uint32_t
	{
		kIntegerType,
		kStringType,
		kUnknownType
	};

	CResourceDescription() { u.name = nullptr; }
	CResourceDescription(int32_t id) : type(kIntegerType) { u.id = id; }
	CResourceDescription(UTF8StringPtr name) : type(kStringType), storage(name ? name : "") { u.name = storage.c_str(); }
	CResourceDescription(const CResourceDescription& other) { *this = other; }
	CResourceDescription& operator=(const CResourceDescription& other)
	{
		type = other.type;
		storage = other.storage;
		if (type == kStringType)
			u.name = storage.c_str();
		else
			u.id = other.u.id;
		return *this;
	}

	Type type = kUnknownType;
	union
	{
		int32_t id;
		UTF8StringPtr name;
	} u;

private:
	std::string storage; // the name u.name points at
};

} // namespace VSTGUI
