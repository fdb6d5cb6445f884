#include "live/StopSignals.h"

#include <csignal>
#include <initializer_list>

namespace Veltrane {

namespace {

volatile std::sig_atomic_t received = 0;

void remember(int signalNumber)
{
	received = signalNumber;
}

} // namespace

StopSignals::StopSignals()
{
	for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
	{
		struct sigaction action{};
		action.sa_handler = remember;
		sigemptyset(&action.sa_mask);
		sigaction(signalNumber, &action, nullptr);
	}
}

bool StopSignals::stopRequested() const
{
	return received != 0;
}

int StopSignals::signalNumber() const
{
	return received;
}

} // namespace Veltrane
