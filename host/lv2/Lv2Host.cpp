#include "Lv2Host.h"

#include "host/HostError.h"

#include "lv2/atom/util.h"
#include "lv2/buf-size/buf-size.h"
#include "lv2/midi/midi.h"
#include "lv2/port-props/port-props.h"
#include "lv2/presets/presets.h"
#include "lv2/time/time.h"
#include "lv2/units/units.h"

#include <algorithm>
#include <cstring>

namespace VeltraneHost {

namespace {

constexpr size_t kAtomBufferBytes = 64 * 1024;

struct Node
{
	explicit Node(LilvNode* node) : node(node) {}
	~Node() { lilv_node_free(node); }
	Node(const Node&) = delete;
	Node& operator=(const Node&) = delete;
	LilvNode* node;
};

bool isA(const LilvPlugin* plugin, const LilvPort* port, LilvWorld* world, const char* uri)
{
	const Node node(lilv_new_uri(world, uri));
	return lilv_port_is_a(plugin, port, node.node);
}

bool has(const LilvPlugin* plugin, const LilvPort* port, LilvWorld* world, const char* property)
{
	const Node node(lilv_new_uri(world, property));
	return lilv_port_has_property(plugin, port, node.node);
}

// What a unit of the units vocabulary prints as, without loading the vocabulary.
std::string unitText(const std::string& uri)
{
	const std::string prefix = LV2_UNITS_PREFIX;
	if (uri.compare(0, prefix.size(), prefix) != 0)
		return "";
	const std::string name = uri.substr(prefix.size());
	const struct
	{
		const char* name;
		const char* text;
	} known[] = {{"pc", "%"}, {"hz", "Hz"}, {"khz", "kHz"}, {"mhz", "MHz"}, {"db", "dB"}};
	for (const auto& unit : known)
		if (name == unit.name)
			return unit.text;
	return name;
}

} // namespace

UridMap::UridMap()
{
	mapData.handle = this;
	mapData.map = [](LV2_URID_Map_Handle self, const char* uri) { return static_cast<UridMap*>(self)->map(uri); };
	unmapData.handle = this;
	unmapData.unmap = [](LV2_URID_Unmap_Handle self, LV2_URID urid) {
		return static_cast<UridMap*>(self)->unmap(urid);
	};
}

LV2_URID UridMap::map(const char* uri)
{
	for (size_t i = 0; i < uris.size(); ++i)
		if (uris[i] == uri)
			return static_cast<LV2_URID>(i + 1);
	uris.emplace_back(uri);
	return static_cast<LV2_URID>(uris.size());
}

const char* UridMap::unmap(LV2_URID urid) const
{
	return urid >= 1 && urid <= uris.size() ? uris[urid - 1].c_str() : nullptr;
}

Lv2World::Lv2World(Source source, const std::string& path) : lilv(lilv_world_new())
{
	if (source == Source::bundle)
	{
		// That bundle alone, so that an installed copy of the same plug-in cannot stand in for it.
		std::string folder = path;
		if (folder.empty() || folder.back() != '/')
			folder += '/';
		const Node bundle(lilv_new_file_uri(lilv, nullptr, folder.c_str()));
		lilv_world_load_bundle(lilv, bundle.node);
		lilv_world_load_specifications(lilv);
		lilv_world_load_plugin_classes(lilv);
		return;
	}
	if (!path.empty())
	{
		const Node lv2Path(lilv_new_string(lilv, path.c_str()));
		lilv_world_set_option(lilv, LILV_OPTION_LV2_PATH, lv2Path.node);
	}
	lilv_world_load_all(lilv);
}

Lv2World::~Lv2World()
{
	lilv_world_free(lilv);
}

const LilvPlugin* Lv2World::plugin(const std::string& uri) const
{
	const Node node(lilv_new_uri(lilv, uri.c_str()));
	const LilvPlugin* found = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(lilv), node.node);
	if (!found)
		throw HostError("no LV2 plug-in <" + uri + "> found");
	return found;
}

