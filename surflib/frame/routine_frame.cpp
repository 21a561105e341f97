// routine_frame.cpp - entry and exit of every legacy routine, and the open and close routines
// of the library.
//
// A drawing routine (draw flag 1) saves the caller's text, line and table attributes at entry
// and puts the library's own in force (text mode 1, angle 0, justification -1, solid line,
// positive table values negated); the exit puts the caller's values back.  Settings routines
// (draw flag 0) only register their name.
#include "frame/routine_frame.h"

#include <cmath>
#include <cstring>

#include "frame/kernel_layer.h"
#include "frame/state.h"
#include "tarvcore.h"
#include "tterrlib.h"

using namespace surflib;

namespace {

constexpr int kRoutineNameLevel = 2;
constexpr int kSurfaceLibraryNumber = 3;
constexpr int kTextModeOnReadBack = 4;  // the kernel reports text mode 1 as 4
constexpr int kNoFont = -1;
constexpr int kDashPatternStyle = -1;
constexpr int kTableEntries = 16;

void saveTextAttributes(int charMode, bool opened)
{
    SurfaceSavedKernelState& s = surfaceState.saved;
    int fifth = 0;
    kernelEnquireTextAttributes(s.savedTextMode, s.savedCharWidth, s.savedCharHeight, s.savedFont,
                                fifth, s.savedTextAngle);
    if ((opened || charMode != 0) && s.savedTextMode != kTextModeOnReadBack) {
        const int one = 1;
        kernelSetTextMode(one);
        // The size, font and angle in force under text mode 1 are the ones to restore; the
        // text mode saved stays the caller's.
        int mode = 0;
        kernelEnquireTextAttributes(mode, s.savedCharWidth, s.savedCharHeight, s.savedFont, fifth,
                                    s.savedTextAngle);
    }
    if (s.savedTextAngle != 0.0f) {
        const float zero = 0.0f;
        kernelSetCharAngle(zero);
    }
}

void saveLineAttributes()
{
    SurfaceSavedKernelState& s = surfaceState.saved;
    kernelEnquireTextJustification(s.savedJustification);
    if (s.savedJustification != -1) {
        const int left = -1;
        kernelSetTextJustification(left);
    }
    int pen = 0, widthMode = 0, reserved = 0;
    float width = 0.0f;
    const int selector = 0;
    kernelEnquireLineAttributes(selector, pen, s.savedLineStyle, s.savedColour, width, widthMode,
                                reserved);
    if (s.savedLineStyle == kDashPatternStyle) {
        float* d = s.savedDashPattern;
        kernelEnquireDashPattern(d[0], d[1], d[2], d[3]);
    }
    const int solid = 0, one = 1;
    kernelSetLineStyle(solid);
    kernelSetSetting21(one);
}

void saveTableEntries()
{
    for (int i = 1; i <= kTableEntries; ++i) {
        int a = 0, b = 0, c = 0, d = 0;
        kernelEnquireTableEntry(i, a, b, c, d);
        surfaceState.saved.savedTable[i - 1] = a;
        if (a > 0) kernelSetTableEntry(i, -a, b, c, d);
    }
}

void restoreTextAttributes()
{
    const SurfaceSavedKernelState& s = surfaceState.saved;
    if (s.savedFont != kNoFont) {
        const int three = 3;
        const float t = 10.0f * kernelEnquireRealSetting(three);
        const float angle = std::fabs(s.savedTextAngle);
        const int upright = 0, rotated = 1;
        if (angle < t) {
            kernelSetFont(s.savedFont, upright);
        } else if (angle > t) {
            kernelSetFont(s.savedFont, rotated);
        }
        return;
    }
    kernelSetCharSize(s.savedCharWidth, s.savedCharHeight);
    kernelSetCharAngle(s.savedTextAngle);
    const int mode = s.savedTextMode == kTextModeOnReadBack ? 1 : 0;
    kernelSetTextMode(mode);
}

void restoreLineAttributes()
{
    const SurfaceSavedKernelState& s = surfaceState.saved;
    kernelSetTextJustification(s.savedJustification);
    if (s.savedLineStyle == kDashPatternStyle) {
        const float* d = s.savedDashPattern;
        kernelSetDashPattern(d[0], d[1], d[2], d[3]);
    } else {
        kernelSetLineStyle(s.savedLineStyle);
    }
    kernelSetColour(s.savedColour);
}

void restoreTableEntries()
{
    // Only the first value of each entry was changed; the other three keep what they hold now.
    for (int i = 1; i <= kTableEntries; ++i) {
        int a = 0, b = 0, c = 0, d = 0;
        kernelEnquireTableEntry(i, a, b, c, d);
        kernelSetTableEntry(i, surfaceState.saved.savedTable[i - 1], b, c, d);
    }
}

}  // namespace

namespace surflib {

void surfaceSaveKernelState(int& status, const char* name, int length, int drawFlag, int charMode)
{
    kernelSetRoutineName(kRoutineNameLevel, name, length);
    int open = 0;
    kernelEnquireLibraryOpen(kSurfaceLibraryNumber, open);
    if (open == 0) {
        const int on = 1;
        kernelSetLibraryOpen(kSurfaceLibraryNumber, on);
        surfaceFrameSwitches.openPending = 1;
    }
    status = 0;
    if (drawFlag != 1) return;

    // The first drawing routine after the library was opened (or reopened) switches the text
    // mode even when the character mode is 0, also when a settings routine did the opening.
    const bool opened = surfaceFrameSwitches.openPending != 0;
    surfaceFrameSwitches.openPending = 0;
    saveTextAttributes(charMode, opened);
    saveLineAttributes();
    saveTableEntries();
    surfaceState.saved.decodedFillCode = -9999;
}

void surfaceEnterRoutine(int drawFlag, const char* name, int length)
{
    int status = 0;
    surfaceSaveKernelState(status, name, length, drawFlag, surfaceState.contour.charMode);
    if (surfaceFrameSwitches.firstUse == 0) {
        surfaceSetDefaults();
        surfaceFrameSwitches.firstUse = 1;
    }
    int colour = 0;
    surfaceEnquireLineAttributes(status, colour);
    surfaceState.saved.entryColour = colour;
    surfaceState.smoothReach = ContourSmoothReach{};
}

void surfaceExitRoutine(int drawFlag)
{
    if (drawFlag == 1) {
        restoreTextAttributes();
        restoreLineAttributes();
        restoreTableEntries();
    }
    static const char blanks[] = "      ";
    kernelSetRoutineName(kRoutineNameLevel, blanks, 6);
}

void surfaceCloseKernelLibrary()
{
    const int closed = 0;
    kernelSetLibraryOpen(kSurfaceLibraryNumber, closed);
}

SurfaceRoutineScope::SurfaceRoutineScope(SurfaceRoutineId id)
{
    const SurfaceRoutineEntry& entry = surfaceRoutineEntry(id);
    drawFlag_ = entry.drawFlag;
    surfaceEnterRoutine(drawFlag_, entry.nameText, static_cast<int>(std::strlen(entry.nameText)));
}

SurfaceRoutineScope::~SurfaceRoutineScope() { surfaceExitRoutine(drawFlag_); }

}  // namespace surflib

// ---- Open and close -----------------------------------------------------------------------

void SURF()
{
    SurfaceRoutineScope frame(SurfaceRoutineId::SURF);
    surfaceSetDefaults();
}

void SUREND()
{
    SurfaceRoutineScope frame(SurfaceRoutineId::SUREND);
    surfaceCloseKernelLibrary();
}

void krOpenSurf() { SURF(); }

void krCloseSurf() { SUREND(); }
