// lv2-bundle VST3_BUNDLE LV2_BUNDLE: writes the Turtle of the module's LV2
// face into LV2_BUNDLE (which must exist), from what the module itself says.
#include "TurtleFiles.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
	if (argc != 3)
	{
		std::fprintf(stderr, "usage: lv2-bundle VST3_BUNDLE LV2_BUNDLE\n");
		return 2;
	}
	try
	{
		writeTurtle(describeModule(argv[1]), argv[2]);
	}
	catch (const std::exception& error)
	{
		std::fprintf(stderr, "lv2-bundle: %s\n", error.what());
		return 1;
	}
	return 0;
}
