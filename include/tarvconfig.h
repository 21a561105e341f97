// tarvconfig.h - the release of the libraries and the marker of what they export.
//
// Every public header includes this one.  The libraries are built with hidden visibility, so
// that only what is declared between TARV_API_BEGIN and TARV_API_END is exported: what the
// public headers declare, and five kernel routines that the toolkit and the surface library call
// (tarv::linkRasterTarget, linkPageTarget, linkFlushHook, beginTiledFills, endTiledFills; in no
// installed header).  The other routines, tables and state blocks of each library stay private.
#ifndef TARVCONFIG_H
#define TARVCONFIG_H

#define TARV_VERSION_MAJOR 1
#define TARV_VERSION_MINOR 0
#define TARV_VERSION_PATCH 0
#define TARV_VERSION_STRING "1.0.0"
// One number for comparisons: TARV_VERSION >= TARV_MAKE_VERSION(1, 0, 0).
#define TARV_MAKE_VERSION(major, minor, patch) ((major)*10000 + (minor)*100 + (patch))
#define TARV_VERSION TARV_MAKE_VERSION(TARV_VERSION_MAJOR, TARV_VERSION_MINOR, TARV_VERSION_PATCH)

// Declarations between the two markers are exported from the shared libraries (and seen as
// such by the programs that call them).
#if defined(__GNUC__) || defined(__clang__)
#define TARV_API_BEGIN _Pragma("GCC visibility push(default)")
#define TARV_API_END _Pragma("GCC visibility pop")
#else
#define TARV_API_BEGIN
#define TARV_API_END
#endif

#endif
