#include "course/LanguageCodePages.h"

#include <algorithm>
#include <array>

#include "base/AsciiText.h"

namespace zq {
namespace {

struct LanguageEntry {
    std::string_view iso639_3;
    std::string_view iso639_1;  // empty when the language has none
    int codePage;
};

// The languages of the XKB registry whose letters a Windows ANSI code page
// holds. Languages that are written in several scripts are listed with the
// page of their usual script; a layout typing another script is given the
// page of its letters (see CourseLanguage).
constexpr LanguageEntry kLanguages[] = {
    {"tha", "th", 874},
    // Central European
    {"ces", "cs", 1250},
    {"slk", "sk", 1250},
    {"pol", "pl", 1250},
    {"hun", "hu", 1250},
    {"slv", "sl", 1250},
    {"hrv", "hr", 1250},
    {"bos", "bs", 1250},
    {"hbs", "sh", 1250},
    {"ron", "ro", 1250},
    {"sqi", "sq", 1250},
    {"hsb", "", 1250},
    {"dsb", "", 1250},
    {"tuk", "tk", 1250},
    {"csb", "", 1250},
    {"szl", "", 1250},
    // Cyrillic
    {"rus", "ru", 1251},
    {"ukr", "uk", 1251},
    {"bel", "be", 1251},
    {"bul", "bg", 1251},
    {"mkd", "mk", 1251},
    {"srp", "sr", 1251},
    {"kaz", "kk", 1251},
    {"kir", "ky", 1251},
    {"tat", "tt", 1251},
    {"bak", "ba", 1251},
    {"sah", "", 1251},
    {"mon", "mn", 1251},
    {"tgk", "tg", 1251},
    {"chv", "cv", 1251},
    {"udm", "", 1251},
    {"kom", "kv", 1251},
    {"xal", "", 1251},
    {"chm", "", 1251},
    {"rue", "", 1251},
    {"oss", "os", 1251},
    // Western European and other Latin scripts
    {"eng", "en", 1252},
    {"fra", "fr", 1252},
    {"deu", "de", 1252},
    {"spa", "es", 1252},
    {"por", "pt", 1252},
    {"ita", "it", 1252},
    {"nld", "nl", 1252},
    {"swe", "sv", 1252},
    {"nor", "no", 1252},
    {"nob", "nb", 1252},
    {"nno", "nn", 1252},
    {"dan", "da", 1252},
    {"fin", "fi", 1252},
    {"isl", "is", 1252},
    {"fao", "fo", 1252},
    {"cat", "ca", 1252},
    {"eus", "eu", 1252},
    {"glg", "gl", 1252},
    {"gle", "ga", 1252},
    {"gla", "gd", 1252},
    {"cym", "cy", 1252},
    {"bre", "br", 1252},
    {"oci", "oc", 1252},
    {"ltz", "lb", 1252},
    {"gsw", "", 1252},
    {"afr", "af", 1252},
    {"ind", "id", 1252},
    {"msa", "ms", 1252},
    {"swa", "sw", 1252},
    {"fil", "", 1252},
    {"tgl", "tl", 1252},
    {"ast", "", 1252},
    {"fur", "", 1252},
    {"srd", "sc", 1252},
    {"nap", "", 1252},
    {"scn", "", 1252},
    {"haw", "", 1252},
    {"mri", "mi", 1252},
    {"sme", "se", 1252},
    {"hau", "ha", 1252},
    {"yor", "yo", 1252},
    {"ibo", "ig", 1252},
    {"wol", "wo", 1252},
    {"tsn", "tn", 1252},
    {"kik", "ki", 1252},
    {"bam", "bm", 1252},
    {"aka", "ak", 1252},
    {"ewe", "ee", 1252},
    {"ful", "ff", 1252},
    {"gaa", "", 1252},
    {"ceb", "", 1252},
    {"hil", "", 1252},
    {"ilo", "", 1252},
    {"pam", "", 1252},
    {"pag", "", 1252},
    {"war", "", 1252},
    {"bik", "", 1252},
    {"jav", "jv", 1252},
    {"min", "", 1252},
    {"ace", "", 1252},
    {"bjn", "", 1252},
    {"ell", "el", 1253},
    {"tur", "tr", 1254},
    {"aze", "az", 1254},
    {"uzb", "uz", 1254},
    {"crh", "", 1254},
    {"gag", "", 1254},
    {"kur", "ku", 1254},
    {"heb", "he", 1255},
    {"yid", "yi", 1255},
    {"ara", "ar", 1256},
    {"fas", "fa", 1256},
    {"urd", "ur", 1256},
    {"uig", "ug", 1256},
    {"snd", "sd", 1256},
    {"pus", "ps", 1256},
    {"ary", "", 1256},
    {"prs", "", 1256},
    // The registry names Dari "drs" on the Afghan layouts.
    {"drs", "", 1256},
    {"lit", "lt", 1257},
    {"lav", "lv", 1257},
    {"est", "et", 1257},
    {"sgs", "", 1257},
    {"vie", "vi", 1258},
};

const LanguageEntry* FindLanguage(std::string_view language) {
    const std::string code = AsciiLower(language);
    const auto found =
        std::find_if(std::begin(kLanguages), std::end(kLanguages), [&](const LanguageEntry& entry) {
            return entry.iso639_3 == code || (!entry.iso639_1.empty() && entry.iso639_1 == code);
        });
    return found != std::end(kLanguages) ? found : nullptr;
}

}  // namespace

std::optional<int> LanguageCodePage(std::string_view language) {
    const LanguageEntry* entry = FindLanguage(language);
    if (!entry) return std::nullopt;
    return entry->codePage;
}

std::string ShortLanguageCode(std::string_view language) {
    const LanguageEntry* entry = FindLanguage(language);
    if (entry && !entry->iso639_1.empty()) return std::string(entry->iso639_1);
    return AsciiLower(language);
}

bool IsCourseCodePage(int codePage) {
    return codePage == 874 || (codePage >= 1250 && codePage <= 1258);
}

}  // namespace zq
