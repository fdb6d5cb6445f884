#pragma once

#include <string>
#include <vector>

namespace Veltrane {

// Each takes the arguments after its name and answers the exit status;
// errors are thrown as ToolError or UsageError.
int runRender(const std::vector<std::string>& arguments);
int runDemo(const std::vector<std::string>& arguments);
int runPresets(const std::vector<std::string>& arguments);
int runParams(const std::vector<std::string>& arguments);
int runSnapshot(const std::vector<std::string>& arguments);
int runEdit(const std::vector<std::string>& arguments);
int runLive(const std::vector<std::string>& arguments);

} // namespace Veltrane
