#pragma once

// Starts the game: shows the start window and runs until the program ends.
// Returns the exit status.
int runGame(int argc, char **argv);
