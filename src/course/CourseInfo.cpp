#include "course/CourseInfo.h"

namespace zq {

std::string CourseIniText(const CourseInfo& info) {
    std::string text =
        "; Made by zq-course from the keyboard layout and a dictionary of the system.\n"
        "; Language and CodePage tell the program how to read the course's texts.\n"
        "[Course]\n";
    text += "Language=" + info.language + "\n";
    text += "CodePage=" + std::to_string(info.codePage) + "\n";
    text += "Layout=" + info.layout + "\n";
    text += "Description=" + info.description + "\n";
    text += "Dictionary=" + (info.dictionary.empty() ? std::string("none") : info.dictionary) + "\n";
    if (!info.dictionary.empty()) {
        text += "DictionaryPackage=" +
                (info.dictionaryPackage.empty() ? std::string("unknown") : info.dictionaryPackage) + "\n";
        text += "Licence=" + (info.licence.empty() ? std::string("unknown") : info.licence) + "\n";
    }
    return text;
}

}  // namespace zq
