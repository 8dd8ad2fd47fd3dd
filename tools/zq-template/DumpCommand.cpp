// zq-template dump IN.zqt: prints the description of any keyboard template,
// so that building the printed description gives an equivalent template.

#include <iostream>

#include "Commands.h"
#include "templates/Description.h"
#include "templates/TemplateDump.h"
#include "templates/TemplateError.h"
#include "templates/ui/KeyCapPainter.h"

namespace zq {

int RunDump(const std::vector<std::string>& args) {
    if (args.size() != 1) return ShowUsage();
    KeyCapPainter painter;
    try {
        std::cout << FormatDescription(DescribeTemplate(args[0], painter));
    } catch (const TemplateError& error) {
        std::cerr << "zq-template dump: " << error.what() << "\n";
        return 1;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace zq
