#include "Desktop.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace zq::e2e {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class XdotoolDesktop : public Desktop {
public:
    explicit XdotoolDesktop(std::string display) : display_(std::move(display)) {}

    std::vector<std::string> ProgramVariables() const override { return {"DISPLAY=" + display_}; }

    std::vector<std::string> VisibleWindows(pid_t pid, const std::string& titlePattern) override {
        return Lines(Xdotool("search --all --onlyvisible --pid " + std::to_string(pid) + " --name " +
                             ShellQuoted(titlePattern)));
    }
    void Activate(const std::string& window) override { Xdotool("windowactivate --sync " + window); }
    std::optional<Rect> Geometry(const std::string& window) override {
        Rect rect;
        for (const std::string& line : Lines(Xdotool("getwindowgeometry --shell " + window))) {
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            const std::string name = line.substr(0, equals);
            const int value = std::atoi(line.c_str() + equals + 1);
            if (name == "X") rect.left = value;
            if (name == "Y") rect.top = value;
            if (name == "WIDTH") rect.width = value;
            if (name == "HEIGHT") rect.height = value;
        }
        if (rect.width <= 0 || rect.height <= 0) return std::nullopt;
        return rect;
    }
    void Keys(const std::string& keys) override { Xdotool("key --clearmodifiers --delay 80 " + keys); }
    // xdotool's delay counts half per press, half per release.
    void Type(const std::string& text) override {
        Xdotool("type --clearmodifiers --delay 300 " + ShellQuoted(text));
    }

private:
    std::string Xdotool(const std::string& arguments) {
        return CommandOutput("DISPLAY=" + ShellQuoted(display_) + " xdotool " + arguments + " 2>/dev/null")
            .value_or("");
    }

    std::string display_;
};

}  // namespace

std::unique_ptr<Desktop> X11Desktop(std::string display) {
    return std::make_unique<XdotoolDesktop>(std::move(display));
}

std::optional<std::string> CommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return std::nullopt;
    std::string output;
    char buffer[4096];
    for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) output.append(buffer, read);
    if (pclose(pipe.release()) != 0) return std::nullopt;
    return output;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

}  // namespace zq::e2e
