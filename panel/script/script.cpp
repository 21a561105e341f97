// script.cpp - runs driven by a script file instead of a user: each line is an action (what the
// next wait returns), an answer queued for the next modal question (file choice, print job), or
// a snapshot of the graphics frame.  A line that cannot be used is reported with its number and
// skipped; the end of the script closes the run (-1), so a program's loop always ends.
#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "frames/bitmap.h"
#include "state.h"

namespace tpanel {

namespace {

namespace fs = std::filesystem;

std::string trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// A file written by a script line holds one format; a name whose extension says another (a
// snapshot, PNG, into s.pdf) would mislead whoever opens it, so it is refused.  No extension,
// or the format's own in any case, is taken.
bool extensionFits(const std::string& file, const std::string& own)
{
    std::string extension = fs::path(file).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension.empty() || extension == own;
}

// A comment starts with # at the beginning of the line or after a blank.
std::string withoutComment(const std::string& line)
{
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    return line;
}

class ScriptBackend : public Backend {
public:
    explicit ScriptBackend(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    Action nextAction() override
    {
        while (next_ < lines_.size()) {
            lineNumber_ = next_ + 1;
            const std::string line = trim(withoutComment(lines_[next_++]));
            if (line.empty()) continue;
            Action action;
            if (perform(line, action)) return action;
        }
        return Action{};
    }

    BrowseAnswer browse(const std::string&, const std::string&, const std::string&) override
    {
        if (browseAnswers_.empty()) {
            tell("browse: no answer in the script; taken as cancelled.");
            return {};
        }
        BrowseAnswer a = browseAnswers_.front();
        browseAnswers_.pop_front();
        return a;
    }

    void messageBox(const std::string& title, const std::string& text) override
    {
        tell("message box \"" + title + "\": " + text);
    }

    PrintAnswer print() override
    {
        if (printAnswers_.empty()) {
            tell("print: no answer in the script; the print request fails.");
            return {};
        }
        PrintAnswer a = printAnswers_.front();
        printAnswers_.pop_front();
        return a;
    }

private:
    void reject(const std::string& line, const std::string& why)
    {
        tell("script line " + std::to_string(lineNumber_) + ": " + why + ": " + line);
    }

    std::string resolve(const std::string& path) const
    {
        fs::path p(path);
        if (p.is_relative()) p = fs::path(panel().startDir) / p;
        return p.lexically_normal().string();
    }

    // Carries out one line; true when it is an action for the program.
    bool perform(const std::string& line, Action& action)
    {
        std::istringstream in(line);
        std::string word;
        in >> word;
        std::string rest;
        std::getline(in, rest);
        rest = trim(rest);
        if (word == "menu") return menu(line, rest, action);
        if (word == "button") return button(line, rest, action);
        if (word == "resize") return resize(line, rest, action);
        if (word == "exit" && rest.empty()) {
            action = Action{};
            return true;
        }
        if (word == "browse") browseLine(line, rest);
        else if (word == "print" && (rest == "ok" || rest == "fail")) queuePrint(rest == "ok");
        else if (word == "print-to" && !rest.empty()) printTo(line, rest);
        else if (word == "snapshot" && !rest.empty()) snapshot(line, rest);
        else reject(line, "not an action");
        return false;
    }

    bool menu(const std::string& line, const std::string& path, Action& action)
    {
        const auto slash = path.find('/');
        const int item = slash == std::string::npos
            ? 0
            : findMenuItem(trim(path.substr(0, slash)), trim(path.substr(slash + 1)));
        if (item == 0) {
            reject(line, "no such menu item");
            return false;
        }
        const Widget* w = widget(item);
        action = {w->hasCallback ? w->callback : 0, item, 0};
        return true;
    }

    bool button(const std::string& line, const std::string& label, Action& action)
    {
        auto& all = panel().widgets;
        for (std::size_t id = 1; id < all.size(); ++id) {
            const Widget& w = all[id];
            if (w.type == kTypeButton && w.shown && trim(w.text) == label) {
                action = {w.hasCallback ? w.callback : 0, static_cast<int>(id), 0};
                return true;
            }
        }
        reject(line, "no button of that label is shown");
        return false;
    }

    bool resize(const std::string& line, const std::string& size, Action& action)
    {
        std::istringstream in(size);
        int columns = 0, rows = 0;
        std::string extra;
        const bool sized = (in >> columns >> rows) && !(in >> extra) && columns >= 1 && rows >= 1 &&
            columns <= 400 && rows <= 400;
        if (sized) action = masterResized(columns, rows);
        if (!sized || action.widget != 1) {
            reject(line, "needs a master window and a size of 1..400 columns and rows");
            return false;
        }
        return true;
    }

    void browseLine(const std::string& line, const std::string& path)
    {
        if (path.empty()) {
            browseAnswers_.push_back(BrowseAnswer{});
            return;
        }
        const fs::path p(resolve(path));
        if (!p.has_filename()) {
            reject(line, "names no file");
            return;
        }
        browseAnswers_.push_back({false, p.parent_path().string(), p.filename().string()});
    }

    // A print answer takes the file named by the print-to line before it, or print-N.pdf.
    void queuePrint(bool ok)
    {
        ++printCount_;
        const std::string file =
            printTo_.empty() ? resolve("print-" + std::to_string(printCount_) + ".pdf") : printTo_;
        printAnswers_.push_back({ok, file});
        printTo_.clear();
    }

    void printTo(const std::string& line, const std::string& file)
    {
        if (!extensionFits(file, ".pdf"))
            reject(line, "a print job writes a PDF file: name it .pdf or without an extension");
        else printTo_ = resolve(file);
    }

    void snapshot(const std::string& line, const std::string& file)
    {
        if (!extensionFits(file, ".png")) {
            reject(line, "a snapshot writes a PNG file: name it .png or without an extension");
            return;
        }
        const int frame = firstFrame();
        if (frame == 0 || !writeFramePng(frame, resolve(file)))
            reject(line, frame == 0 ? "there is no graphics frame" : "cannot write the picture");
    }

    std::vector<std::string> lines_;
    std::size_t next_ = 0, lineNumber_ = 0;
    std::deque<BrowseAnswer> browseAnswers_;
    std::deque<PrintAnswer> printAnswers_;
    std::string printTo_;
    int printCount_ = 0;
};

}  // namespace

std::unique_ptr<Backend> makeScriptBackend(const std::string& path)
{
    std::ifstream in(path);
    if (!in) return nullptr;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return std::make_unique<ScriptBackend>(std::move(lines));
}

}  // namespace tpanel
