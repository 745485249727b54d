// What every command that talks to the controller shares: the request to
// stop a running loop, which a failed command raises.
#pragma once

namespace telvar {

// 0 while an acquisition loop may go on; setting it to 1 ends the loop at its
// next check. 1 when nothing runs. Every command whose exchange fails sets
// it, so the flag lives with the commands rather than with the loops.
extern int stop_flag;

}  // namespace telvar
