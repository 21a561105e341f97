// codes.h - what the long forms share: pen pairs turned into pen and fill codes, and the
// translation of symbolic codes to legacy values through small tables.
#ifndef SURFLIB_LONGFORM_CODES_H
#define SURFLIB_LONGFORM_CODES_H

namespace surflib {

struct SurfaceCodeRow {
    int code;
    int legacy;
};

// The legacy value of code in rows; a code in no row passes unchanged.
template <int N> int surfaceTranslateCode(const SurfaceCodeRow (&rows)[N], int code)
{
    for (const SurfaceCodeRow& row : rows) {
        if (row.code == code) return row.legacy;
    }
    return code;
}

// Rule A: a < 0 -> -1 (not drawn); a = 0 -> b; a > 0, b = 0 -> a + 1000 (line style or fill
// pattern a); a > 0, b > 0 -> b + 2000 (kernel pen b); a > 0, b < 0 fits no row -> -1.
int surfacePenPairRuleA(int a, int b);
// Rule B: as rule A with the two upper rows exchanged: a > 0, b = 0 -> a + 2000;
// a > 0, b > 0 -> b + 1000.
int surfacePenPairRuleB(int a, int b);

}  // namespace surflib

#endif
