#include "FromXkb.h"

#include <iostream>

namespace zq {

int RunFromXkb(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::cerr << "usage: zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]\n";
        return 2;
    }
    std::cerr << "from-xkb: not available yet\n";
    return 1;
}

}  // namespace zq
