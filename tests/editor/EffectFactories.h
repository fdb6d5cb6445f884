// The effect factories the processors under test are made with.
#pragma once

#include "PlugIn.h"

namespace EditorTest {

template <typename Effect>
CPlugIn* make()
{
	return new Effect;
}

// A test effect that claims to draw its own editor window.
template <typename Effect>
CPlugIn* makeSelfDrawing()
{
	auto* effect = new Effect;
	effect->drawsItself = true;
	return effect;
}

} // namespace EditorTest
