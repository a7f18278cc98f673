#pragma once
// The program: the application, the main window, its start-up on the first turn of the event
// loop, and the loop itself until the main window closes.

namespace zendral {

int RunZendral(int argc, char** argv);

}  // namespace zendral
