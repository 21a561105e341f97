// msgcon_example.cpp - sends a few messages to the message console.  The first ones go to the
// console window (echoed to standard error when there is no display): a plain error, a
// warning, a bare text and a severe message that also raises a message box.  Then the
// routing changes to the error log, written beside this program as msgcon_example.ERR.
#include <string>
#include <vector>

#include "tmsgcon.h"

namespace {

std::vector<int> intChars(const std::string& s)
{
    std::vector<int> v;
    for (unsigned char c : s) v.push_back(c);
    return v;
}

void send(const std::string& title, const std::string& text, int type)
{
    std::vector<int> t = intChars(title), x = intChars(text);
    int lt = static_cast<int>(t.size()), lx = static_cast<int>(x.size());
    errormessage_(t.data(), x.data(), &lt, &lx, &type);
}

}  // namespace

int main()
{
    int a = 0, b = 0;
    registerconsole_(&a, &b);
    send("kpPlotGraph(GRAPH)", "Number of points is less than 1", 515);
    send("AXISCA", "Interval count replaced by the default", -1);
    send("XXXXXX", "Data file opened", 0);
    send("MENU", "*** Program Abort: no master window", 1626);

    int flags = 16 | 1;  // show it, on top
    showconsole_(&flags);
    clearconsole_();

    a = 1;
    b = 3;  // from now on to the error log
    registerconsole_(&a, &b);
    send("DFT", "Too many samples (at most 9999)", 2001);
    send("DFT", "Analysis skipped", 2002);
    return destroyconsole_() == 1 ? 0 : 1;
}
