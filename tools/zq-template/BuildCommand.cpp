// zq-template build DESCRIPTION OUT.zqt: makes a keyboard template from its
// plain-text description, drawing every key picture from its label.

#include <iostream>
#include <stdexcept>

#include "Commands.h"
#include "base/LibraryError.h"
#include "base/TextFile.h"
#include "templates/Description.h"
#include "templates/TemplateBuild.h"
#include "templates/ui/KeyCapPainter.h"

namespace zq {

namespace {

int Fail(const std::string& message) {
    std::cerr << "zq-template build: " << message << "\n";
    return 1;
}

}  // namespace

int RunBuild(const std::vector<std::string>& args) {
    if (args.size() != 2) return ShowUsage();
    const std::string& descriptionPath = args[0];
    std::string text;
    try {
        text = ReadFileBytes(descriptionPath);
    } catch (const LibraryError& error) {
        return Fail(error.what());
    }
    const DescriptionResult parsed = ParseDescription(text);
    if (!parsed.description) {
        return Fail(descriptionPath + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error);
    }
    KeyCapPainter painter;
    try {
        BuildTemplate(*parsed.description, args[1], painter, [](const std::string& warning) {
            std::cerr << "zq-template build: warning: " << warning << "\n";
        });
    } catch (const std::runtime_error& error) {
        return Fail(error.what());
    }
    return 0;
}

}  // namespace zq
