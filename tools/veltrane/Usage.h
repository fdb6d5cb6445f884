#pragma once

namespace Veltrane {

// The --help texts, printed to stdout as they stand.
extern const char* const kMainUsage;
extern const char* const kRenderUsage;
extern const char* const kDemoUsage;
extern const char* const kPresetsUsage;
extern const char* const kParamsUsage;
extern const char* const kSnapshotUsage;
extern const char* const kEditUsage;
extern const char* const kLiveUsage;

} // namespace Veltrane
