// window/choice.cpp - which window layer a run gets, and what every layer shares: the
// program's own path and the conversion of a line's bytes for display.
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "window.h"
#include "window/memory.h"
#ifdef TMSGCON_WINDOW_GTK
#include "window/gtk.h"
#endif

namespace msgcon {

// A run on a display gets the console window; a scripted or headless run (or a build without
// GTK) keeps its console in memory.
const ConsoleWindowLayer* chooseWindowLayer()
{
#ifdef TMSGCON_WINDOW_GTK
    if (gtkWindowLayerUsable()) return &gtkWindowLayer;
#endif
    return &memoryWindowLayer;
}

// readlink gives no terminating zero and cuts silently at the buffer's size, so the buffer
// grows until the answer fits with room to spare.
std::string executablePath()
{
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return std::string();
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        if (buffer.size() >= (std::size_t{1} << 24)) return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

// Every byte is one ISO 8859-1 character; those from 128 up take two bytes in UTF-8.
std::string displayText(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

}  // namespace msgcon
