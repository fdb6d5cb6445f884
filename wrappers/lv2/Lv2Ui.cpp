#include "Lv2Ui.h"
#include "Lv2UiWindow.h"

#include "public.sdk/source/vst/vst2wrapper/vst2editorframe.h"

#include <cmath>
#include <cstring>

namespace Steinberg {
namespace Vst {
namespace Lv2 {

namespace {

const void* feature(const LV2_Feature* const* features, const char* uri)
{
	for (const LV2_Feature* const* f = features; f && *f; ++f)
		if ((*f)->URI && std::strcmp((*f)->URI, uri) == 0)
			return (*f)->data;
	return nullptr;
}

} // namespace

Ui* Ui::create(IPluginFactory* factory, const TUID classId, LV2UI_Write_Function write, LV2UI_Controller controller,
	LV2UI_Widget* widget, const LV2_Feature* const* features)
{
	std::unique_ptr<Ui> ui(new Ui);
	ui->write = write;
	ui->controller = controller;
	if (!write || !widget || !ui->open(factory, classId, widget, features))
		return nullptr;
	return ui.release();
}

bool Ui::open(IPluginFactory* factory, const TUID classId, LV2UI_Widget* widget, const LV2_Feature* const* features)
{
	void* parent = const_cast<void*>(feature(features, LV2_UI__parent));
	hostResize = static_cast<const LV2UI_Resize*>(feature(features, LV2_UI__resize));
	touch = static_cast<const LV2UI_Touch*>(feature(features, LV2_UI__touch));
	if (!parent)
		return false;
	hosted = Wrappers::HostedComponent::create(factory, classId, "LV2 host", this);
	if (!hosted || !hosted->hasEditor())
		return false;
	table = std::make_unique<Wrappers::ParameterTable>(hosted->controller(), hosted->midiMapping(), hosted->unitInfo());
	layout = std::make_unique<PortLayout>(*table, hosted->inputChannels(), hosted->outputChannels());
	for (const ControlPort& port : layout->controls())
	{
		const ParamID id = table->at(port.parameter).id;
		const double plain = hosted->controller().normalizedParamToPlain(id, hosted->controller().getParamNormalized(id));
		portValues.push_back(static_cast<float>(PortLayout::portValue(port, plain)));
	}

	view = owned(hosted->controller().createView(ViewType::kEditor));
	if (!view || view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID) != kResultTrue)
		return false;
	frame = owned(new Vst2::EditorFrame([this](int32 width, int32 height) {
		return hostResize && hostResize->ui_resize && hostResize->ui_resize(hostResize->handle, width, height) == 0;
	}));
	view->setFrame(frame);
	const auto parentWindow = reinterpret_cast<std::uintptr_t>(parent);
	const std::vector<std::uint32_t> childrenBefore = childWindows(parentWindow);
	if (view->attached(parent, kPlatformTypeX11EmbedWindowID) != kResultTrue)
	{
		view->setFrame(nullptr);
		view = nullptr;
		return false;
	}
	ViewRect size;
	if (view->getSize(&size) == kResultTrue && hostResize && hostResize->ui_resize)
		hostResize->ui_resize(hostResize->handle, size.getWidth(), size.getHeight());
	// The host knows the UI by the editor's own window (it sizes it, reads
	// its hints); should it not be found, by the parent it lives in.
	const std::uint32_t editorWindow = newWindow(childrenBefore, childWindows(parentWindow));
	*widget = editorWindow ? reinterpret_cast<LV2UI_Widget>(static_cast<std::uintptr_t>(editorWindow)) : parent;
	return true;
}

Ui::~Ui()
{
	if (view)
	{
		view->removed();
		view->setFrame(nullptr);
	}
	view = nullptr;
	frame = nullptr;
	hosted.reset();
}

const ControlPort* Ui::portOf(ParamID id) const
{
	const int32 index = table ? table->indexOf(id) : -1;
	for (const ControlPort& port : layout->controls())
		if (port.parameter == index)
			return &port;
	return nullptr;
}

void Ui::send(const ControlPort& port, float value)
{
	float& known = portValues[port.index - layout->controls().front().index];
	if (value == known)
		return;
	known = value;
	write(controller, port.index, sizeof(float), 0, &value);
}

void Ui::portEvent(uint32_t portIndex, uint32_t size, uint32_t format, const void* buffer)
{
	if (format != 0 || size != sizeof(float) || !buffer || layout->controls().empty())
		return;
	const uint32_t first = layout->controls().front().index;
	if (portIndex < first || portIndex - first >= layout->controls().size())
		return;
	const ControlPort& port = layout->controls()[portIndex - first];
	float value;
	std::memcpy(&value, buffer, sizeof(float));
	if (!std::isfinite(value))
		return;
	portValues[portIndex - first] = value;
	const ParamID id = table->at(port.parameter).id;
	double plain = PortLayout::plainValue(port, value);
	if (port.integer)
		plain = std::round(plain);
	fromHost = true;
	hosted->controller().setParamNormalized(id, hosted->controller().plainParamToNormalized(id, plain));
	fromHost = false;
}

int Ui::idle()
{
	// Held here: a handler may close things while it runs.
	if (IPtr<Vst2::EditorFrame> running = frame)
		running->pump();
	return 0;
}

int Ui::resizeTo(int width, int height)
{
	if (!view || width <= 0 || height <= 0)
		return 1;
	ViewRect size(0, 0, width, height);
	if (view->checkSizeConstraint(&size) != kResultTrue)
		view->getSize(&size);
	return view->onSize(&size) == kResultTrue ? 0 : 1;
}

void Ui::onBeginEdit(ParamID id)
{
	if (const ControlPort* port = portOf(id); port && touch && touch->touch)
		touch->touch(touch->handle, port->index, true);
}

void Ui::onPerformEdit(ParamID id, ParamValue valueNormalized)
{
	const ControlPort* port = portOf(id);
	if (!port || fromHost || !std::isfinite(valueNormalized))
		return;
	const double plain = hosted->controller().normalizedParamToPlain(id, valueNormalized);
	send(*port, static_cast<float>(PortLayout::portValue(*port, plain)));
}

void Ui::onEndEdit(ParamID id)
{
	if (const ControlPort* port = portOf(id); port && touch && touch->touch)
		touch->touch(touch->handle, port->index, false);
}

void Ui::onRestartComponent(int32 flags)
{
	// A program the editor picked moved many parameters at once: the ports follow.
	if (!(flags & kParamValuesChanged) || !layout || fromHost)
		return;
	for (const ControlPort& port : layout->controls())
	{
		const ParamID id = table->at(port.parameter).id;
		const double plain = hosted->controller().normalizedParamToPlain(id, hosted->controller().getParamNormalized(id));
		send(port, static_cast<float>(PortLayout::portValue(port, plain)));
	}
}

} // namespace Lv2
} // namespace Vst
} // namespace Steinberg
