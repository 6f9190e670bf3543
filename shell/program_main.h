// Start-up and shutdown: the global script host and the main window.
#ifndef BRAMBLE_SHELL_PROGRAM_MAIN_H_
#define BRAMBLE_SHELL_PROGRAM_MAIN_H_

namespace bramble {

class ScriptHost;

// Creates the global host, registers its release as the exit routine,
// shows the main window and runs the event loop. Returns 0.
int ProgramMain();

void CreateGlobalHost();
// Destroys and frees the global host; runs once, from the exit routine.
void ReleaseGlobalHost();
// The global host, set by CreateGlobalHost.
ScriptHost& GlobalHost();

// How many times the global host has been released: for tests.
int GlobalHostReleaseCount();

}  // namespace bramble

#endif  // BRAMBLE_SHELL_PROGRAM_MAIN_H_
