#include "app/TSettings.h"

#include "base/IniFile.h"

namespace zq {
namespace {

constexpr const char* kSection = "General";

}  // namespace

TSettings* GlobalSettings = nullptr;

TSettings::TSettings(ProgramPaths paths) : paths_(std::move(paths)) {}

TSettings::TSettings(const std::string& appDir) : TSettings(ProgramPaths(appDir)) {}

bool TSettings::Load() {
    const IniFile ini(IniPath());
    User = ini.ReadString(kSection, "User", "Default");
    ToRestoreLayout = ini.ReadBool(kSection, "ToRestoreLayout", true);
    FontName = ini.ReadString(kSection, "FontName", "Arial");
    FontCharset = ini.ReadInteger(kSection, "FontCharset", 1);
    return true;
}

void TSettings::Save() {
    IniFile ini(IniPath());
    ini.WriteValues(kSection, {{"User", User},
                               {"ToRestoreLayout", ToRestoreLayout ? "1" : "0"},
                               {"FontName", FontName},
                               {"FontCharset", std::to_string(FontCharset)}});
}

}  // namespace zq
