// dateaxis.cpp - set-up of date axes: unit choice, ends on unit boundaries, interval count.
#include "dates/dates.h"

void graphChooseDateInterval() {}
