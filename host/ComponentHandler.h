#pragma once

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <vector>

namespace VeltraneHost {

// One call the controller made to its host.
struct HandlerCall
{
	enum class Kind
	{
		beginEdit,
		performEdit,
		endEdit,
		restartComponent,
	};

	Kind kind;
	Steinberg::Vst::ParamID id;			// edits only
	Steinberg::Vst::ParamValue value;	// performEdit only
	Steinberg::int32 flags;				// restartComponent only

	bool operator==(const HandlerCall& other) const;
};

// Records every IComponentHandler call for tests to examine.
// Host-owned: addRef/release do not count and never delete. Not thread-safe.
class ComponentHandler : public Steinberg::Vst::IComponentHandler
{
public:
	ComponentHandler() = default;
	ComponentHandler(const ComponentHandler&) = delete;
	ComponentHandler& operator=(const ComponentHandler&) = delete;
	virtual ~ComponentHandler() = default;

	const std::vector<HandlerCall>& calls() const { return recorded; }
	// All restartComponent flags seen since the last clear, or-ed together.
	Steinberg::int32 restartFlags() const;
	void clear() { recorded.clear(); }

	Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
	Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value) override;
	Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
	Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

	Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** object) override;
	Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
	Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
	std::vector<HandlerCall> recorded;
};

} // namespace VeltraneHost
