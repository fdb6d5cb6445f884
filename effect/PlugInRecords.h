// The records that pass between the host component and an effect.
#pragma once

#include <cstdint>

class IMidiEventList;

struct HostTimeInfo
{
	uint64_t samplePosition = 0; // only the low 32 bits of the host's position
	double seconds = 0;
	double tempoBpm = 0;
	float timeSigNumerator = 0;
	uint32_t timeSigDenominator = 0;
};

struct ControlExchangeEntry
{
	int32_t index = 0;
	int32_t controlId = 0;
	float value = 0;         // kind 0: normalized value to apply; kind 1: meter value
	float joystickValue = 0; // joystick entries: the bipolar coordinate
	bool changed = false;
	bool padCoordinates = false;
};

struct HostMessageInfo
{
	ControlExchangeEntry* updates = nullptr;
	ControlExchangeEntry* meters = nullptr;
	HostTimeInfo* hostTime = nullptr;
	IMidiEventList* eventList = nullptr;
	int32_t entryCount = 0;
	bool immediate = false;
};

enum HostMessageKind : int32_t
{
	kHostApplyControls = 0,
	kHostCollectMeters = 1,
	kHostTime = 2,
	kHostEventList = 5,
};

struct LinkedUpdate
{
	int32_t controlId = 0;
	float value = 0; // plain value
	LinkedUpdate* next = nullptr;
};

struct SideChainInfo
{
	int32_t blockMode = 1;
	const float* frame = nullptr;           // per-frame mode: the side-chain frame
	float* const* channelBuffers = nullptr; // whole-buffer mode: the bus's buffers
	uint32_t channelCount = 0;
	bool valid = false;
};

// The editor hook's message codes.
enum EditorMessageCode : int32_t
{
	kEditorOpened = 0,
	kEditorClosing = 1,
	kEditorTimerPing = 2,
	kEditorCustomView = 3,
	kEditorDrawsItself = 5, // asks whether the effect draws its own editor
	kEditorOpenOwn = 6,
	kEditorCloseOwn = 7,
	kEditorParamValue = 13,
};

// The editor hook's record; the message codes and payload belong to the editor.
struct EditorMessage
{
	int32_t code = 0;
	const char* viewName = nullptr;
	int32_t tag = 0;
	int32_t left = 0, top = 0, bottom = 0, right = 0;
	int32_t offsetX = 0, offsetY = 0;
	const char* bitmap = nullptr;
	const char* handleBitmap = nullptr;
	const char* offBitmap = nullptr;
	const char* orientation = nullptr;
	const void* backColor = nullptr;
	const void* frameColor = nullptr;
	const void* fontColor = nullptr;
	int32_t frameWidth = 0, roundRectRadius = 0;
	bool noFrame = false, roundRect = false;
	int32_t heightOfOneImage = 0, subPixmaps = 0;
	const char* text = nullptr;
	void* editor = nullptr;
	void* parentWindow = nullptr;
	void* listener = nullptr;
	int32_t platformType = 0;
	double paramValue = 0;
	int32_t paramId = 0;
	void* reserved = nullptr;
	void* moduleHandle = nullptr;
	void* connector = nullptr;
	bool reply = false;
	int32_t width = 0, height = 0; // code 6: the size of the effect's own editor
};
