// longform_fixture.h - common ground of the long-form tests.
//
// The strongest check of a long form is that it does exactly what its legacy routine does
// when called with the converted values: SameAsLegacy runs a set-up and the long form in a
// fresh library, then the same set-up and the legacy call in another fresh library, and
// compares the kernel call logs, the reported (number, routine name) pairs and the library's
// state block afterwards.  It also checks that the long form's call registered the message
// text "longForm(LEGACY)", the long form's name taken from the symbol itself.
// Cases that need no set-up share an empty one; the data-set and chart cases draw on the
// library fixture's placeAxes.
#ifndef TESTS_PLOTLIB_LONGFORM_FIXTURE_H
#define TESTS_PLOTLIB_LONGFORM_FIXTURE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "frame/state.h"
#include "support/plot_fixture.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

// One comparison: the long form (named as exported) against its legacy call.
struct SameAsLegacyCase {
    std::string longForm;         // exported name of the long form
    std::string legacy;           // six-letter name it must register beside its own
    std::function<void()> setUp;  // run before either call (may be empty)
    std::function<void()> callLong;
    std::function<void()> callLegacy;
};

// The set-up of a case that needs none.
inline const std::function<void()> noSetUp;

// A case whose long form is written once: the name comes from the symbol.
#define LONG_FORM_CASE(fn, legacyName, setUp, longArgs, legacyCall)                                \
    SameAsLegacyCase                                                                               \
    {                                                                                              \
#fn, legacyName, setUp, [] { fn longArgs; }, [] { legacyCall; }                            \
    }

class LongFormTest : public PlotLibraryTest {
protected:
    struct Run {
        std::vector<std::string> log;
        std::vector<std::pair<int, std::string>> errors;
        std::vector<unsigned char> state;  // the state block, byte for byte
    };

    static Run run(const std::function<void()>& setUp, const std::function<void()>& call)
    {
        graphResetLibraryForTests();
        startLog();
        if (setUp) setUp();
        startLog();
        call();
        Run r;
        r.log = tarv::traceLines();
        for (const tarv::ErrorRecord& e : tarv::errorLog())
            r.errors.emplace_back(e.number, e.routine);
        // The remembered pair values are the long forms' own; the legacy run has none.
        GraphLibraryState& s = graphState;
        const auto pairs = std::to_array(s.work.longFormPair);
        std::memset(s.work.longFormPair, 0, sizeof s.work.longFormPair);
        r.state.resize(sizeof s);
        std::memcpy(r.state.data(), &s, sizeof s);
        std::copy(pairs.begin(), pairs.end(), s.work.longFormPair);
        tarv::traceCapture(false);
        return r;
    }

    static void expectSameAsLegacy(const SameAsLegacyCase& c)
    {
        SCOPED_TRACE(c.longForm + " against " + c.legacy);
        const Run viaLong = run(c.setUp, c.callLong);
        const Run viaLegacy = run(c.setUp, c.callLegacy);
        EXPECT_EQ(viaLong.log, viaLegacy.log);
        EXPECT_EQ(viaLong.errors, viaLegacy.errors);
        EXPECT_TRUE(viaLong.state == viaLegacy.state)
            << "the library's settings differ after the two calls";
        const std::string name = "kernelSetRoutineName 2 \"" + c.longForm + "(" + c.legacy + ")\"";
        bool named = false;
        for (const std::string& line : viaLong.log) named = named || line == name;
        EXPECT_TRUE(named) << "no line " << name;
    }
};

#endif
