// routine_table.h - every legacy routine of the library with the name text it registers with
// the kernel and its draw flag (1: the frame saves and restores the caller's kernel drawing
// state around it).  Routines are added to the library by adding code only: their rows are
// all here.
#ifndef SURFLIB_FRAME_ROUTINE_TABLE_H
#define SURFLIB_FRAME_ROUTINE_TABLE_H

namespace surflib {

enum class SurfaceRoutineId {
    // open and close, contour maps, settings, overlays, gridding
    SURF,
    SUREND,
    ADDCON,
    DRACON,
    FILCON,
    ADDFIL,
    RANGRD,
    FUNGRD,
    CIRPTS,
    CONANN,
    LEVELS,
    CONDEF,
    RANINT,
    RANPTS,
    CONBND,
    CONLIN,
    CONFRA,
    CONSWI,
    CONSCA,
    TITSTR,
    SURMOD,
    LINCON,
    CONGRD,
    CONSPA,
    SPACON,
    CONHGT,
    CRSSEC,
    CONPTS,
    CRSFRA,
    CRSBND,
    ANNSTR,
    RANCON,
    FUNCON,
    GRDCON,
    // triangulated networks
    ADTCON,
    TRISET,
    DRATRI,
    FILTRI,
    ADTFIL,
    RANTRI,
    TRIDER,
    TRIADD,
    TRIREG,
    TRIHGT,
    TRIBOU,
    TRINET,
    TRIGRD,
    TRIINT,
    TRISTP,
    // projected surfaces
    PRJBAS,
    HEIRAT,
    XYRAT,
    LINPRJ,
    PRJBND,
    PRJFRA,
    PRJGRD,
    PRJHGT,
    PRJHID,
    PRJLIN,
    PRJSCA,
    PRJSEC,
    PRJLEV,
    PERSPA,
    ANNDIG,
    PERPRO,
    PERPRJ,
    PERLI3,
    PERFIL,
    CONPER,
    COPPRJ,
    PERSET,
    PERAXE,
    PRJAXI,
    RANISO,
    RANPER,
    FUNISO,
    FUNPER,
    GRDISO,
    ISOPRJ,
    ISOFIL,
    GRDPER,
    PRJZAX,
    Count
};

constexpr int kSurfaceRoutineCount = static_cast<int>(SurfaceRoutineId::Count);

struct SurfaceRoutineEntry {
    const char* legacyName;
    const char* nameText;  // "longForm(LEGACY)", or the legacy name padded to six
    int drawFlag;
};

const SurfaceRoutineEntry& surfaceRoutineEntry(SurfaceRoutineId id);

}  // namespace surflib

#endif
