// tmsgcon.h - the message console TMSGCON.
//
// A message becomes one text line that goes either to the console window (a list, one line
// per message) or to the error log file beside the program, as the two values registered by
// the host decide; a severe message also raises a message box.  Without a display (or in a run
// scripted through TPANEL_SCRIPT) the console window is kept in memory, and each of its lines
// and each message box is written to standard error instead.  Every argument is passed by
// pointer and stays owned by the caller: the console copies what it keeps.
//
// Texts cross as IntCharString: an array of 32-bit integers, one character code each (only
// the low byte is used), with the number of characters passed separately.  A negative length
// counts as 0; a null pointer counts as an empty text, a zero length or a zero value.
//
// Threads: the console keeps one state for the process; call it from one thread at a time,
// and while it shows its window (a GTK one) always from the thread that first called it.
#ifndef TMSGCON_H
#define TMSGCON_H

#include "tarvconfig.h"

TARV_API_BEGIN

#ifdef __cplusplus
extern "C" {
#endif

// Stores the two routing values a and b (one value read from each; both 0 until the first call,
// which sends lines to the console window).  Lines go to the console window when a = b or
// b <= 2, and to the error log file otherwise.  The window is made by the first line it shows
// (again after destroyconsole_), minimised when b is 1 then, hidden when b is 2, else shown; a
// window already made keeps its state.  The error log is the program's path with its extension
// replaced by ".ERR" (appended when it has none); the first line of a process starts it afresh
// under a dated header, and every line is written at once.  A line that cannot be logged goes to
// standard error.  The console reports no numbered errors.
void registerconsole_(const int* a, const int* b);

// One message: the line is the text alone when the title holds "XXXXXX", else the title,
// " : " (type -1) or " caused " (any other type), and the text.  A text holding "***", or
// type 4, also raises a message box with the text.  Reads one value from each of titleLength,
// textLength and type, then *titleLength codes from title and *textLength codes from text
// (none for a length below 1 or a null pointer).
void errormessage_(const int* title, const int* text, const int* titleLength, const int* textLength,
                   const int* type);

// Closes the error log (the next log message appends to it) and destroys the console window
// (the next console message creates it again).  Answers 1, or 0 when the window could not be
// destroyed.
int destroyconsole_(void);

// Empties the console list; answers the list's reply (0 when there is no window).
int clearconsole_(void);

// Low four bits: 1 show, 2 hide, 4 restore, 8 minimise; bits 4-7: 16 to the top of the
// stacking order, 32 to the bottom; other values change nothing.  Creates no window; flags
// (one value) is read only while the console window exists.
void showconsole_(const int* flags);

#ifdef __cplusplus
}
#endif

TARV_API_END

#endif
