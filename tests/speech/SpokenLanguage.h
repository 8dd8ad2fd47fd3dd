#pragma once

// Runs a test in one language of the program's catalogues (as the build
// compiles them into the program folder), and puts the untranslated texts
// back afterwards.

#include <string>

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq::testing {

class SpokenLanguage {
public:
    explicit SpokenLanguage(const std::string& language) { SetupTranslation(kLocaleDir, language); }
    ~SpokenLanguage() {
        SetupTranslation(kLocaleDir, "C");
        SetSystemCodePage(1252);
    }
    SpokenLanguage(const SpokenLanguage&) = delete;
    SpokenLanguage& operator=(const SpokenLanguage&) = delete;

private:
    static constexpr const char* kLocaleDir = ZQ_BINARY_DIR "/program/locale";
};

}  // namespace zq::testing
