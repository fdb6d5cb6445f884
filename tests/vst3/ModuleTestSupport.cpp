#include "ModuleTestSupport.h"

#include <cmath>
#include <cstring>

namespace ModuleTest {

using namespace Steinberg;
using namespace Steinberg::Vst;

std::string toAscii(const TChar* text)
{
	std::string result;
	for (; text && *text; ++text)
		result += static_cast<char>(*text);
	return result;
}

PlugIn::PlugIn() : module(VeltraneHost::Module::load(bundlePath())), instance(module.createInstance()) {}

void PlugIn::start(SpeakerArrangement arrangement)
{
	EXPECT_EQ(instance.setBusArrangements({arrangement}, {arrangement}), kResultOk);
	EXPECT_EQ(instance.setupProcessing(kSampleRate, kMaxBlock), kResultOk);
	EXPECT_EQ(instance.setActive(true), kResultOk);
	instance.setProcessing(true); // may answer kNotImplemented; hosts go on regardless
}

bool processSilence(PlugIn& plugIn, int32 blocks, int32 frames)
{
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(frames);
	for (int32 b = 0; b < blocks; ++b)
		if (plugIn.instance.process(block) != kResultOk)
			return false;
	return true;
}

std::vector<float> testSignal(int32 length, uint32 seed)
{
	std::vector<float> samples(static_cast<size_t>(length));
	uint32 state = seed;
	for (int32 i = 0; i < length; ++i)
	{
		state = state * 1664525u + 1013904223u;
		samples[static_cast<size_t>(i)] = static_cast<float>(state >> 8) / 16777216.0f - 0.5f;
		if (i % 997 == 13)
			samples[static_cast<size_t>(i)] = 1.0f;
	}
	return samples;
}

ReferenceEffect::ReferenceEffect(int32 channelCount) : channels(channelCount)
{
	effect.m_sampleRate = static_cast<int32_t>(kSampleRate);
	effect.prepareToProcess();
}

void ReferenceEffect::hostChange(ParamID id, ParamValue value)
{
	// The joystick, buttons, MIDI and program ids do not change this effect's sound.
	// Not a number is dropped, anything else bounded to 0..1. The first block
	// after activation starts there; later changes glide.
	if (std::isnan(value))
		return;
	value = std::fmin(std::fmax(value, 0.0), 1.0);
	if (id < static_cast<ParamID>(kControlCount))
		effect.setNormalized(id, static_cast<float>(value), firstBlock);
	else if (id == kBypassId)
		bypassed = value != 0;
}

void ReferenceEffect::landAt(uint32 index, float plain)
{
	ControlDescriptor& control = *effect.m_controlArray[index];
	const bool smoothing = control.smoothingEnabled;
	control.smoothingEnabled = false;
	effect.setPlain(index, plain);
	control.smoothingEnabled = smoothing;
}

void ReferenceEffect::process(const float* const* in, float* const* out, int32 frames)
{
	const auto frameChannels = static_cast<uint32_t>(channels);
	if (frames > 0)
		firstBlock = false;
	for (int32 i = 0; i < frames; ++i)
	{
		float frameIn[2] = {}, frameOut[2] = {};
		for (int32 c = 0; c < channels; ++c)
			frameIn[c] = in[c][i];
		if (bypassed)
			std::memcpy(frameOut, frameIn, sizeof(frameOut));
		else
			effect.processFrame(frameIn, frameOut, frameChannels, frameChannels);
		for (int32 c = 0; c < channels; ++c)
			out[c][i] = frameOut[c];
	}
}

namespace {

uint32 bitsOf(float value)
{
	uint32 bits;
	std::memcpy(&bits, &value, sizeof(bits));
	return bits;
}

} // namespace

::testing::AssertionResult rendersLikeReference(PlugIn& plugIn, ReferenceEffect& reference,
	const std::vector<BlockPlan>& plan, const std::vector<std::vector<float>>& input, int32 start,
	const RenderOptions& options)
{
	VeltraneHost::ProcessBlock block = plugIn.instance.makeBlock(kMaxBlock);
	const int32 channels = block.outputChannelCount();
	if (channels != reference.channels || static_cast<int32>(input.size()) < channels)
		return ::testing::AssertionFailure() << "the module runs " << channels << " channels";
	std::vector<std::vector<float>> expected(static_cast<size_t>(channels), std::vector<float>(kMaxBlock));
	if (options.output && static_cast<int32>(options.output->size()) < channels)
		options.output->resize(static_cast<size_t>(channels));

	int32 position = start;
	for (size_t b = 0; b < plan.size(); ++b)
	{
		const BlockPlan& step = plan[b];
		block.clearInputs();
		block.setNumSamples(step.frames);
		block.setInputSilenceFlags(step.inputSilenceFlags);
		const float* in[2] = {};
		float* out[2] = {};
		for (int32 c = 0; c < channels; ++c)
		{
			in[c] = input[static_cast<size_t>(c)].data() + position;
			out[c] = expected[static_cast<size_t>(c)].data();
			std::memcpy(block.input(c), in[c], sizeof(float) * static_cast<size_t>(step.frames));
		}
		for (const HostChange& change : step.changes)
		{
			block.inputParameterChanges().addPoint(change.id, 0, change.value);
			reference.hostChange(change.id, change.value);
		}

		if (options.transport)
		{
			block.setContext(options.transport->context());
			options.transport->advance(step.frames);
		}

		const tresult result = plugIn.instance.process(block);
		if (result != kResultOk)
			return ::testing::AssertionFailure() << "block " << b << ": process answered " << result;
		reference.process(in, out, step.frames);

		uint64 silentChannels = 0;
		for (int32 c = 0; c < channels; ++c)
		{
			bool silent = true;
			for (int32 i = 0; i < step.frames; ++i)
			{
				if (bitsOf(block.output(c)[i]) != bitsOf(out[c][i]))
					return ::testing::AssertionFailure() << "block " << b << ", channel " << c << ", frame " << i
					                                     << ": module " << block.output(c)[i] << ", reference " << out[c][i];
				silent = silent && out[c][i] == 0.0f;
			}
			if (silent)
				silentChannels |= uint64(1) << c;
			if (options.output)
				(*options.output)[static_cast<size_t>(c)].insert((*options.output)[static_cast<size_t>(c)].end(),
					block.output(c), block.output(c) + step.frames);
		}
		if (block.outputSilenceFlags() != silentChannels)
			return ::testing::AssertionFailure() << "block " << b << ": silence flags " << block.outputSilenceFlags()
			                                     << ", silent channels " << silentChannels;
		position += step.frames;
	}
	return ::testing::AssertionSuccess();
}

namespace {

template <typename T>
void append(std::vector<uint8_t>& bytes, T value)
{
	uint8_t raw[sizeof(T)];
	std::memcpy(raw, &value, sizeof(T)); // the stream is little-endian, as is this machine
	bytes.insert(bytes.end(), raw, raw + sizeof(T));
}

template <typename T>
T take(const std::vector<uint8_t>& bytes, size_t& offset)
{
	T value;
	std::memcpy(&value, bytes.data() + offset, sizeof(T));
	offset += sizeof(T);
	return value;
}

} // namespace

std::vector<uint8_t> encodeState(const StateFields& fields)
{
	std::vector<uint8_t> bytes;
	append(bytes, fields.version);
	for (float value : fields.floats)
		append(bytes, value);
	for (uint32_t value : fields.enums)
		append(bytes, value);
	append(bytes, fields.bypass);
	if (fields.hasJoystick)
	{
		append(bytes, fields.joystickX);
		append(bytes, fields.joystickY);
	}
	return bytes;
}

StateFields decodeState(const std::vector<uint8_t>& bytes)
{
	StateFields fields;
	EXPECT_EQ(bytes.size(), 58u);
	if (bytes.size() != 58)
		return fields;
	size_t offset = 0;
	fields.version = take<uint64_t>(bytes, offset);
	for (float& value : fields.floats)
		value = take<float>(bytes, offset);
	for (uint32_t& value : fields.enums)
		value = take<uint32_t>(bytes, offset);
	fields.bypass = take<uint16_t>(bytes, offset);
	fields.joystickX = take<float>(bytes, offset);
	fields.joystickY = take<float>(bytes, offset);
	return fields;
}

} // namespace ModuleTest
