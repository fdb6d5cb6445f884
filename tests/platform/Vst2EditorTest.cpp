// The VST 2 face's editor opcodes over a small in-process class whose
// controller offers a VSTGUIEditor: the window in the host's window, driven
// by effEditIdle alone.
#include "PlatformTestSupport.h"

#include "public.sdk/source/main/pluginfactoryvst3.h"
#include "public.sdk/source/vst/vst2wrapper/vst2wrapper.h"
#include "public.sdk/source/vst/vstsinglecomponenteffect.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

using namespace PlatformTest;
using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

TestEditor* openEditor = nullptr; // the view the wrapper created last

class EditorEffect : public SingleComponentEffect
{
public:
	explicit EditorEffect(bool offersEditor) : offersEditor(offersEditor) {}
	static FUnknown* create(void* context)
	{
		return static_cast<IAudioProcessor*>(new EditorEffect(context != nullptr));
	}
	tresult PLUGIN_API initialize(FUnknown* context) override
	{
		if (SingleComponentEffect::initialize(context) != kResultOk)
			return kResultFalse;
		addAudioInput(STR16("In"), SpeakerArr::kStereo);
		addAudioOutput(STR16("Out"), SpeakerArr::kStereo);
		return kResultOk;
	}
	IPlugView* PLUGIN_API createView(FIDString name) override
	{
		if (!offersEditor || std::strcmp(name, ViewType::kEditor) != 0)
			return nullptr;
		return openEditor = new TestEditor(static_cast<EditController*>(this));
	}

private:
	bool offersEditor;
};

const FUID kWithEditor(1, 2, 3, 4);
const FUID kWithoutEditor(5, 6, 7, 8);

PClassInfo2 classInfo(const FUID& id, const char* name)
{
	PClassInfo2 info;
	id.toTUID(info.cid);
	info.cardinality = PClassInfo::kManyInstances;
	std::strcpy(info.category, kVstAudioEffectClass);
	std::strcpy(info.name, name);
	std::strcpy(info.subCategories, "Fx");
	std::strcpy(info.version, "1.0.0");
	return info;
}

VstIntPtr hostCallback(AEffect*, int opcode, int, VstIntPtr, void*, float)
{
	return opcode == audioMasterVersion ? kVstVersion : 0;
}

class Vst2Editor : public ::testing::Test
{
protected:
	Vst2Editor() : factory(owned(new CPluginFactory(PFactoryInfo("Vendor", "", "", 0))))
	{
		static int offers = 1;
		const PClassInfo2 with = classInfo(kWithEditor, "With Editor");
		const PClassInfo2 without = classInfo(kWithoutEditor, "Without Editor");
		factory->registerClass(&with, &EditorEffect::create, &offers);
		factory->registerClass(&without, &EditorEffect::create, nullptr);
	}
	AEffect* create(const FUID& id) { return Vst2Wrapper::create(factory, id.toTUID(), 0, &hostCallback); }
	static VstIntPtr dispatch(AEffect* effect, int opcode, void* ptr = nullptr)
	{
		return effect->dispatcher(effect, opcode, 0, 0, ptr, 0.f);
	}
	// A VST 2 host calls effEditIdle from its user-interface loop.
	static bool idleUntil(AEffect* effect, const std::function<bool()>& predicate)
	{
		const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
		while (!predicate())
		{
			if (std::chrono::steady_clock::now() > end)
				return false;
			dispatch(effect, effEditIdle);
			std::this_thread::sleep_for(std::chrono::milliseconds(5));
		}
		return true;
	}

	IPtr<CPluginFactory> factory;
	Host host;
};

} // namespace

TEST_F(Vst2Editor, FlagsTheEditorOnlyWhenTheControllerOffersOne)
{
	AEffect* without = create(kWithoutEditor);
	ASSERT_NE(without, nullptr);
	EXPECT_FALSE(without->flags & effFlagsHasEditor);
	ERect* rect = reinterpret_cast<ERect*>(1);
	EXPECT_EQ(dispatch(without, effEditGetRect, &rect), 0);
	EXPECT_EQ(rect, nullptr);
	EXPECT_EQ(dispatch(without, effEditOpen, host.window.parentHandle()), 0);
	dispatch(without, effClose);

	AEffect* with = create(kWithEditor);
	ASSERT_NE(with, nullptr);
	EXPECT_TRUE(with->flags & effFlagsHasEditor);
	dispatch(with, effClose);
}

TEST_F(Vst2Editor, OpensInTheHostWindowRunsOnIdleAndClosesAgain)
{
	AEffect* effect = create(kWithEditor);
	ASSERT_NE(effect, nullptr);
	for (int round = 0; round < 20; ++round)
	{
		ERect* rect = nullptr;
		ASSERT_EQ(dispatch(effect, effEditGetRect, &rect), 1);
		ASSERT_NE(rect, nullptr);
		EXPECT_EQ(rect->right - rect->left, kEditorWidth);
		EXPECT_EQ(rect->bottom - rect->top, kEditorHeight);

		ASSERT_EQ(dispatch(effect, effEditOpen, host.window.parentHandle()), 1);
		ASSERT_EQ(host.children().size(), 1u);
		if (round == 0)
		{
			const auto child = host.children()[0];
			EXPECT_TRUE(idleUntil(effect, [&] { return host.showsRedAt(child, 150, 100) && openEditor->ticks > 0; }));
		}
		dispatch(effect, effEditClose);
		host.x11.sync();
		EXPECT_TRUE(host.children().empty());
	}
	// A host that closes the plug-in with its editor still open.
	ASSERT_EQ(dispatch(effect, effEditOpen, host.window.parentHandle()), 1);
	dispatch(effect, effClose);
	host.x11.sync();
	EXPECT_TRUE(host.children().empty());
}
