// window/gtk.h - the message console's window layer on a display, through GTK 3: the console
// is a window with a scrolled list of the messages, the message box a modal GTK dialog.
#ifndef MSGCON_WINDOW_GTK_H
#define MSGCON_WINDOW_GTK_H

#include "window.h"

namespace msgcon {

extern const ConsoleWindowLayer gtkWindowLayer;

// True when a run can use it: a display is named, no script drives the run, and GTK opens
// the display.
bool gtkWindowLayerUsable();

}  // namespace msgcon

#endif
