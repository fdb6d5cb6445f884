// The host-independent effect base: a table of controls bound to member
// variables, and the operations a host component drives.
#pragma once

#include "ControlList.h"
#include "PlugInRecords.h"

#include <cstdint>
#include <memory>

constexpr int kNoteTableSize = 127; // notes 0 to 126

struct JoystickWeights
{
	float weightA, weightB, weightC, weightD, acMix, bdMix;
};

class CPlugIn
{
public:
	CPlugIn();
	CPlugIn(const CPlugIn&) = delete;
	CPlugIn& operator=(const CPlugIn&) = delete;

	// Virtual operations, in their fixed order.
	virtual ~CPlugIn();
	virtual bool prepareToProcess();
	virtual bool processFrame(const float* in, float* out, uint32_t inChannels, uint32_t outChannels);
	virtual bool controlChanged(uint32_t controlId);
	virtual bool onCreated();
	virtual bool joystickMixChanged(float weightA, float weightB, float weightC, float weightD, float acMix, float bdMix);
	virtual bool processFlatBuffer(const float* in, float* out, uint32_t inChannels, uint32_t outChannels, uint32_t samples);
	virtual bool processChannelBuffers(float* const* in, float* const* out, uint32_t channels, int32_t frames);
	virtual bool noteOn(uint32_t channel, uint32_t note, uint32_t velocity);
	virtual bool noteOff(uint32_t channel, uint32_t note, uint32_t velocity, bool allNotesOff);
	virtual bool modWheel(uint32_t channel, uint32_t value);
	virtual bool pitchBend(uint32_t channel, int32_t value, float normalized);
	virtual bool reservedMidiHook();
	virtual bool rawMidi(uint8_t channel, uint8_t status, uint8_t data1, uint8_t data2);
	virtual bool buildControls();
	virtual bool hostMessage(int32_t kind, HostMessageInfo& info);
	virtual bool linkedUpdates(uint32_t controlId, float plainValue, LinkedUpdate*& head, bool loadingPreset);
	virtual bool releaseLinkedUpdates(LinkedUpdate*& head);
	virtual void* editorMessage(EditorMessage& message);
	virtual bool processSideChain(SideChainInfo& sideChain);
	virtual bool reservedHook();

	// Value operations; an index must be below m_controlCount.
	void setNormalized(uint32_t index, float normalized, bool immediate);
	void setPlain(uint32_t index, float plain);
	float controlValue(uint32_t index) const;

	void setJoystickX(float x, bool padCoordinates);
	void setJoystickY(float y, bool padCoordinates);
	void joystickPosition(float& x, float& y) const;

	// Advances every smoother by one frame; derived effects call it first in processFrame.
	void smoothControls()
	{
		if (m_smoothersMoving || m_joystickX.smoothingEnabled)
			advanceSmoothers();
	}

	// False while every control smoother rests on its target: a frame's
	// smoothing step then changes no control.
	bool smoothersMoving() const { return m_smoothersMoving; }

	static JoystickWeights joystickMix(double x, double y, bool padCoordinates);

	const char* m_name = "Name Not Set.";
	int32_t m_sampleRate = 44100;
	uint32_t m_channelCount = 2;
	uint32_t m_bitDepth = 16;
	bool m_outputOnly = false;
	bool m_wholeBuffers = false;
	const char* m_presetNames[kPresetSlots] = {};
	bool m_hasEditorDescription = false;
	uint32_t m_editorOption = 0;
	uint32_t m_wantsSideChain = 0;
	uint32_t m_wantsParamQueues = 0;
	uint32_t m_queueGranularity = 0;
	uint32_t m_infiniteTail = 0;
	float m_latencySamples = 0;
	float m_tailMs = 0;
	const char* m_buttonLabels[3] = {"B1", "B2", "B3"};
	float m_noteFrequencies[kNoteTableSize];
	ControlDescriptor m_joystickX;
	ControlDescriptor m_joystickY;
	HostTimeInfo m_hostTime;
	ControlList m_controls;
	std::unique_ptr<ControlDescriptor*[]> m_controlArray; // slot i: the control with index i
	uint32_t m_controlCount = 0;
	std::unique_ptr<ControlExchangeEntry[]> m_exchange;

protected:
	// Builds m_controlArray and m_exchange from m_controls once the table is complete.
	void indexControls();
	void callJoystickMix(bool padCoordinates);

private:
	void advanceSmoothers();
	void applyControlUpdates(HostMessageInfo& info);
	void collectMeters(HostMessageInfo& info);
	void prepareJoystickSmoother(ControlDescriptor& axis);

	// False while every smoother rests on its target, so a frame need not visit them.
	bool m_smoothersMoving = false;
};
