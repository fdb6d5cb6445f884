#include "TurtleFiles.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

using Steinberg::Vst::Lv2::ControlPort;
using Steinberg::Vst::Lv2::PortLayout;
using Steinberg::Vst::Wrappers::ParameterEntry;

const char* const kPrefixes =
	"@prefix atom: <http://lv2plug.in/ns/ext/atom#> .\n"
	"@prefix doap: <http://usefulinc.com/ns/doap#> .\n"
	"@prefix foaf: <http://xmlns.com/foaf/0.1/> .\n"
	"@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
	"@prefix midi: <http://lv2plug.in/ns/ext/midi#> .\n"
	"@prefix opts: <http://lv2plug.in/ns/ext/options#> .\n"
	"@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .\n"
	"@prefix pset: <http://lv2plug.in/ns/ext/presets#> .\n"
	"@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
	"@prefix rdfs: <http://www.w3.org/2000/01/rdf-schema#> .\n"
	"@prefix time: <http://lv2plug.in/ns/ext/time#> .\n"
	"@prefix ui: <http://lv2plug.in/ns/extensions/ui#> .\n"
	"@prefix units: <http://lv2plug.in/ns/extensions/units#> .\n"
	"@prefix urid: <http://lv2plug.in/ns/ext/urid#> .\n\n";

std::string quoted(const std::string& text)
{
	std::string out = "\"";
	for (const char c : text)
	{
		if (c == '"' || c == '\\')
			out += '\\';
		if (c == '\n')
			out += "\\n";
		else if (static_cast<unsigned char>(c) >= 0x20)
			out += c;
	}
	return out + "\"";
}

// Shortest text that reads back as the same float (the ports' type), always a decimal literal.
std::string number(double value)
{
	char text[32];
	const float single = static_cast<float>(value);
	for (int digits = 6; digits <= 9; ++digits)
	{
		std::snprintf(text, sizeof(text), "%.*g", digits, single);
		if (std::strtof(text, nullptr) == single)
			break;
	}
	std::string out = text;
	if (out.find_first_of(".eEn") == std::string::npos)
		out += ".0";
	return out;
}

std::string presetUri(const BundleDescription& description, const std::string& name)
{
	std::string slug;
	for (const char c : name)
		if (std::isalnum(static_cast<unsigned char>(c)))
			slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
		else if (!slug.empty() && slug.back() != '-')
			slug += '-';
	while (!slug.empty() && slug.back() == '-')
		slug.pop_back();
	return "<" + description.uri + "#preset-" + slug + ">";
}

// The LV2 unit for the VST 3 units text, where one fits.
const char* unitFor(const std::string& units)
{
	const struct
	{
		const char* vst3;
		const char* lv2;
	} known[] = {{"mSec", "units:ms"}, {"ms", "units:ms"}, {"msec", "units:ms"}, {"%", "units:pc"},
		{"Hz", "units:hz"}, {"kHz", "units:khz"}, {"dB", "units:db"}, {"s", "units:s"}, {"sec", "units:s"}};
	for (const auto& unit : known)
		if (units == unit.vst3)
			return unit.lv2;
	return nullptr;
}

std::string channelSymbol(const char* stem, uint32_t channel, uint32_t channels)
{
	if (channels == 1)
		return stem;
	if (channels == 2)
		return std::string(stem) + (channel == 0 ? "_l" : "_r");
	return std::string(stem) + "_" + std::to_string(channel + 1);
}

std::string channelName(const char* stem, uint32_t channel, uint32_t channels)
{
	if (channels == 1)
		return stem;
	if (channels == 2)
		return std::string(stem) + (channel == 0 ? " L" : " R");
	return std::string(stem) + " " + std::to_string(channel + 1);
}

void writeAudioPorts(std::ostream& out, const PortLayout& layout)
{
	for (uint32_t c = 0; c < layout.audioInputs(); ++c)
		out << "\tlv2:port [\n\t\ta lv2:AudioPort, lv2:InputPort ;\n\t\tlv2:index " << layout.audioInputPort(c)
			<< " ;\n\t\tlv2:symbol " << quoted(channelSymbol("in", c, layout.audioInputs())) << " ;\n\t\tlv2:name "
			<< quoted(channelName("In", c, layout.audioInputs())) << "\n\t] ;\n";
	for (uint32_t c = 0; c < layout.audioOutputs(); ++c)
		out << "\tlv2:port [\n\t\ta lv2:AudioPort, lv2:OutputPort ;\n\t\tlv2:index " << layout.audioOutputPort(c)
			<< " ;\n\t\tlv2:symbol " << quoted(channelSymbol("out", c, layout.audioOutputs())) << " ;\n\t\tlv2:name "
			<< quoted(channelName("Out", c, layout.audioOutputs())) << "\n\t] ;\n";
	out << "\tlv2:port [\n\t\ta lv2:InputPort, atom:AtomPort ;\n\t\tlv2:index " << layout.eventPort()
		<< " ;\n\t\tlv2:symbol \"events\" ;\n\t\tlv2:name \"Events\" ;\n\t\tatom:bufferType atom:Sequence ;\n"
		<< "\t\tatom:supports midi:MidiEvent, time:Position ;\n\t\tlv2:designation lv2:control\n\t]";
}

