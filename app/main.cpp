// main.cpp - the program SPECVUE: no arguments; a window on the desktop, or a scripted run when
// TPANEL_SCRIPT names a script of actions.
#include "program.h"

int main() { return SPECVUE(); }
