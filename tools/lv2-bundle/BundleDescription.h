// What an LV2 bundle says about the one plug-in a VST 3 module carries,
// read from the module as a host loads it: the factory's vendor and class,
// the parameters, the port layout the module's LV2 face uses, and the
// port values of each program of the program list.
#pragma once

#include "Lv2PortLayout.h"
#include "common/ParameterTable.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct PresetDescription
{
	std::string name;
	std::map<std::uint32_t, double> portValues; // LV2 port index -> value
};

struct BundleDescription
{
	std::string uri;
	std::string uiUri; // empty when the module has no LV2 UI
	std::string name;
	std::string vendor;
	int minorVersion = 0;
	int microVersion = 0;
	std::string binaryName; // the module's file name, as the bundle names it
	std::unique_ptr<Steinberg::Vst::Wrappers::ParameterTable> table;
	std::unique_ptr<Steinberg::Vst::Lv2::PortLayout> layout;
	std::vector<PresetDescription> presets;
};

// Throws std::runtime_error when the module cannot be read.
BundleDescription describeModule(const std::string& vst3Bundle);
