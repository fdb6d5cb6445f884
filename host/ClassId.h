#pragma once

#include "pluginterfaces/base/funknown.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace VeltraneHost {

// A copyable, comparable form of the SDK's TUID (a bare char[16]).
using ClassId = std::array<Steinberg::int8, sizeof(Steinberg::TUID)>;

inline ClassId toClassId(const Steinberg::TUID tuid)
{
	ClassId id{};
	std::copy(tuid, tuid + id.size(), id.begin());
	return id;
}

// 32 hex digits, for error texts.
inline std::string toString(const ClassId& id)
{
	std::string text;
	char digits[3];
	for (Steinberg::int8 byte : id)
	{
		std::snprintf(digits, sizeof(digits), "%02X", static_cast<unsigned char>(byte));
		text += digits;
	}
	return text;
}

} // namespace VeltraneHost
