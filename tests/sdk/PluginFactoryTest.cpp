#include "public.sdk/source/main/pluginfactoryvst3.h"
#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivstcomponent.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Steinberg;

namespace {

const FUID kPlainId(0x11111111, 0x22222222, 0x33333333, 0x44444444);
const FUID kVersion2Id(0x55555555, 0x66666666, 0x77777777, 0x88888888);
const FUID kUnicodeId(0x99999999, 0xAAAAAAAA, 0xBBBBBBBB, 0xCCCCCCCC);
const FUID kStrangerId(0xDDDDDDDD, 0xEEEEEEEE, 0xFFFFFFFF, 0x00000000);

// Counts live instances so that tests see whether the factory leaks one.
class Probe : public FObject
{
public:
	explicit Probe(int* live) : live(live) { ++*live; }
	~Probe() override { --*live; }

	static FUnknown* create(void* context) { return static_cast<FObject*>(new Probe(static_cast<int*>(context))); }

private:
	int* live;
};

class WatchedFactory : public CPluginFactory
{
public:
	WatchedFactory(const PFactoryInfo& info, bool* destroyed) : CPluginFactory(info), destroyed(destroyed) {}
	~WatchedFactory() override { *destroyed = true; }

private:
	bool* destroyed;
};

class PluginFactoryTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		factory = new WatchedFactory(PFactoryInfo("Vendor", "https://example.org", "mail@example.org",
			PFactoryInfo::kUnicode), &destroyed);

		PClassInfo plain(kPlainId.toTUID(), PClassInfo::kManyInstances, "Plain Class", "Plain");
		PClassInfo2 version2(kVersion2Id.toTUID(), PClassInfo::kManyInstances, "Audio Module Class",
			"Effect Two", 0, "Fx|Delay", "Vendor Two", "1.2.3.4", "VST 3.6.8");
		PClassInfoW unicode(kUnicodeId.toTUID(), 1, "Audio Module Class", u"Ünicode", 0, "Fx",
			u"Vendor W", u"2.0", u"VST 3.6.8");
		ASSERT_TRUE(factory->registerClass(&plain, Probe::create, &live));
		ASSERT_TRUE(factory->registerClass(&version2, Probe::create, &live));
		ASSERT_TRUE(factory->registerClass(&unicode, Probe::create, &live));
	}
	void TearDown() override
	{
		if (!destroyed)
			factory->release();
		EXPECT_EQ(live, 0);
	}

	bool destroyed = false;
	int live = 0;
	CPluginFactory* factory = nullptr;
};

TEST_F(PluginFactoryTest, ReportsFactoryInfoAndClasses)
{
	PFactoryInfo info;
	ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
	EXPECT_STREQ(info.vendor, "Vendor");
	EXPECT_STREQ(info.url, "https://example.org");
	EXPECT_STREQ(info.email, "mail@example.org");
	EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);

	EXPECT_EQ(factory->countClasses(), 3);
	EXPECT_TRUE(factory->isRegistered(kUnicodeId));
	EXPECT_FALSE(factory->isRegistered(kStrangerId));
	EXPECT_FALSE(factory->registerClass(static_cast<const PClassInfo2*>(nullptr), Probe::create));
	EXPECT_EQ(factory->countClasses(), 3);
}

TEST_F(PluginFactoryTest, ClassInfosRoundTrip)
{
	PClassInfo info;
	ASSERT_EQ(factory->getClassInfo(0, &info), kResultOk);
	EXPECT_EQ(FUID::fromTUID(info.cid), kPlainId);
	EXPECT_STREQ(info.category, "Plain Class");
	EXPECT_STREQ(info.name, "Plain");
	ASSERT_EQ(factory->getClassInfo(1, &info), kResultOk);
	EXPECT_STREQ(info.name, "Effect Two");

	PClassInfo2 info2;
	ASSERT_EQ(factory->getClassInfo2(1, &info2), kResultOk);
	EXPECT_EQ(FUID::fromTUID(info2.cid), kVersion2Id);
	EXPECT_STREQ(info2.subCategories, "Fx|Delay");
	EXPECT_STREQ(info2.vendor, "Vendor Two");
	EXPECT_STREQ(info2.version, "1.2.3.4");
	ASSERT_EQ(factory->getClassInfo2(0, &info2), kResultOk);
	EXPECT_STREQ(info2.name, "Plain");
	EXPECT_STREQ(info2.subCategories, "");

	EXPECT_EQ(factory->getClassInfo(3, &info), kInvalidArgument);
	EXPECT_EQ(factory->getClassInfo2(-1, &info2), kInvalidArgument);
}

