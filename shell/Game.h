#pragma once

// Starts the game: shows the start window and runs until the program ends.
// Returns the exit status.
int runGame(int argc, char **argv);

// Has the X11 platform send window pixels over its socket rather than through
// shared memory, unless the user has chosen. Call before the application exists.
void preferPlainImageUpload();
