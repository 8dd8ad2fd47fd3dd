// zq-course make LAYOUT[(VARIANT)] FOLDER [--dictionary FILE | --no-dictionary]
//                [--force] [--template-text]
// Exit status: 0 made, 3 the layout's letters fit no Windows code page (its
// language has none, or the page lacks letters the language writes), 1 any
// other failure, 2 wrong arguments.

#include <iostream>
#include <optional>

#include "Commands.h"
#include "course/CourseMaker.h"
#include "templates/ui/KeyCapPainter.h"

namespace zq {
namespace {

constexpr int kMade = 0, kFailed = 1, kNoCodePage = 3;

struct Options {
    CourseRequest request;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    std::vector<std::string> positional;
    bool noDictionary = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--dictionary" && i + 1 < args.size()) {
            options.request.dictionary = DictionaryAt(args[++i]);
        } else if (args[i] == "--no-dictionary") {
            noDictionary = true;
        } else if (args[i] == "--force") {
            options.request.replace = true;
        } else if (args[i] == "--template-text") {
            options.request.templateAsText = true;
        } else if (args[i].starts_with("--")) {
            return std::nullopt;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || (noDictionary && options.request.dictionary)) return std::nullopt;
    options.request.layout = positional[0];
    options.request.folder = positional[1];
    options.request.useDictionary = !noDictionary;
    return options;
}

}  // namespace

int RunMake(const std::vector<std::string>& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) return ShowUsage();
    KeyCapPainter painter;
    CourseMaker maker(ReadLayoutRegistry(), painter);
    try {
        const CourseReport report = maker.Make(options->request);
        for (const std::string& note : report.notes) std::cerr << "zq-course make: " << note << "\n";
        if (report.outcome == CourseOutcome::NoCodePage) return kNoCodePage;
        const CourseInfo& info = report.info;
        std::cout << "Made " << options->request.folder << " for " << info.description << " (" << info.layout
                  << "): language " << info.language << ", code page " << info.codePage << ", "
                  << report.courseLines << " course lines, " << report.practiceLines << " sentences, "
                  << report.gameGroups << " word groups\n";
        if (!info.dictionary.empty())
            std::cout << "Words from " << info.dictionary
                      << (info.dictionaryPackage.empty()
                              ? ""
                              : " (" + info.dictionaryPackage + ", " + info.licence + ")")
                      << "\n";
        return kMade;
    } catch (const CourseMakingError& error) {
        std::cerr << "zq-course make: " << error.what() << "\n";
        return kFailed;
    }
}

}  // namespace zq
