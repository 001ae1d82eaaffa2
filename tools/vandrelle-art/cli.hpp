#pragma once
// vandrelle-art: the art without the window, from the same core as the window.
#include <ostream>
#include <string>
#include <vector>

namespace vandrelle::cli {

// Exit statuses: 0 done, 1 a checked picture breaks a rule, 2 a wrong use of the command.
inline constexpr int kOk = 0, kCheckFailed = 1, kUsage = 2;

// Runs the command line (arguments after the program name, UTF-8). The art goes to `out` as
// bytes; messages go to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vandrelle::cli
