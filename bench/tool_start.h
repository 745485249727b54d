// The tool as the benchmarks start it: its panels loaded and its variables
// set, with every pop-up printed to standard error instead of waiting for a
// click that never comes.
#pragma once

namespace telvar::bench {

// False, with the reason on standard error, when the tool cannot start.
bool start_tool(int argc, char** argv);

}  // namespace telvar::bench
