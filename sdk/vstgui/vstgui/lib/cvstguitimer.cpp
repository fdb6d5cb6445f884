#include "cvstguitimer.h"
#include "platform/platformfactory.h"

namespace VSTGUI {

IdStringPtr CVSTGUITimer::kMsgTimer = "timer fired";

CVSTGUITimer::CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime, bool doStart)
: fireTime(fireTime), timerObject(timerObject)
{
	if (doStart)
		start();
}

CVSTGUITimer::CVSTGUITimer(const CallbackFunc& callback, uint32_t fireTime, bool doStart)
: fireTime(fireTime), callbackFunc(callback)
{
	if (doStart)
		start();
}

CVSTGUITimer::CVSTGUITimer(CallbackFunc&& callback, uint32_t fireTime, bool doStart)
: fireTime(fireTime), callbackFunc(std::move(callback))
{
	if (doStart)
		start();
}

CVSTGUITimer::~CVSTGUITimer() noexcept
{
	stop();
}

bool CVSTGUITimer::start()
{
	if (platformTimer)
		return true;
	platformTimer = createPlatformTimer(this);
	if (platformTimer && platformTimer->start(fireTime))
		return true;
	platformTimer = nullptr;
	return false;
}

bool CVSTGUITimer::stop()
{
	if (!platformTimer)
		return false;
	auto timer = std::move(platformTimer);
	timer->stop();
	return true;
}

bool CVSTGUITimer::setFireTime(uint32_t newFireTime)
{
	if (fireTime == newFireTime)
		return true;
	fireTime = newFireTime;
	if (!platformTimer)
		return true;
	stop();
	return start();
}

void CVSTGUITimer::fire()
{
	// The receiver may stop and release this timer from inside the callback.
	SharedPointer<CVSTGUITimer> guard(this);
	if (timerObject)
		timerObject->notify(this, kMsgTimer);
	else if (callbackFunc)
		callbackFunc(this);
}

} // namespace VSTGUI