void writeControlPort(std::ostream& out, const ParameterEntry& entry, const ControlPort& port)
{
	out << " ;\n\tlv2:port [\n\t\ta lv2:InputPort, lv2:ControlPort ;\n\t\tlv2:index " << port.index
		<< " ;\n\t\tlv2:symbol " << quoted(port.symbol) << " ;\n";
	if (port.enabled)
	{
		out << "\t\tlv2:name \"Enabled\" ;\n\t\tlv2:designation lv2:enabled ;\n"
			<< "\t\tlv2:portProperty lv2:integer, lv2:toggled ;\n"
			<< "\t\tlv2:default " << number(PortLayout::portValue(port, entry.defaultPlain))
			<< " ;\n\t\tlv2:minimum 0.0 ;\n\t\tlv2:maximum 1.0\n\t]";
		return;
	}
	const double low = std::min(entry.minPlain, entry.maxPlain), high = std::max(entry.minPlain, entry.maxPlain);
	out << "\t\tlv2:name " << quoted(entry.title) << " ;\n";
	if (!entry.shortTitle.empty() && entry.shortTitle != entry.title)
		out << "\t\tlv2:shortName " << quoted(entry.shortTitle.substr(0, 16)) << " ;\n";
	if (const char* unit = unitFor(entry.units))
		out << "\t\tunits:unit " << unit << " ;\n";
	if (entry.isList() && !entry.labels.empty())
	{
		out << "\t\tlv2:portProperty lv2:integer, lv2:enumeration ;\n";
		for (size_t k = 0; k < entry.labels.size(); ++k)
			out << "\t\tlv2:scalePoint [ rdfs:label " << quoted(entry.labels[k]) << " ; rdf:value "
				<< number(entry.minPlain + static_cast<double>(k)) << " ] ;\n";
	}
	else if (port.integer)
		out << "\t\tlv2:portProperty lv2:integer ;\n";
	if (entry.logarithmic)
		out << "\t\tlv2:portProperty pprops:logarithmic ;\n";
	out << "\t\tlv2:default " << number(entry.defaultPlain) << " ;\n\t\tlv2:minimum " << number(low)
		<< " ;\n\t\tlv2:maximum " << number(high) << "\n\t]";
}

std::string pluginTurtle(const BundleDescription& description)
{
	std::ostringstream out;
	out << kPrefixes << "<" << description.uri << ">\n\ta lv2:Plugin, lv2:DelayPlugin ;\n"
		<< "\tdoap:name " << quoted(description.name) << " ;\n"
		<< "\tlv2:project [\n\t\ta doap:Project ;\n\t\tdoap:name " << quoted(description.vendor)
		<< " ;\n\t\tdoap:maintainer [ a foaf:Organization ; foaf:name " << quoted(description.vendor) << " ]\n\t] ;\n"
		<< "\tlv2:minorVersion " << description.minorVersion << " ;\n"
		<< "\tlv2:microVersion " << description.microVersion << " ;\n"
		<< "\tlv2:requiredFeature urid:map ;\n"
		<< "\tlv2:optionalFeature lv2:hardRTCapable, opts:options ;\n";
	if (!description.uiUri.empty())
		out << "\tui:ui <" << description.uiUri << "> ;\n";
	writeAudioPorts(out, *description.layout);
	for (const ControlPort& port : description.layout->controls())
		writeControlPort(out, description.table->at(port.parameter), port);
	out << " .\n";
	if (!description.uiUri.empty())
		// The editor embedded in the host's window; it needs the host's idle calls to run.
		out << "\n<" << description.uiUri << ">\n\ta ui:X11UI ;\n\tlv2:binary <" << description.binaryName
			<< "> ;\n\tlv2:requiredFeature ui:parent, ui:idleInterface ;\n"
			<< "\tlv2:optionalFeature ui:resize, ui:touch ;\n"
			<< "\tlv2:extensionData ui:idleInterface, ui:resize .\n";
	return out.str();
}

std::string presetsTurtle(const BundleDescription& description)
{
	std::ostringstream out;
	out << kPrefixes;
	for (const PresetDescription& preset : description.presets)
	{
		out << presetUri(description, preset.name) << "\n\ta pset:Preset ;\n\tlv2:appliesTo <" << description.uri
			<< "> ;\n\trdfs:label " << quoted(preset.name);
		for (const ControlPort& port : description.layout->controls())
		{
			const auto value = preset.portValues.find(port.index);
			if (value != preset.portValues.end())
				out << " ;\n\tlv2:port [ lv2:symbol " << quoted(port.symbol) << " ; pset:value " << number(value->second)
					<< " ]";
		}
		out << " .\n\n";
	}
	return out.str();
}

std::string manifestTurtle(const BundleDescription& description)
{
	std::ostringstream out;
	out << kPrefixes << "<" << description.uri << ">\n\ta lv2:Plugin ;\n\tlv2:binary <" << description.binaryName
		<< "> ;\n\trdfs:seeAlso <" << pluginFileName(description) << "> .\n";
	if (!description.uiUri.empty())
		out << "\n<" << description.uiUri << ">\n\ta ui:X11UI ;\n\tlv2:binary <" << description.binaryName
			<< "> ;\n\trdfs:seeAlso <" << pluginFileName(description) << "> .\n";
	for (const PresetDescription& preset : description.presets)
		out << "\n" << presetUri(description, preset.name) << "\n\ta pset:Preset ;\n\tlv2:appliesTo <"
			<< description.uri << "> ;\n\trdfs:seeAlso <presets.ttl> .\n";
	return out.str();
}

void writeFile(const std::string& path, const std::string& text)
{
	std::ofstream file(path, std::ios::binary | std::ios::trunc);
	file << text;
	if (!file.flush())
		throw std::runtime_error("cannot write " + path);
}

} // namespace

std::string pluginFileName(const BundleDescription& description)
{
	std::string name;
	for (const char c : description.name)
		name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
	return (name.empty() ? "plugin" : name) + ".ttl";
}

void writeTurtle(const BundleDescription& description, const std::string& folder)
{
	writeFile(folder + "/manifest.ttl", manifestTurtle(description));
	writeFile(folder + "/" + pluginFileName(description), pluginTurtle(description));
	writeFile(folder + "/presets.ttl", presetsTurtle(description));
}
