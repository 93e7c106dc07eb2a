#pragma once
#include <functional>

// Runs onTerminate on the window thread when the system asks Tarvo to end
// (SIGTERM at shutdown, SIGHUP at logout, SIGINT from a terminal), so that
// unsaved work is put where the next start finds it before Tarvo goes.
void whenAskedToEnd(std::function<void()> onTerminate);
