// The Turtle of an LV2 bundle: manifest.ttl, the plug-in's own file and
// presets.ttl, written from a BundleDescription.
#pragma once

#include "BundleDescription.h"

#include <string>

// The plug-in's own file, named after the plug-in.
std::string pluginFileName(const BundleDescription& description);

// Writes the three files into folder (which exists); throws std::runtime_error.
void writeTurtle(const BundleDescription& description, const std::string& folder);
