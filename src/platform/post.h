// Handing work to the user-interface thread from any other thread.
//
// Everything the program keeps is owned by the user-interface thread and takes no lock. A thread
// of its own (the audio thread that learns that a song has ended, for one) therefore never
// touches that state; it posts a task instead, and the task runs later on the user-interface
// thread, between two events, like any other message.
#pragma once

#include <functional>

namespace platform {

// Queues task to run on the user-interface thread. Safe to call from any thread, the
// user-interface thread included (the task then runs later, never inside this call). Tasks run
// in the order they were posted. A task posted when there is no application to run it is
// dropped.
void PostToUiThread(std::function<void()> task);

// Runs, on the calling (user-interface) thread, the tasks that were waiting when it was called;
// tasks they post wait for the next call. The Qt backend's message loop runs posted tasks by
// itself; the headless backend runs them only here, so tests decide when they arrive.
void RunPostedTasks();

}  // namespace platform
