// State of the live acquisition loop that other parts stop.
#pragma once

namespace telvar {

// 0 while an acquisition loop may go on; setting it to 1 ends the loop at its
// next check. 1 when nothing runs.
extern int stop_flag;

}  // namespace telvar
