#pragma once
// Lets the messages already waiting for this thread run, without waiting for more.

namespace dm::win {

// Dispatches every pending message. A quit request is put back for the loop that runs the program.
void RunPendingMessages();

}  // namespace dm::win
