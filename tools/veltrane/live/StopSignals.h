#pragma once

namespace Veltrane {

// SIGINT, SIGTERM and SIGHUP, caught so that a long-running command ends
// through its own main loop, which polls stopRequested(), rather than dying
// with its state unsaved. Installed by the constructor for the process's
// lifetime; the handler only sets a flag.
class StopSignals
{
public:
	StopSignals();
	bool stopRequested() const;
	// The signal that asked to stop, 0 before one came.
	int signalNumber() const;
};

} // namespace Veltrane
