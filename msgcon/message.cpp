// message.cpp - what one message becomes: its line, its category and code, the item data
// kept with the line, whether it raises a message box, and where it is routed.
#include <cstdio>

#include "state.h"

namespace msgcon {

std::string intCharStringToBytes(const int* chars, int length)
{
    std::string bytes;
    if (chars == nullptr || length < 1) return bytes;
    bytes.resize(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i)
        bytes[static_cast<std::size_t>(i)] =
            static_cast<char>(static_cast<unsigned>(chars[i]) & 0xFFu);
    return bytes;
}

// A title holding the marker asks for the bare text.
std::string composeLine(const std::string& title, const std::string& text, int type)
{
    if (title.find("XXXXXX") != std::string::npos) return text;
    return title + (type == -1 ? " : " : " caused ") + text;
}

bool needsMessageBox(const std::string& text, int type)
{
    return type == 4 || text.find("***") != std::string::npos;
}

// Number bands: each gives a category and how the code is taken from the type.
namespace {
struct Band {
    long long low, high;  // inclusive
    int category;
    bool keepsCode;  // code = type - low (or type itself below 500)
};
const Band bands[] = {
    {500, 999, 1, true},   {1000, 1499, 2, true}, {1500, 1599, 0, false},
    {1600, 1999, 3, true}, {2000, 2999, 0, true}, {3000, 2147483647LL, 0, false},
};
}  // namespace

MessageCategory categoriseMessage(int type)
{
    if (type < 500) return {0, type};
    for (const Band& b : bands)
        if (type >= b.low && type <= b.high)
            return {b.category, b.keepsCode ? type - static_cast<int>(b.low) : 0};
    return {0, 0};
}

std::uint32_t listItemData(bool messageBox, const MessageCategory& c)
{
    std::uint32_t high = (static_cast<std::uint32_t>(messageBox ? 1 : 0) << 8) |
        static_cast<std::uint32_t>(c.category);
    return (high << 16) | (static_cast<std::uint32_t>(c.code) & 0xFFFFu);
}

bool routesToConsole(int a, int b) { return a == b || b <= 2; }

int showModeFor(int b)
{
    if (b == 1) return ShowModeMinimised;
    if (b == 2) return ShowModeHidden;
    return ShowModeNormal;
}

void noticeLostLine(const std::string& reason, const std::string& line)
{
    std::string out = reason + ": " + displayText(line) + "\n";
    std::fwrite(out.data(), 1, out.size(), stderr);
    std::fflush(stderr);
}

}  // namespace msgcon
