#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvane {

// Runs korvane-cli with its arguments (UTF-8, without the program name); what it prints goes to
// out and err. Returns the process exit status: 0 done, 2 bad input.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvane
