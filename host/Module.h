#pragma once

#include "host/ClassId.h"
#include "host/PlugInstance.h"

#include "pluginterfaces/base/ipluginbase.h"

#include <memory>
#include <string>
#include <vector>

namespace VeltraneHost {

struct ClassInfo
{
	ClassId id;
	std::string category;
	std::string name;
};

// A loaded VST 3 module. Copies share one load: the last copy, and every
// PlugInstance created from it, must be gone before the factory is
// released, ModuleExit is called and the library is closed.
// Every failure is reported by throwing HostError.
class Module
{
public:
	// path: the NAME.vst3 bundle folder or the .so itself.
	static Module load(const std::string& path);

	const std::string& binaryPath() const;
	Steinberg::IPluginFactory& factory() const;
	std::vector<ClassInfo> classes() const;

	// The first class of category kVstAudioEffectClass.
	PlugInstance createInstance() const;
	PlugInstance createInstance(const ClassId& classId) const;

private:
	struct Loaded;
	explicit Module(std::shared_ptr<Loaded> loaded);

	std::shared_ptr<Loaded> loaded;
};

} // namespace VeltraneHost
