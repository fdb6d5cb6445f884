// One user control of an effect: its kind, range, bound member variable,
// texts, smoothing, MIDI binding and preset values.
#pragma once

#include <cstdint>
#include <string>

class IParamUpdateQueue;
class CPlugIn;

enum ValueType : uint32_t
{
	kIntValue = 0,
	kFloatValue = 1,
	kDoubleValue = 2,
	kEnumValue = 3,
	kNoValue = 4,
};

enum ControlKind : uint32_t
{
	kControlContinuous = 100,
	kControlSwitch = 102,
	kControlMeter = 103,
};

constexpr int kPresetSlots = 16;
constexpr int kLayoutHintWords = 32;
constexpr int kPrecisionHint = 16; // the layout-hint word that holds the decimal places
constexpr size_t kMaxControlText = 1023;

// A text owned by its record; longer texts are cut to their first 1023 characters.
class ControlText
{
public:
	ControlText() = default;
	ControlText(const char* text) { *this = text; }
	ControlText& operator=(const char* text)
	{
		value.assign(text ? text : "");
		if (value.size() > kMaxControlText)
			value.resize(kMaxControlText);
		return *this;
	}
	const char* c_str() const { return value.c_str(); }
	const std::string& str() const { return value; }
	bool empty() const { return value.empty(); }
	bool operator==(const char* text) const { return value == (text ? text : ""); }

private:
	std::string value;
};

template <typename T>
struct OnePoleSmoother
{
	T pole = 0;       // b
	T gain = 0;       // a = 1 - b
	T state = 0;      // z
	T lastOutput = 0;
};

// The glide state of a control. A copied record starts with a fresh smoother,
// an assigned one keeps its own: the state belongs to the record, not the value.
struct SmootherState
{
	OnePoleSmoother<float> single;
	OnePoleSmoother<double> wide;
	// True while the smoother rests on its target: a step would give the same
	// result again, so it is skipped. Also set when a value lands at once, so
	// that the smoother keeps that value instead of gliding back to an old target.
	bool settled = false;
	// A glide toward smoothingTarget is under way (set by a gliding change,
	// cleared once it lands): preparing for processing lands it on its target
	// rather than dropping it.
	bool gliding = false;

	SmootherState() = default;
	SmootherState(const SmootherState&) {}
	SmootherState& operator=(const SmootherState&) { return *this; }
};

struct ControlDescriptor
{
	uint32_t kind = kControlContinuous;
	uint32_t controlId = 0;
	uint32_t meterMode = 2;
	float minimum = 0;
	float maximum = 0;
	uint32_t valueType = kNoValue;
	float smoothingTarget = 0;
	SmootherState smoother;
	float smoothingTimeMs = 100.0f;
	bool smoothingEnabled = false;
	float joystickValue = 0;
	bool padCoordinates = false;
	int32_t* intVar = nullptr;
	float* floatVar = nullptr;
	double* doubleVar = nullptr;
	uint32_t* enumVar = nullptr;
	float* meterVar = nullptr;
	ControlText name;
	ControlText units;
	ControlText variableName;
	ControlText enumLabels;
	bool meterFlags[4] = {false, false, false, false};
	bool logTaper = false;
	bool voltOctaveTaper = false;
	float meterAttackMs = 10.0f;
	float meterReleaseMs = 500.0f;
	bool midiEnabled = false;
	uint32_t midiStatus = 0xB0;
	uint32_t midiNumber = 3;
	uint32_t midiChannel = 0;
	int32_t index = -1;
	int32_t layoutHints[kLayoutHintWords] = {};
	double presetValues[kPresetSlots] = {};
	IParamUpdateQueue* paramQueue = nullptr;

	int32_t precision() const { return layoutHints[kPrecisionHint]; }
	void setPrecision(int32_t decimals) { layoutHints[kPrecisionHint] = decimals; }

	// p = (maximum - minimum) * n + minimum, in float.
	float plainFromNormalized(float normalized) const { return (maximum - minimum) * normalized + minimum; }

	// The value rules; `effect` supplies the controlChanged hook.
	void applyNormalized(float normalized, bool immediate, CPlugIn& effect);
	void applyPlain(float plain, CPlugIn& effect);
	float value() const;
	// What value() will read once `plain` is applied (as a normalized value's
	// plain value, or as a restored plain value): the same rounding rules.
	float valueAfterApplying(float plain, bool fromNormalized) const;

	bool hasSmoother() const
	{
		return smoothingEnabled && ((valueType == kFloatValue && floatVar) || (valueType == kDoubleValue && doubleVar));
	}
	void prepareSmoother(int32_t sampleRate);
	// Advances the glide by one frame; returns false once it rests on its target.
	bool advanceSmoother(CPlugIn& effect);

private:
	void apply(float plain, bool glide, int32_t integer, CPlugIn& effect);
	void glideTo(float target);
	void landAt(float value);
};
