// window/mode.h - whether this build of the toolkit has its window mode (GTK 3 was found when
// it was built); without it every run needs a script.
#ifndef TPANEL_WINDOW_MODE_H
#define TPANEL_WINDOW_MODE_H

namespace tpanel {

bool windowModeBuilt();

}  // namespace tpanel

#endif
