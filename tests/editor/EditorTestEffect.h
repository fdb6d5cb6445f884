// The paths-test effect with an editor: it can claim to draw its own window,
// and answers an edit of Gain with two linked updates, one naming a control
// it does not have, the other moving Mix.
#pragma once

#include "PathsTestEffect.h"

#include <utility>
#include <vector>

class EditorTestEffect : public PathsTestEffect
{
public:
	static constexpr uint32_t kUnknownControlId = 999;

	EditorTestEffect()
	{
		m_hasEditorDescription = true;
		m_editorOption = 3;
	}

	void* editorMessage(EditorMessage& message) override
	{
		PathsTestEffect::editorMessage(message);
		switch (message.code)
		{
			case kEditorDrawsItself: message.reply = drawsItself; return nullptr;
			case kEditorOpenOwn:
				// A self-drawn window of 300 x 200 in the host's window.
				parentWindow = message.parentWindow;
				connector = message.connector;
				message.width = 300;
				message.height = 200;
				return this;
			case kEditorParamValue: parameterValues.push_back({message.paramId, message.paramValue}); return nullptr;
			default: return nullptr;
		}
	}

	bool linkedUpdates(uint32_t controlId, float, LinkedUpdate*& head, bool) override
	{
		++linkedCalls;
		if (controlId != kControlIdBase + kGain)
			return false;
		head = new LinkedUpdate{static_cast<int32_t>(kUnknownControlId), 0.25f,
		                        new LinkedUpdate{static_cast<int32_t>(kControlIdBase + kMix), 0.75f, nullptr}};
		return true;
	}

	bool releaseLinkedUpdates(LinkedUpdate*& head) override
	{
		++releases;
		return PathsTestEffect::releaseLinkedUpdates(head);
	}

	bool drawsItself = false;
	void* parentWindow = nullptr;
	void* connector = nullptr;
	std::vector<std::pair<int32_t, double>> parameterValues;
	int linkedCalls = 0;
	int releases = 0;
};