std::vector<Lv2Port> describePorts(const Lv2World& world, const LilvPlugin* plugin)
{
	LilvWorld* lilv = world.world();
	std::vector<Lv2Port> ports;
	const Node enabled(lilv_new_uri(lilv, LV2_CORE__enabled));
	const Node unitKey(lilv_new_uri(lilv, LV2_UNITS__unit));
	for (uint32_t i = 0; i < lilv_plugin_get_num_ports(plugin); ++i)
	{
		const LilvPort* port = lilv_plugin_get_port_by_index(plugin, i);
		Lv2Port info;
		info.index = i;
		info.symbol = lilv_node_as_string(lilv_port_get_symbol(plugin, port));
		const Node name(lilv_port_get_name(plugin, port));
		info.name = name.node ? lilv_node_as_string(name.node) : info.symbol;
		info.audio = isA(plugin, port, lilv, LV2_CORE__AudioPort);
		info.control = isA(plugin, port, lilv, LV2_CORE__ControlPort);
		info.atom = isA(plugin, port, lilv, LV2_ATOM__AtomPort);
		info.input = isA(plugin, port, lilv, LV2_CORE__InputPort);
		info.integer = has(plugin, port, lilv, LV2_CORE__integer);
		info.enumeration = has(plugin, port, lilv, LV2_CORE__enumeration);
		info.logarithmic = has(plugin, port, lilv, LV2_PORT_PROPS__logarithmic);
		if (const LilvNodes* designations = lilv_port_get_value(plugin, port, Node(lilv_new_uri(lilv, LV2_CORE__designation)).node))
		{
			info.enabled = lilv_nodes_contains(designations, enabled.node);
			lilv_nodes_free(const_cast<LilvNodes*>(designations));
		}
		LilvNode *def = nullptr, *min = nullptr, *max = nullptr;
		lilv_port_get_range(plugin, port, &def, &min, &max);
		info.defaultValue = def ? lilv_node_as_float(def) : 0.0f;
		info.minimum = min ? lilv_node_as_float(min) : 0.0f;
		info.maximum = max ? lilv_node_as_float(max) : 1.0f;
		lilv_node_free(def), lilv_node_free(min), lilv_node_free(max);
		if (LilvNodes* units = lilv_port_get_value(plugin, port, unitKey.node))
		{
			if (lilv_nodes_size(units) > 0)
				info.unit = unitText(lilv_node_as_uri(lilv_nodes_get_first(units)));
			lilv_nodes_free(units);
		}
		if (LilvScalePoints* points = lilv_port_get_scale_points(plugin, port))
		{
			LILV_FOREACH (scale_points, p, points)
			{
				const LilvScalePoint* point = lilv_scale_points_get(points, p);
				info.scalePoints.emplace_back(lilv_node_as_float(lilv_scale_point_get_value(point)),
					lilv_node_as_string(lilv_scale_point_get_label(point)));
			}
			lilv_scale_points_free(points);
			std::sort(info.scalePoints.begin(), info.scalePoints.end());
		}
		ports.push_back(std::move(info));
	}
	return ports;
}

