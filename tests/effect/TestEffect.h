// A small effect for the engine tests: one control of every value type, a
// meter, and counters for the hooks the base calls.
#pragma once

#include "PlugIn.h"

#include <vector>

class CountingEffect : public CPlugIn
{
public:
	enum Index { kInt, kFloat, kDouble, kEnum, kMeter, kControls };

	CountingEffect()
	{
		addControl(kInt, 10, kIntValue, -10, 10);
		m_controls.at(kInt)->intVar = &intValue;
		addControl(kFloat, 11, kFloatValue, 0, 100);
		m_controls.at(kFloat)->floatVar = &floatValue;
		m_controls.at(kFloat)->smoothingEnabled = true;
		addControl(kDouble, 12, kDoubleValue, 0, 1);
		m_controls.at(kDouble)->doubleVar = &doubleValue;
		m_controls.at(kDouble)->smoothingEnabled = true;
		addControl(kEnum, 13, kEnumValue, 0, 1);
		m_controls.at(kEnum)->enumVar = &enumValue;
		addControl(kMeter, 14, kNoValue, 0, 1);
		m_controls.at(kMeter)->kind = kControlMeter;
		m_controls.at(kMeter)->meterVar = &meterValue;
		indexControls();
	}

	bool controlChanged(uint32_t controlId) override
	{
		changes.push_back(controlId);
		return true;
	}

	bool joystickMixChanged(float a, float b, float c, float d, float ac, float bd) override
	{
		mixes.push_back({a, b, c, d, ac, bd});
		return true;
	}

	int32_t intValue = 0;
	float floatValue = 0;
	double doubleValue = 0;
	uint32_t enumValue = 0;
	float meterValue = 0;
	std::vector<uint32_t> changes;
	std::vector<JoystickWeights> mixes;

private:
	void addControl(int32_t index, uint32_t controlId, ValueType type, float minimum, float maximum)
	{
		ControlDescriptor control;
		control.index = index;
		control.controlId = controlId;
		control.valueType = type;
		control.minimum = minimum;
		control.maximum = maximum;
		m_controls.append(control);
	}
};
