// An effect that asks the processor for everything the stereo delay does
// not: meters, tapered controls, a control without a parameter, no buttons,
// no presets; factories switch on queues, side chain, whole buffers and
// output-only. It records every hook call with the frame it arrived at.
#pragma once

#include "EngineInterfaces.h"
#include "PlugIn.h"

#include <array>
#include <cstdint>
#include <vector>

class PathsTestEffect : public CPlugIn
{
public:
	// Control positions, which are also the parameter ids.
	enum Index { kGain, kLevel, kHidden, kCutoff, kPitch, kPeak, kMix, kControls };
	static constexpr uint32_t kControlIdBase = 10; // control ids 10.., apart from the buttons' 50..52

	struct MidiRecord
	{
		enum Kind { NoteOn, NoteOff, Raw } kind;
		int64_t frame;
		uint32_t channel, data1, data2, status;
		bool allNotesOff;
	};

	struct BufferCall
	{
		float* const* in;
		float* const* out;
		uint32_t channels;
		int32_t frames;
	};

	struct SideChainCall
	{
		int64_t frame;
		std::array<float, 2> samples;
		float* const* buffers;
		uint32_t channelCount;
		bool valid;
	};

	struct QueueRead
	{
		int64_t frame;
		double value;
	};

	PathsTestEffect()
	{
		addFloat(kGain, "Gain", &gain, 0, 1);
		addMeter(kLevel, "Level", &level);
		addFloat(kHidden, "Hidden", &hidden, 0, 1);
		m_controls.at(kHidden)->kind = 101;
		addFloat(kCutoff, "Cutoff", &cutoff, 20, 20000);
		m_controls.at(kCutoff)->logTaper = true;
		addFloat(kPitch, "Pitch", &pitch, 20, 20000);
		m_controls.at(kPitch)->voltOctaveTaper = true;
		addMeter(kPeak, "Peak", &peak);
		addFloat(kMix, "Mix", &mix, 0, 1);
		for (Index shared : {kGain, kMix})
		{
			m_controls.at(shared)->midiEnabled = true;
			m_controls.at(shared)->midiNumber = 20;
		}
		m_buttonLabels[0] = "";
		m_buttonLabels[1] = nullptr;
		m_buttonLabels[2] = "";
		indexControls();
	}

	~PathsTestEffect() override { ++destroyed(); }

	static int& destroyed()
	{
		static int count = 0;
		return count;
	}

	bool processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels) override
	{
		frameChannels = {inChannels, outChannels};
		if (ControlDescriptor* control = m_controlArray[kGain]; control->paramQueue)
		{
			++framesWithGainQueue;
			double value = 0;
			if (control->paramQueue->nextValue(value))
				queueReads.push_back({frame, value});
		}
		if (m_controlArray[kMix]->paramQueue)
			++framesWithMixQueue;
		for (uint32_t k = 0; k < outChannels && k < 2; ++k)
			out[k] = in[k] + dc;
		level = in[0] < 0 ? -in[0] : in[0];
		++frame;
		return true;
	}

	bool processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames) override
	{
		bufferCalls.push_back({in, out, channels, frames});
		bufferInput.clear();
		if (in)
			for (uint32_t k = 0; k < channels; ++k)
				bufferInput.insert(bufferInput.end(), in[k], in[k] + frames);
		for (int32_t i = 0; i < frames; ++i)
		{
			// The effect asks for the events at each offset, as whole-buffer effects do.
			frame = i;
			if (eventList)
				eventList->dispatchAt(static_cast<uint32_t>(i));
			for (uint32_t k = 0; k < channels; ++k)
				out[k][i] = (in ? in[k][i] : 0.0f) + dc;
		}
		return true;
	}

	bool hostMessage(int32_t kind, HostMessageInfo& info) override
	{
		if (kind == kHostEventList)
			eventList = info.eventList;
		return CPlugIn::hostMessage(kind, info);
	}

	bool processSideChain(SideChainInfo& sideChain) override
	{
		SideChainCall call{frame, {0, 0}, sideChain.channelBuffers, sideChain.channelCount, sideChain.valid};
		if (sideChain.frame)
			for (uint32_t k = 0; k < sideChain.channelCount && k < 2; ++k)
				call.samples[k] = sideChain.frame[k];
		sideChainCalls.push_back(call);
		return true;
	}

	bool noteOn(uint32_t channel, uint32_t note, uint32_t velocity) override
	{
		midi.push_back({MidiRecord::NoteOn, frame, channel, note, velocity, 0, false});
		return true;
	}

	bool noteOff(uint32_t channel, uint32_t note, uint32_t velocity, bool allNotesOff) override
	{
		midi.push_back({MidiRecord::NoteOff, frame, channel, note, velocity, 0, allNotesOff});
		return true;
	}

	bool rawMidi(uint8_t channel, uint8_t status, uint8_t data1, uint8_t data2) override
	{
		midi.push_back({MidiRecord::Raw, frame, channel, data1, data2, status, false});
		return true;
	}

	bool pitchBend(uint32_t channel, int32_t value, float normalized) override
	{
		bends.push_back({channel, value, normalized});
		return true;
	}

	bool modWheel(uint32_t channel, uint32_t value) override
	{
		modWheels.push_back({channel, value});
		return true;
	}

	bool controlChanged(uint32_t controlId) override
	{
		changedControls.push_back(controlId);
		return true;
	}

	void* editorMessage(EditorMessage& message) override
	{
		editorCodes.push_back(message.code);
		return nullptr;
	}

	struct Bend
	{
		uint32_t channel;
		int32_t value;
		float normalized;
	};

	float gain = 0.5f;
	float level = 0;
	float hidden = 0;
	float cutoff = 1000;
	float pitch = 440;
	float peak = 0;
	float mix = 0;
	float dc = 0;

	int64_t frame = 0; // frames processed, or the offset being dispatched in whole-buffer mode
	std::array<uint32_t, 2> frameChannels{};
	int64_t framesWithGainQueue = 0;
	int64_t framesWithMixQueue = 0;
	IMidiEventList* eventList = nullptr;
	std::vector<QueueRead> queueReads;
	std::vector<BufferCall> bufferCalls;
	std::vector<float> bufferInput; // the last whole-buffer input, channel after channel
	std::vector<SideChainCall> sideChainCalls;
	std::vector<MidiRecord> midi;
	std::vector<Bend> bends;
	std::vector<std::array<uint32_t, 2>> modWheels;
	std::vector<uint32_t> changedControls;
	std::vector<int32_t> editorCodes;

private:
	ControlDescriptor& add(int32_t index, const char* name)
	{
		ControlDescriptor control;
		control.index = index;
		control.controlId = kControlIdBase + static_cast<uint32_t>(index);
		control.name = name;
		control.setPrecision(2);
		m_controls.append(control);
		return *m_controls.at(index);
	}

	void addFloat(int32_t index, const char* name, float* variable, float minimum, float maximum)
	{
		ControlDescriptor& control = add(index, name);
		control.valueType = kFloatValue;
		control.floatVar = variable;
		control.minimum = minimum;
		control.maximum = maximum;
	}

	void addMeter(int32_t index, const char* name, float* variable)
	{
		ControlDescriptor& control = add(index, name);
		control.kind = kControlMeter;
		control.meterVar = variable;
	}
};
