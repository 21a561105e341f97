// program.h - the program: start-up, the event loop and shut-down.
#ifndef SPECVUE_PROGRAM_H
#define SPECVUE_PROGRAM_H

// Runs the program until the user chooses Exit (or the toolkit's input ends); returns the exit
// status, 0.
int SPECVUE();

#endif