std::vector<std::pair<std::string, std::string>> presetsOf(const Lv2World& world, const LilvPlugin* plugin)
{
	LilvWorld* lilv = world.world();
	std::vector<std::pair<std::string, std::string>> presets;
	const Node presetClass(lilv_new_uri(lilv, LV2_PRESETS__Preset));
	const Node label(lilv_new_uri(lilv, LILV_NS_RDFS "label"));
	LilvNodes* related = lilv_plugin_get_related(plugin, presetClass.node);
	LILV_FOREACH (nodes, i, related)
	{
		const LilvNode* preset = lilv_nodes_get(related, i);
		lilv_world_load_resource(lilv, preset);
		LilvNode* name = lilv_world_get(lilv, preset, label.node, nullptr);
		presets.emplace_back(lilv_node_as_uri(preset), name ? lilv_node_as_string(name) : "");
		lilv_node_free(name);
	}
	lilv_nodes_free(related);
	std::sort(presets.begin(), presets.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
	return presets;
}

Lv2Instance::Lv2Instance(Lv2World& world, const std::string& uri, double sampleRate, uint32_t maxBlock)
: world(world), plugin(world.plugin(uri)), maxBlockLength(static_cast<int32_t>(maxBlock))
{
	portList = describePorts(world, plugin);
	controls.assign(portList.size(), 0.0f);
	for (const Lv2Port& port : portList)
		controls[port.index] = port.defaultValue;
	atomBuffer.assign(kAtomBufferBytes, 0);
	lv2_atom_forge_init(&forge, urids.mapFeature());

	const LV2_URID intType = urids.map(LV2_ATOM__Int);
	options = {
		{LV2_OPTIONS_INSTANCE, 0, urids.map(LV2_BUF_SIZE__maxBlockLength), sizeof(int32_t), intType, &maxBlockLength},
		{LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr},
	};
	mapFeature = {LV2_URID__map, urids.mapFeature()};
	unmapFeature = {LV2_URID__unmap, urids.unmapFeature()};
	optionsFeature = {LV2_OPTIONS__options, options.data()};
	features = {&mapFeature, &unmapFeature, &optionsFeature, nullptr};
	instance = lilv_plugin_instantiate(plugin, sampleRate, features.data());
	if (!instance)
		throw HostError("the LV2 plug-in <" + uri + "> would not instantiate");
	for (const Lv2Port& port : portList)
		if (port.control)
			lilv_instance_connect_port(instance, port.index, &controls[port.index]);
		else if (port.atom)
			lilv_instance_connect_port(instance, port.index, atomBuffer.data());
	startSequence();
}

Lv2Instance::~Lv2Instance()
{
	deactivate();
	lilv_instance_free(instance);
}

int Lv2Instance::portIndex(const std::string& symbol) const
{
	for (const Lv2Port& port : portList)
		if (port.symbol == symbol)
			return static_cast<int>(port.index);
	return -1;
}

void Lv2Instance::activate()
{
	if (!active)
		lilv_instance_activate(instance);
	active = true;
}

void Lv2Instance::deactivate()
{
	if (active)
		lilv_instance_deactivate(instance);
	active = false;
}

void Lv2Instance::startSequence()
{
	lv2_atom_forge_set_buffer(&forge, atomBuffer.data(), atomBuffer.size());
	lv2_atom_forge_sequence_head(&forge, &sequenceFrame, 0);
	sequenceOpen = true;
}

void Lv2Instance::midi(uint32_t frame, uint8_t status, uint8_t data1, uint8_t data2)
{
	const uint8_t message[3] = {status, data1, data2};
	lv2_atom_forge_frame_time(&forge, frame);
	lv2_atom_forge_atom(&forge, 3, urids.map(LV2_MIDI__MidiEvent));
	lv2_atom_forge_write(&forge, message, 3);
}

void Lv2Instance::position(uint32_t frame, float bpm, float beatsPerBar, int32_t beatUnit, float barBeat, float speed)
{
	LV2_Atom_Forge_Frame object;
	lv2_atom_forge_frame_time(&forge, frame);
	lv2_atom_forge_object(&forge, &object, 0, urids.map(LV2_TIME__Position));
	lv2_atom_forge_key(&forge, urids.map(LV2_TIME__beatsPerMinute));
	lv2_atom_forge_float(&forge, bpm);
	lv2_atom_forge_key(&forge, urids.map(LV2_TIME__beatsPerBar));
	lv2_atom_forge_float(&forge, beatsPerBar);
	lv2_atom_forge_key(&forge, urids.map(LV2_TIME__beatUnit));
	lv2_atom_forge_int(&forge, beatUnit);
	lv2_atom_forge_key(&forge, urids.map(LV2_TIME__barBeat));
	lv2_atom_forge_float(&forge, barBeat);
	lv2_atom_forge_key(&forge, urids.map(LV2_TIME__speed));
	lv2_atom_forge_float(&forge, speed);
	lv2_atom_forge_pop(&forge, &object);
}

void Lv2Instance::rawEvents(const std::vector<uint8_t>& bytes)
{
	std::fill(atomBuffer.begin(), atomBuffer.end(), 0);
	std::copy_n(bytes.begin(), std::min(bytes.size(), atomBuffer.size()), atomBuffer.begin());
	sequenceOpen = false;
}

void Lv2Instance::run(const float* const* inputs, float* const* outputs, uint32_t frames)
{
	if (sequenceOpen)
		lv2_atom_forge_pop(&forge, &sequenceFrame);
	uint32_t in = 0, out = 0;
	for (const Lv2Port& port : portList)
		if (port.audio && port.input)
			lilv_instance_connect_port(instance, port.index, const_cast<float*>(inputs[std::min<uint32_t>(in++, 1)]));
		else if (port.audio)
			lilv_instance_connect_port(instance, port.index, outputs[std::min<uint32_t>(out++, 1)]);
	lilv_instance_run(instance, frames);
	startSequence();
}

void Lv2Instance::setPortValue(const char* symbol, void* self, const void* value, uint32_t size, uint32_t type)
{
	auto& host = *static_cast<Lv2Instance*>(self);
	const int index = host.portIndex(symbol);
	if (index < 0 || !value)
		return;
	if (type == host.urids.map(LV2_ATOM__Float) && size == sizeof(float))
		host.controls[static_cast<size_t>(index)] = *static_cast<const float*>(value);
	else if (type == host.urids.map(LV2_ATOM__Double) && size == sizeof(double))
		host.controls[static_cast<size_t>(index)] = static_cast<float>(*static_cast<const double*>(value));
	else if (type == host.urids.map(LV2_ATOM__Int) && size == sizeof(int32_t))
		host.controls[static_cast<size_t>(index)] = static_cast<float>(*static_cast<const int32_t*>(value));
}

const void* Lv2Instance::portValue(const char* symbol, void* self, uint32_t* size, uint32_t* type)
{
	auto& host = *static_cast<Lv2Instance*>(self);
	const int index = host.portIndex(symbol);
	if (index < 0 || !host.portList[static_cast<size_t>(index)].control)
		return nullptr;
	*size = sizeof(float);
	*type = host.urids.map(LV2_ATOM__Float);
	return &host.controls[static_cast<size_t>(index)];
}

std::string Lv2Instance::saveState()
{
	LilvState* state = lilv_state_new_from_instance(plugin, instance, urids.mapFeature(), nullptr, nullptr, nullptr,
		nullptr, portValue, this, 0, features.data());
	if (!state)
		throw HostError("the LV2 plug-in's state could not be read");
	char* text = lilv_state_to_string(world.world(), urids.mapFeature(), urids.unmapFeature(), state,
		"urn:veltrane:state", nullptr);
	lilv_state_free(state);
	if (!text)
		throw HostError("the LV2 plug-in's state could not be written");
	std::string turtle = text;
	lilv_free(text);
	return turtle;
}

void Lv2Instance::restoreState(const std::string& turtle)
{
	LilvState* state = lilv_state_new_from_string(world.world(), urids.mapFeature(), turtle.c_str());
	if (!state)
		throw HostError("not an LV2 state");
	lilv_state_restore(state, instance, setPortValue, this, 0, features.data());
	lilv_state_free(state);
}

bool Lv2Instance::loadPreset(const std::string& presetUri)
{
	const Node node(lilv_new_uri(world.world(), presetUri.c_str()));
	lilv_world_load_resource(world.world(), node.node);
	LilvState* state = lilv_state_new_from_world(world.world(), urids.mapFeature(), node.node);
	if (!state)
		return false;
	lilv_state_restore(state, instance, setPortValue, this, 0, features.data());
	lilv_state_free(state);
	return true;
}

} // namespace VeltraneHost
