// pen_replay.h - replays the pen moves and lines of a kernel call log, so that tests can check
// where lines were drawn rather than how the path was written.
#ifndef TESTS_PLOTLIB_AXES_PEN_REPLAY_H
#define TESTS_PLOTLIB_AXES_PEN_REPLAY_H

#include <sstream>
#include <string>
#include <vector>

struct Segment {
    float x0, y0, x1, y1;
};

// The lines drawn by kernelDrawLineBy / kernelDrawLineTo, with the current point kept through
// kernelMovePen, kernelMovePenBy and kernelSetTextPosition.
inline std::vector<Segment> replayLines(const std::vector<std::string>& log)
{
    std::vector<Segment> out;
    float x = 0.0f, y = 0.0f;
    for (const std::string& line : log) {
        std::istringstream in(line);
        std::string op;
        float a = 0.0f, b = 0.0f;
        in >> op >> a >> b;
        if (op == "kernelMovePen" || op == "kernelSetTextPosition") {
            x = a, y = b;
        } else if (op == "kernelMovePenBy") {
            x += a, y += b;
        } else if (op == "kernelDrawLineBy") {
            out.push_back({x, y, x + a, y + b});
            x += a, y += b;
        } else if (op == "kernelDrawLineTo") {
            out.push_back({x, y, a, b});
            x = a, y = b;
        }
    }
    return out;
}

// Calls of the log that draw or place something (pen, lines, texts, markers, numbers), in
// order: what a reader of the picture sees, without the frame's enquiries and restores.
inline std::vector<std::string> drawingCalls(const std::vector<std::string>& log)
{
    static const char* const kinds[] = {"kernelMovePen ",           "kernelMovePenBy ",
                                        "kernelDrawLineBy ",        "kernelDrawLineTo ",
                                        "kernelDrawText ",          "kernelDrawMarker ",
                                        "kernelDrawIntegerNumber ", "kernelSetTextPosition "};
    std::vector<std::string> out;
    for (const std::string& line : log) {
        for (const char* k : kinds) {
            if (line.rfind(k, 0) == 0) {
                out.push_back(line);
                break;
            }
        }
    }
    return out;
}

// Texts drawn, in order.
inline std::vector<std::string> drawnTexts(const std::vector<std::string>& log)
{
    std::vector<std::string> out;
    for (const std::string& line : log) {
        if (line.rfind("kernelDrawText \"", 0) == 0) {
            out.push_back(line.substr(16, line.size() - 17));
        }
    }
    return out;
}

#endif