TEST_F(PluginFactoryTest, UnicodeInfosWidenNarrowClassesAndKeepWideOnes)
{
	PClassInfoW wide;
	ASSERT_EQ(factory->getClassInfoUnicode(1, &wide), kResultOk);
	EXPECT_EQ(FUID::fromTUID(wide.cid), kVersion2Id);
	EXPECT_EQ(std::u16string(wide.name), u"Effect Two");
	EXPECT_EQ(std::u16string(wide.vendor), u"Vendor Two");
	EXPECT_EQ(std::u16string(wide.sdkVersion), u"VST 3.6.8");
	EXPECT_STREQ(wide.category, "Audio Module Class");
	EXPECT_STREQ(wide.subCategories, "Fx|Delay");

	ASSERT_EQ(factory->getClassInfoUnicode(2, &wide), kResultOk);
	EXPECT_EQ(std::u16string(wide.name), u"Ünicode");
	EXPECT_EQ(wide.cardinality, 1);

	// A wide-only class has no faithful 8-bit form.
	PClassInfo2 info2;
	EXPECT_EQ(factory->getClassInfo2(2, &info2), kResultFalse);
	EXPECT_STREQ(info2.name, "");
	PClassInfo info;
	EXPECT_EQ(factory->getClassInfo(2, &info), kResultFalse);
}

TEST_F(PluginFactoryTest, CreatesRegisteredClassesWithOneReference)
{
	void* object = nullptr;
	ASSERT_EQ(factory->createInstance(kUnicodeId.toTUID(), FUnknown::iid.toTUID(), &object), kResultOk);
	ASSERT_NE(object, nullptr);
	EXPECT_EQ(live, 1);
	// The caller's reference is the only one left.
	static_cast<FUnknown*>(object)->release();
	EXPECT_EQ(live, 0);
}

TEST_F(PluginFactoryTest, RefusesUnknownClassesAndInterfaces)
{
	int sentinel = 0;
	void* object = &sentinel;
	EXPECT_EQ(factory->createInstance(kStrangerId.toTUID(), FUnknown::iid.toTUID(), &object), kNoInterface);
	EXPECT_EQ(object, nullptr);

	object = &sentinel;
	EXPECT_EQ(factory->createInstance(kPlainId.toTUID(), Vst::IComponent::iid.toTUID(), &object), kNoInterface);
	EXPECT_EQ(object, nullptr);
	EXPECT_EQ(live, 0);

	EXPECT_EQ(factory->createInstance(kPlainId.toTUID(), FUnknown::iid.toTUID(), nullptr), kInvalidArgument);
	EXPECT_EQ(factory->createInstance(nullptr, FUnknown::iid.toTUID(), &object), kInvalidArgument);
}

TEST_F(PluginFactoryTest, RemoveAllClassesEmptiesTheFactory)
{
	factory->removeAllClasses();
	EXPECT_EQ(factory->countClasses(), 0);
	EXPECT_FALSE(factory->isRegistered(kPlainId));
	void* object = nullptr;
	EXPECT_EQ(factory->createInstance(kPlainId.toTUID(), FUnknown::iid.toTUID(), &object), kNoInterface);
}

TEST_F(PluginFactoryTest, AnswersForEveryFactoryVersionAndDeletesItselfAtZero)
{
	for (const FUID* iid : {&FUnknown::iid, &IPluginFactory::iid, &IPluginFactory2::iid, &IPluginFactory3::iid})
	{
		void* face = nullptr;
		ASSERT_EQ(factory->queryInterface(iid->toTUID(), &face), kResultOk);
		EXPECT_EQ(static_cast<FUnknown*>(face), static_cast<FUnknown*>(factory));
		EXPECT_EQ(static_cast<FUnknown*>(face)->release(), 1u);
	}
	void* face = &face;
	EXPECT_EQ(factory->queryInterface(Vst::IComponent::iid.toTUID(), &face), kNoInterface);
	EXPECT_EQ(face, nullptr);

	EXPECT_EQ(factory->addRef(), 2u);
	EXPECT_EQ(factory->release(), 1u);
	EXPECT_FALSE(destroyed);
	EXPECT_EQ(factory->release(), 0u);
	EXPECT_TRUE(destroyed);
}

} // namespace
