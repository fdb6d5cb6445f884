#include "public.sdk/source/main/pluginfactoryvst3.h"

#include <cstring>

namespace Steinberg {

namespace {

// 8-bit class infos are ASCII by contract; widen byte by byte, always
// leaving the destination terminated inside its own bounds.
template <size_t N, size_t M>
void widen(char16 (&dest)[N], const char8 (&source)[M])
{
	static_assert(N >= M, "the wide field must hold the narrow one");
	size_t i = 0;
	for (; i + 1 < M && source[i] != 0; ++i)
		dest[i] = static_cast<char16>(static_cast<unsigned char>(source[i]));
	for (; i < N; ++i)
		dest[i] = 0;
}

template <size_t N>
void copyTerminated(char8 (&dest)[N], const char8 (&source)[N])
{
	std::memcpy(dest, source, N);
	dest[N - 1] = 0;
}

PClassInfoW wideCopy(const PClassInfo2& narrow)
{
	PClassInfoW wide;
	std::memcpy(wide.cid, narrow.cid, sizeof(TUID));
	wide.cardinality = narrow.cardinality;
	copyTerminated(wide.category, narrow.category);
	widen(wide.name, narrow.name);
	wide.classFlags = narrow.classFlags;
	copyTerminated(wide.subCategories, narrow.subCategories);
	widen(wide.vendor, narrow.vendor);
	widen(wide.version, narrow.version);
	widen(wide.sdkVersion, narrow.sdkVersion);
	return wide;
}

} // namespace

CPluginFactory::CPluginFactory(const PFactoryInfo& info)
: factoryInfo(info)
{
}

IPluginFactory* gPluginFactory = nullptr;

CPluginFactory::~CPluginFactory()
{
	// The module hands out this pointer while the factory lives; once the
	// last reference is gone the next request must build a new factory.
	if (gPluginFactory == this)
		gPluginFactory = nullptr;
}

bool CPluginFactory::registerClass(const PClassInfo* info, CreateFunction createFunc, void* context)
{
	if (!info || !createFunc)
		return false;
	PClassInfo2 info2;
	std::memcpy(info2.cid, info->cid, sizeof(TUID));
	info2.cardinality = info->cardinality;
	std::memcpy(info2.category, info->category, sizeof(info2.category));
	std::memcpy(info2.name, info->name, sizeof(info2.name));
	return registerClass(&info2, createFunc, context);
}

bool CPluginFactory::registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context)
{
	if (!info || !createFunc)
		return false;
	classes.push_back(ClassEntry {*info, wideCopy(*info), createFunc, context, false});
	return true;
}

bool CPluginFactory::registerClass(const PClassInfoW* info, CreateFunction createFunc, void* context)
{
	if (!info || !createFunc)
		return false;
	classes.push_back(ClassEntry {PClassInfo2 {}, *info, createFunc, context, true});
	return true;
}

bool CPluginFactory::isClassRegistered(const FUID& cid) const
{
	return findClass(cid.toTUID()) != nullptr;
}

void CPluginFactory::removeAllClasses()
{
	classes.clear();
}

const CPluginFactory::ClassEntry* CPluginFactory::findClass(const char8* cid) const
{
	for (const ClassEntry& entry : classes)
		if (std::memcmp(entry.info16.cid, cid, sizeof(TUID)) == 0)
			return &entry;
	return nullptr;
}

const CPluginFactory::ClassEntry* CPluginFactory::entryAt(int32 index) const
{
	if (index < 0 || index >= static_cast<int32>(classes.size()))
		return nullptr;
	return &classes[static_cast<size_t>(index)];
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj)
{
	QUERY_INTERFACE(iid, obj, FUnknown::iid, IPluginFactory)
	QUERY_INTERFACE(iid, obj, IPluginFactory::iid, IPluginFactory)
	QUERY_INTERFACE(iid, obj, IPluginFactory2::iid, IPluginFactory2)
	QUERY_INTERFACE(iid, obj, IPluginFactory3::iid, IPluginFactory3)
	*obj = nullptr;
	return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef()
{
	return ++refCount;
}

uint32 PLUGIN_API CPluginFactory::release()
{
	const uint32 remaining = --refCount;
	if (remaining == 0)
		delete this;
	return remaining;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info)
{
	if (!info)
		return kInvalidArgument;
	*info = factoryInfo;
	return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses()
{
	return static_cast<int32>(classes.size());
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info)
{
	const ClassEntry* entry = entryAt(index);
	if (!entry || !info)
		return kInvalidArgument;
	*info = PClassInfo {};
	if (entry->isUnicode)
		return kResultFalse;
	std::memcpy(info->cid, entry->info8.cid, sizeof(TUID));
	info->cardinality = entry->info8.cardinality;
	std::memcpy(info->category, entry->info8.category, sizeof(info->category));
	std::memcpy(info->name, entry->info8.name, sizeof(info->name));
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info)
{
	const ClassEntry* entry = entryAt(index);
	if (!entry || !info)
		return kInvalidArgument;
	if (entry->isUnicode)
	{
		*info = PClassInfo2 {};
		return kResultFalse;
	}
	*info = entry->info8;
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info)
{
	const ClassEntry* entry = entryAt(index);
	if (!entry || !info)
		return kInvalidArgument;
	*info = entry->info16;
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj)
{
	if (!obj)
		return kInvalidArgument;
	*obj = nullptr;
	if (!cid || !iid)
		return kInvalidArgument;

	const ClassEntry* entry = findClass(cid);
	if (!entry)
		return kNoInterface;
	FUnknown* instance = entry->createFunc(entry->context);
	if (!instance)
		return kNoInterface;
	// The query takes its own reference; the creation reference is ours to drop.
	const tresult result = instance->queryInterface(iid, obj);
	instance->release();
	if (result != kResultOk)
	{
		*obj = nullptr;
		return kNoInterface;
	}
	return kResultOk;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* /*context*/)
{
	// Nothing here needs the host's context.
	return kNotImplemented;
}

} // namespace Steinberg
