#include "Usage.h"

namespace Veltrane {

const char* const kMainUsage =
	"Usage: veltrane COMMAND [ARGUMENT]... [OPTION]...\n"
	"Renders audio files through the VeltraneFree plug-in, loaded as a host loads it,\n"
	"and shows its editor.\n"
	"\n"
	"Commands:\n"
	"  render IN OUT   run an audio file through the plug-in\n"
	"  demo OUT        render a synthesised phrase through a preset\n"
	"  presets         list the factory presets\n"
	"  params          list the parameters\n"
	"  snapshot OUT    draw the plug-in's editor into a PNG picture\n"
	"  edit            open the plug-in's editor in a window and save the\n"
	"                  settings dialled in as a state file\n"
	"  help [COMMAND]  show this help, or a command's\n"
	"\n"
	"Options:\n"
	"  -h, --help      show this help and exit\n"
	"      --version   show the version and exit\n"
	"\n"
	"Run 'veltrane COMMAND --help' for the options of a command. The plug-in is\n"
	"the bundle given by --plugin PATH, else $VELTRANE_PLUGIN, else the bundle\n"
	"this build made, or once installed the one in /usr/lib/vst3 (PREFIX/lib/vst3);\n"
	"--vst2 runs the same binary through its VST 2 entry point.\n"
	"\n"
	"Exit status: 0 on success, 1 on bad input or a failed render, 2 on a usage error.\n";

const char* const kRenderUsage =
	"Usage: veltrane render IN OUT [OPTION]...\n"
	"Runs the audio file IN through the plug-in at IN's sample rate and channel\n"
	"count (mono or stereo) and writes OUT in IN's file format (WAV, AIFF, FLAC,\n"
	"... and the same sample format). OUT is replaced only once the render has\n"
	"succeeded; a failure leaves it as it was.\n"
	"\n"
	"The plug-in is set up in this order: --state-in, then --preset, then each\n"
	"--set in the order given; all of it is in place from the first sample.\n"
	"\n"
	"Options:\n"
	"      --preset NAME      start from a factory preset (any case;\n"
	"                         see 'veltrane presets')\n"
	"      --set PARAM=VALUE  set a parameter, by title in any case, to a value in\n"
	"                         its own units: --set Delay=750; list parameters take\n"
	"                         a label or its index: --set \"Delay State=Delay\";\n"
	"                         repeatable (see 'veltrane params')\n"
	"      --state-in FILE    load plug-in state saved by --state-out\n"
	"      --state-out FILE   save the plug-in state after rendering\n"
	"      --block N          frames per process call, 1..8192 (default 512)\n"
	"      --tail SECONDS     after IN ends, go on rendering until the output has\n"
	"                         stayed below -90 dBFS for 2.1 s, for at most SECONDS\n"
	"                         (default 30; 0 = no tail); the final quiet stretch\n"
	"                         is trimmed to 0.1 s, OUT is never shorter than IN\n"
	"      --plugin PATH      the .vst3 bundle to load\n"
	"      --vst2             run the bundle's binary through its VST 2 entry\n"
	"                         point (VSTPluginMain) instead; its VST 3 face still\n"
	"                         gives the parameters' ranges and units, and the\n"
	"                         state files are the same for both\n"
	"  -h, --help             show this help and exit\n"
	"\n"
	"A progress bar appears on stderr when it is a terminal and the render\n"
	"takes more than half a second.\n";

const char* const kDemoUsage =
	"Usage: veltrane demo OUT [OPTION]...\n"
	"Synthesises three seconds of plucked strings and a kick drum (48 kHz\n"
	"stereo), renders them through a factory preset with its tail and writes\n"
	"OUT as a 32-bit float WAV file.\n"
	"\n"
	"Options:\n"
	"      --preset NAME  the factory preset (default \"Crude Verb\")\n"
	"      --plugin PATH  the .vst3 bundle to load\n"
	"      --vst2         use the binary's VST 2 entry point (VSTPluginMain)\n"
	"  -h, --help         show this help and exit\n";

const char* const kPresetsUsage =
	"Usage: veltrane presets [OPTION]...\n"
	"Lists the plug-in's factory presets, one a line: index and name.\n"
	"\n"
	"Options:\n"
	"      --plugin PATH  the .vst3 bundle to load\n"
	"      --vst2         use the binary's VST 2 entry point (VSTPluginMain)\n"
	"  -h, --help         show this help and exit\n";

const char* const kParamsUsage =
	"Usage: veltrane params [OPTION]...\n"
	"Lists the plug-in's parameters as it reports them: id, title, the values\n"
	"'veltrane render --set' accepts (range and units, or the list entries)\n"
	"and the default.\n"
	"\n"
	"Options:\n"
	"      --plugin PATH  the .vst3 bundle to load\n"
	"      --vst2         use the binary's VST 2 entry point (VSTPluginMain)\n"
	"  -h, --help         show this help and exit\n";

const char* const kSnapshotUsage =
	"Usage: veltrane snapshot OUT [OPTION]...\n"
	"Draws the plug-in's editor, without a window, into the PNG picture OUT at\n"
	"its own size (485 x 270), with the same views and drawing as on screen.\n"
	"The knobs and switches show the settings chosen by the options, applied\n"
	"in this order: --state-in, --preset, then each --set as given.\n"
	"\n"
	"Options:\n"
	"      --state-in FILE    start from a state saved by --state-out\n"
	"      --preset NAME      start from a factory preset (any case)\n"
	"      --set PARAM=VALUE  set a parameter in its own units, as for render;\n"
	"                         repeatable\n"
	"      --plugin PATH      the .vst3 bundle to load\n"
	"  -h, --help             show this help and exit\n";

const char* const kEditUsage =
	"Usage: veltrane edit [OPTION]...\n"
	"Opens the plug-in's editor in a window of its own on the X11 desktop\n"
	"($DISPLAY), so that settings can be dialled in by hand. When the window is\n"
	"closed, the settings are written to the --state-out file, which\n"
	"'veltrane render --state-in' reads.\n"
	"\n"
	"Options:\n"
	"      --state-in FILE    start from a state saved by --state-out\n"
	"      --state-out FILE   save the settings here when the window closes\n"
	"      --preset NAME      start from a factory preset (any case)\n"
	"      --set PARAM=VALUE  set a parameter in its own units; repeatable\n"
	"      --plugin PATH      the .vst3 bundle to load\n"
	"  -h, --help             show this help and exit\n";

} // namespace Veltrane
