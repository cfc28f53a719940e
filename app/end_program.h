#pragma once

#include <functional>

namespace orv::app {

// Ends the program at once: the event loop stops and every window goes away
// without its own close handler running.
void EndProgram();

// Replaces the ending (for tests); an empty handler restores it.
void SetEndProgramHandler(std::function<void()> handler);

}  // namespace orv::app
