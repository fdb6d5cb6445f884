// A repeating timer of the user-interface thread, fired by the platform's
// run loop. It notifies an object with kMsgTimer, or calls a function.
#pragma once

#include "platform/iplatformtimer.h"

#include <functional>

namespace VSTGUI {

class CVSTGUITimer : public CBaseObject, public IPlatformTimerCallback
{
public:
	using CallbackFunc = std::function<void(CVSTGUITimer*)>;

	CVSTGUITimer(CBaseObject* timerObject, uint32_t fireTime = 100, bool doStart = false);
	CVSTGUITimer(const CallbackFunc& callback, uint32_t fireTime = 100, bool doStart = true);
	CVSTGUITimer(CallbackFunc&& callback, uint32_t fireTime = 100, bool doStart = true);
	CVSTGUITimer(const CVSTGUITimer&) = delete;
	CVSTGUITimer& operator=(const CVSTGUITimer&) = delete;

	virtual bool start();
	virtual bool stop();
	bool isRunning() const { return platformTimer != nullptr; }
	// Restarts a running timer with the new interval.
	virtual bool setFireTime(uint32_t newFireTime);
	uint32_t getFireTime() const { return fireTime; }

	// One tick: the platform timer calls it; safe if the receiver drops the timer.
	void fire() override;

	static IdStringPtr kMsgTimer;

protected:
	~CVSTGUITimer() noexcept override;

private:
	uint32_t fireTime;
	CBaseObject* timerObject = nullptr;
	CallbackFunc callbackFunc;
	SharedPointer<IPlatformTimer> platformTimer;
};

} // namespace VSTGUI
