// IComponent::getState/setState and IEditController::getState/setState have
// the same signature, so one override in a class deriving from both would
// answer for both faces: the host could not save the processor state and
// the (empty) controller state separately. Each face is routed here to its
// own virtual functions, which a single-component effect overrides instead:
//
//   component face   IComponent::setState      -> loadComponentState
//                    IComponent::getState      -> saveComponentState
//   controller face  IEditController::setState -> loadControllerState
//                    IEditController::getState -> saveControllerState
//
// getState/setState are final so that an override of them, which would
// silently serve both faces again, fails to compile.
#pragma once

#include "public.sdk/source/vst/vsteditcontroller.h"
#include "pluginterfaces/vst/ivstcomponent.h"

namespace Steinberg {
namespace Vst {

class ComponentStateFace : public IComponent
{
public:
	tresult PLUGIN_API setState(IBStream* state) final { return loadComponentState(state); }
	tresult PLUGIN_API getState(IBStream* state) final { return saveComponentState(state); }

protected:
	virtual tresult loadComponentState(IBStream* /*state*/) { return kNotImplemented; }
	virtual tresult saveComponentState(IBStream* /*state*/) { return kNotImplemented; }
};

class ControllerStateFace : public EditControllerEx1
{
public:
	tresult PLUGIN_API setState(IBStream* state) final { return loadControllerState(state); }
	tresult PLUGIN_API getState(IBStream* state) final { return saveControllerState(state); }

protected:
	virtual tresult loadControllerState(IBStream* /*state*/) { return kNotImplemented; }
	virtual tresult saveControllerState(IBStream* /*state*/) { return kNotImplemented; }
};

} // namespace Vst
} // namespace Steinberg
