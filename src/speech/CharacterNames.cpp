#include "speech/CharacterNames.h"

#include <algorithm>
#include <iterator>

#include "base/Translation.h"
#include "base/Utf8Char.h"
#include "speech/LetterAccents.h"

namespace zq {
namespace {

struct NamedCharacter {
    char32_t character;
    const char* name;
};

// Punctuation and symbols of the code pages the program reads, in the order
// of their codes.
constexpr NamedCharacter kNamedCharacters[] = {
    {U'\t', N_("tab")},
    {U'\n', N_("Enter")},
    {U'\r', N_("Enter")},
    {U' ', N_("space")},
    {U'!', N_("exclamation mark")},
    {U'"', N_("quotation mark")},
    {U'#', N_("number sign")},
    {U'$', N_("dollar sign")},
    {U'%', N_("percent sign")},
    {U'&', N_("ampersand")},
    {U'\'', N_("apostrophe")},
    {U'(', N_("left parenthesis")},
    {U')', N_("right parenthesis")},
    {U'*', N_("asterisk")},
    {U'+', N_("plus sign")},
    {U',', N_("comma")},
    {U'-', N_("hyphen")},
    {U'.', N_("period")},
    {U'/', N_("slash")},
    {U':', N_("colon")},
    {U';', N_("semicolon")},
    {U'<', N_("less-than sign")},
    {U'=', N_("equals sign")},
    {U'>', N_("greater-than sign")},
    {U'?', N_("question mark")},
    {U'@', N_("at sign")},
    {U'[', N_("left bracket")},
    {U'\\', N_("backslash")},
    {U']', N_("right bracket")},
    {U'^', N_("caret")},
    {U'_', N_("underscore")},
    {U'`', N_("grave accent")},
    {U'{', N_("left brace")},
    {U'|', N_("vertical bar")},
    {U'}', N_("right brace")},
    {U'~', N_("tilde")},
    {U'\u00A0', N_("no-break space")},
    {U'¡', N_("inverted exclamation mark")},
    {U'¢', N_("cent sign")},
    {U'£', N_("pound sign")},
    {U'¤', N_("currency sign")},
    {U'¥', N_("yen sign")},
    {U'¦', N_("broken bar")},
    {U'§', N_("section sign")},
    {U'¨', N_("diaeresis")},
    {U'©', N_("copyright sign")},
    {U'ª', N_("feminine ordinal indicator")},
    {U'«', N_("left guillemet")},
    {U'¬', N_("not sign")},
    {U'®', N_("registered sign")},
    {U'¯', N_("macron")},
    {U'°', N_("degree sign")},
    {U'±', N_("plus-minus sign")},
    {U'²', N_("superscript two")},
    {U'³', N_("superscript three")},
    {U'´', N_("acute accent")},
    {U'µ', N_("micro sign")},
    {U'¶', N_("pilcrow")},
    {U'·', N_("middle dot")},
    {U'¸', N_("cedilla")},
    {U'¹', N_("superscript one")},
    {U'º', N_("masculine ordinal indicator")},
    {U'»', N_("right guillemet")},
    {U'¼', N_("one quarter")},
    {U'½', N_("one half")},
    {U'¾', N_("three quarters")},
    {U'¿', N_("inverted question mark")},
    {U'×', N_("multiplication sign")},
    {U'÷', N_("division sign")},
    {U'–', N_("en dash")},
    {U'—', N_("em dash")},
    {U'‘', N_("left single quotation mark")},
    {U'’', N_("right single quotation mark")},
    {U'‚', N_("single low quotation mark")},
    {U'“', N_("left double quotation mark")},
    {U'”', N_("right double quotation mark")},
    {U'„', N_("double low quotation mark")},
    {U'†', N_("dagger")},
    {U'‡', N_("double dagger")},
    {U'•', N_("bullet")},
    {U'…', N_("ellipsis")},
    {U'‰', N_("per mille sign")},
    {U'‹', N_("left single guillemet")},
    {U'›', N_("right single guillemet")},
    {U'€', N_("euro sign")},
    {U'™', N_("trade mark sign")},
};

// Letters that are neither a plain letter nor one with an accent; their
// capitals are named as "capital" and the small letter's name.
struct NamedLetter {
    char32_t small;
    char32_t capital;  // 0: none in the code pages
    const char* name;
};

constexpr NamedLetter kNamedLetters[] = {
    {U'ß', 0, N_("sharp s")},  {U'æ', U'Æ', N_("ae ligature")}, {U'ð', U'Ð', N_("eth")},
    {U'þ', U'Þ', N_("thorn")}, {U'ı', 0, N_("dotless i")},      {U'œ', U'Œ', N_("oe ligature")},
};

// The name of an accent, with %s for the plain letter.
const char* AccentFormat(Accent accent) {
    switch (accent) {
        case Accent::Grave:
            return Tr("%s grave");
        case Accent::Acute:
            return Tr("%s acute");
        case Accent::Circumflex:
            return Tr("%s circumflex");
        case Accent::Tilde:
            return Tr("%s tilde");
        case Accent::Macron:
            return Tr("%s macron");
        case Accent::Breve:
            return Tr("%s breve");
        case Accent::DotAbove:
            return Tr("%s dot above");
        case Accent::Diaeresis:
            return Tr("%s diaeresis");
        case Accent::Ring:
            return Tr("%s ring");
        case Accent::DoubleAcute:
            return Tr("%s double acute");
        case Accent::Caron:
            return Tr("%s caron");
        case Accent::Cedilla:
            return Tr("%s cedilla");
        case Accent::Ogonek:
            return Tr("%s ogonek");
        case Accent::CommaBelow:
            return Tr("%s comma below");
        case Accent::Horn:
            return Tr("%s horn");
        case Accent::Stroke:
            return Tr("%s stroke");
    }
    return "%s";
}

std::string Capital(const std::string& name) {
    return Format(Tr("capital %s"), {name});
}

bool IsAsciiCapital(char32_t ch) {
    return ch >= U'A' && ch <= U'Z';
}

}  // namespace

std::string SpokenCharacterName(char32_t character) {
    const auto named =
        std::find_if(std::begin(kNamedCharacters), std::end(kNamedCharacters),
                     [character](const NamedCharacter& entry) { return entry.character == character; });
    if (named != std::end(kNamedCharacters)) return Tr(named->name);
    if (character < U' ') return {};
    if (IsAsciiCapital(character)) return Capital(std::string(1, static_cast<char>(character)));

    if (const std::optional<LetterParts> parts = PartsOfLetter(character)) {
        const std::string accented = Format(AccentFormat(parts->accent), {std::string(1, parts->base)});
        return IsAsciiCapital(static_cast<char32_t>(parts->base)) ? Capital(accented) : accented;
    }
    for (const NamedLetter& letter : kNamedLetters) {
        if (character == letter.small) return Tr(letter.name);
        if (character == letter.capital) return Capital(Tr(letter.name));
    }
    return Utf8OfChar(character);
}

}  // namespace zq
