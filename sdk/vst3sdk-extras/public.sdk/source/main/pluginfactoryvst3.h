// The class factory a VST 3 module hands to the host: it lists the classes
// the module registered and creates instances of them on request.
#pragma once

#include "pluginterfaces/base/ipluginbase.h"

#include <atomic>
#include <vector>

namespace Steinberg {

// The module's factory while one exists: GetPluginFactory hands it out with
// one more reference, and the factory clears it when it is deleted.
extern IPluginFactory* gPluginFactory;

class CPluginFactory : public IPluginFactory3
{
public:
	using CreateFunction = FUnknown* (*)(void* context);

	// Starts with one reference, owned by the caller; release() deletes it.
	explicit CPluginFactory(const PFactoryInfo& info);
	CPluginFactory(const CPluginFactory&) = delete;
	CPluginFactory& operator=(const CPluginFactory&) = delete;

	// A class registered with an 8-bit info is reported through every
	// getClassInfo variant; one registered with a UTF-16 info only through
	// getClassInfoUnicode, as an 8-bit copy would lose characters.
	bool registerClass(const PClassInfo* info, CreateFunction createFunc, void* context = nullptr);
	bool registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context = nullptr);
	bool registerClass(const PClassInfoW* info, CreateFunction createFunc, void* context = nullptr);
	bool isClassRegistered(const FUID& cid) const;
	bool isRegistered(const FUID& cid) const { return isClassRegistered(cid); }
	void removeAllClasses();

	//---from FUnknown
	tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
	uint32 PLUGIN_API addRef() SMTG_OVERRIDE;
	uint32 PLUGIN_API release() SMTG_OVERRIDE;

	//---from IPluginFactory
	tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) SMTG_OVERRIDE;
	int32 PLUGIN_API countClasses() SMTG_OVERRIDE;
	tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) SMTG_OVERRIDE;
	tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) SMTG_OVERRIDE;

	//---from IPluginFactory2
	tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) SMTG_OVERRIDE;

	//---from IPluginFactory3
	tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) SMTG_OVERRIDE;
	tresult PLUGIN_API setHostContext(FUnknown* context) SMTG_OVERRIDE;

protected:
	virtual ~CPluginFactory();

private:
	struct ClassEntry
	{
		PClassInfo2 info8;
		PClassInfoW info16;
		CreateFunction createFunc;
		void* context;
		bool isUnicode;
	};

	const ClassEntry* findClass(const char8* cid) const;
	const ClassEntry* entryAt(int32 index) const;

	std::atomic<uint32> refCount {1};
	PFactoryInfo factoryInfo;
	std::vector<ClassEntry> classes;
};

} // namespace Steinberg
