#include "Lv2PortLayout.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

namespace {

std::string symbolFor(const std::string& title, std::set<std::string>& taken)
{
	std::string symbol;
	for (const char c : title)
	{
		const auto u = static_cast<unsigned char>(c);
		if (std::isalnum(u))
			symbol += static_cast<char>(std::tolower(u));
		else if (!symbol.empty() && symbol.back() != '_')
			symbol += '_';
	}
	while (!symbol.empty() && symbol.back() == '_')
		symbol.pop_back();
	if (symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol.front())))
		symbol = "p_" + symbol;
	std::string unique = symbol;
	for (int n = 2; !taken.insert(unique).second; ++n)
		unique = symbol + "_" + std::to_string(n);
	return unique;
}

} // namespace

bool isMidiTarget(const Wrappers::ParameterTable& table, ParamID id)
{
	for (int32 channel = 0; channel < 16; ++channel)
		for (int32 number = 0; number < kCountCtrlNumber; ++number)
			if (table.midiTarget(channel, number) == id)
				return true;
	return false;
}

PortLayout::PortLayout(const Wrappers::ParameterTable& table, int32 inputChannels, int32 outputChannels)
: inputs(static_cast<uint32>(std::max(inputChannels, 0))), outputs(static_cast<uint32>(std::max(outputChannels, 0)))
{
	// Names the audio and atom ports use, so no parameter takes them.
	std::set<std::string> taken = {"in_l", "in_r", "out_l", "out_r", "events", "enabled"};
	uint32 next = eventPort() + 1;
	for (int32 i = 0; i < table.size(); ++i)
	{
		const Wrappers::ParameterEntry& entry = table.at(i);
		if (!entry.canAutomate() || entry.isReadOnly() || entry.isProgramChange() || entry.isBypass() ||
			isMidiTarget(table, entry.id))
			continue;
		ControlPort port;
		port.index = next++;
		port.parameter = i;
		port.symbol = symbolFor(entry.title, taken);
		port.integer = entry.mapping == Wrappers::ParameterEntry::Mapping::stepped;
		controlPorts.push_back(std::move(port));
	}
	if (table.bypassIndex() >= 0)
	{
		ControlPort port;
		port.index = next++;
		port.parameter = table.bypassIndex();
		port.symbol = "enabled";
		port.enabled = true;
		port.integer = true;
		controlPorts.push_back(std::move(port));
	}
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
