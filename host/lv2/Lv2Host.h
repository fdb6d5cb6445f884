// A small LV2 host on lilv, the library LV2 hosts use: finds a plug-in by
// URI in a bundle or on the LV2 path, instantiates it with urid:map and the
// block-length option, connects every port, feeds the atom port MIDI and
// time:Position objects, and saves and restores port values and presets as
// lilv states (tests and `veltrane --lv2`). Failures throw HostError.
#pragma once

#include "lilv/lilv.h"
#include "lv2/atom/forge.h"
#include "lv2/options/options.h"
#include "lv2/urid/urid.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace VeltraneHost {

// URIs to numbers and back, as a host's urid:map and urid:unmap.
class UridMap
{
public:
	UridMap();
	LV2_URID map(const char* uri);
	const char* unmap(LV2_URID urid) const;
	LV2_URID_Map* mapFeature() { return &mapData; }
	LV2_URID_Unmap* unmapFeature() { return &unmapData; }

private:
	std::vector<std::string> uris; // urid n is uris[n - 1]
	LV2_URID_Map mapData {};
	LV2_URID_Unmap unmapData {};
};

struct Lv2Port
{
	uint32_t index = 0;
	std::string symbol;
	std::string name;
	bool audio = false, control = false, atom = false, input = false;
	bool integer = false, enumeration = false, enabled = false, logarithmic = false;
	float minimum = 0.0f, maximum = 1.0f, defaultValue = 0.0f;
	std::string unit; // the units vocabulary's symbol, e.g. "ms"
	std::vector<std::pair<float, std::string>> scalePoints; // sorted by value
};

// The world: an LV2_PATH of its own, or one bundle folder.
class Lv2World
{
public:
	enum class Source { path, bundle };
	// path: folders holding bundles (LV2_PATH syntax), or one bundle folder; empty: lilv's default path.
	Lv2World(Source source, const std::string& path);
	~Lv2World();
	Lv2World(const Lv2World&) = delete;
	Lv2World& operator=(const Lv2World&) = delete;

	LilvWorld* world() const { return lilv; }
	// Throws HostError when the world holds no such plug-in.
	const LilvPlugin* plugin(const std::string& uri) const;

private:
	LilvWorld* lilv = nullptr;
};

// What a plug-in's data says, without instantiating it.
std::vector<Lv2Port> describePorts(const Lv2World& world, const LilvPlugin* plugin);
// Presets as (URI, label), sorted by label.
std::vector<std::pair<std::string, std::string>> presetsOf(const Lv2World& world, const LilvPlugin* plugin);

class Lv2Instance
{
public:
	Lv2Instance(Lv2World& world, const std::string& uri, double sampleRate, uint32_t maxBlock);
	~Lv2Instance();
	Lv2Instance(const Lv2Instance&) = delete;
	Lv2Instance& operator=(const Lv2Instance&) = delete;

	const std::vector<Lv2Port>& ports() const { return portList; }
	// -1 when there is none.
	int portIndex(const std::string& symbol) const;
	void setControl(uint32_t port, float value) { controls[port] = value; }
	float control(uint32_t port) const { return controls[port]; }

	void activate();
	void deactivate();

	// Events for the next run, in time order.
	void midi(uint32_t frame, uint8_t status, uint8_t data1, uint8_t data2);
	void position(uint32_t frame, float bpm, float beatsPerBar, int32_t beatUnit, float barBeat, float speed);
	// Raw bytes as the atom port's whole buffer, for damaged input.
	LV2_URID urid(const char* uri) { return urids.map(uri); }
	void rawEvents(const std::vector<uint8_t>& bytes);

	// Stereo; any pointer may be null, which leaves that port unconnected for this run.
	void run(const float* const* inputs, float* const* outputs, uint32_t frames);

	// Port values as a lilv state (Turtle text), and back.
	std::string saveState();
	void restoreState(const std::string& turtle);
	// false when the world has no preset of that URI.
	bool loadPreset(const std::string& presetUri);

private:
	void startSequence();
	static void setPortValue(const char* symbol, void* self, const void* value, uint32_t size, uint32_t type);
	static const void* portValue(const char* symbol, void* self, uint32_t* size, uint32_t* type);

	Lv2World& world;
	const LilvPlugin* plugin;
	UridMap urids;
	std::vector<Lv2Port> portList;
	std::vector<float> controls;
	std::vector<uint8_t> atomBuffer;
	LV2_Atom_Forge forge {};
	LV2_Atom_Forge_Frame sequenceFrame {};
	bool sequenceOpen = false;
	int32_t maxBlockLength;
	std::vector<LV2_Options_Option> options;
	LV2_Feature mapFeature {}, unmapFeature {}, optionsFeature {};
	std::vector<const LV2_Feature*> features;
	LilvInstance* instance = nullptr;
	bool active = false;
};

} // namespace VeltraneHost
