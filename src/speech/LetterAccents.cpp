#include "speech/LetterAccents.h"

#include <algorithm>
#include <array>

namespace zq {
namespace {

struct AccentedLetter {
    char32_t letter;
    char base;
    Accent accent;
};

// The Latin letters of the code pages the program reads (Latin-1, Latin
// Extended-A, and the few of Latin Extended-B that Romanian and Vietnamese
// use) that are a plain letter with one accent: Unicode's canonical
// decompositions of one base letter and one combining mark, and the letters
// with a stroke, which Unicode does not decompose. In the order of the
// letters' codes.
constexpr AccentedLetter kAccentedLetters[] = {
    {U'À', 'A', Accent::Grave},       {U'Á', 'A', Accent::Acute},       {U'Â', 'A', Accent::Circumflex},
    {U'Ã', 'A', Accent::Tilde},       {U'Ä', 'A', Accent::Diaeresis},   {U'Å', 'A', Accent::Ring},
    {U'Ç', 'C', Accent::Cedilla},     {U'È', 'E', Accent::Grave},       {U'É', 'E', Accent::Acute},
    {U'Ê', 'E', Accent::Circumflex},  {U'Ë', 'E', Accent::Diaeresis},   {U'Ì', 'I', Accent::Grave},
    {U'Í', 'I', Accent::Acute},       {U'Î', 'I', Accent::Circumflex},  {U'Ï', 'I', Accent::Diaeresis},
    {U'Ñ', 'N', Accent::Tilde},       {U'Ò', 'O', Accent::Grave},       {U'Ó', 'O', Accent::Acute},
    {U'Ô', 'O', Accent::Circumflex},  {U'Õ', 'O', Accent::Tilde},       {U'Ö', 'O', Accent::Diaeresis},
    {U'Ø', 'O', Accent::Stroke},      {U'Ù', 'U', Accent::Grave},       {U'Ú', 'U', Accent::Acute},
    {U'Û', 'U', Accent::Circumflex},  {U'Ü', 'U', Accent::Diaeresis},   {U'Ý', 'Y', Accent::Acute},
    {U'à', 'a', Accent::Grave},       {U'á', 'a', Accent::Acute},       {U'â', 'a', Accent::Circumflex},
    {U'ã', 'a', Accent::Tilde},       {U'ä', 'a', Accent::Diaeresis},   {U'å', 'a', Accent::Ring},
    {U'ç', 'c', Accent::Cedilla},     {U'è', 'e', Accent::Grave},       {U'é', 'e', Accent::Acute},
    {U'ê', 'e', Accent::Circumflex},  {U'ë', 'e', Accent::Diaeresis},   {U'ì', 'i', Accent::Grave},
    {U'í', 'i', Accent::Acute},       {U'î', 'i', Accent::Circumflex},  {U'ï', 'i', Accent::Diaeresis},
    {U'ñ', 'n', Accent::Tilde},       {U'ò', 'o', Accent::Grave},       {U'ó', 'o', Accent::Acute},
    {U'ô', 'o', Accent::Circumflex},  {U'õ', 'o', Accent::Tilde},       {U'ö', 'o', Accent::Diaeresis},
    {U'ø', 'o', Accent::Stroke},      {U'ù', 'u', Accent::Grave},       {U'ú', 'u', Accent::Acute},
    {U'û', 'u', Accent::Circumflex},  {U'ü', 'u', Accent::Diaeresis},   {U'ý', 'y', Accent::Acute},
    {U'ÿ', 'y', Accent::Diaeresis},   {U'Ā', 'A', Accent::Macron},      {U'ā', 'a', Accent::Macron},
    {U'Ă', 'A', Accent::Breve},       {U'ă', 'a', Accent::Breve},       {U'Ą', 'A', Accent::Ogonek},
    {U'ą', 'a', Accent::Ogonek},      {U'Ć', 'C', Accent::Acute},       {U'ć', 'c', Accent::Acute},
    {U'Ĉ', 'C', Accent::Circumflex},  {U'ĉ', 'c', Accent::Circumflex},  {U'Ċ', 'C', Accent::DotAbove},
    {U'ċ', 'c', Accent::DotAbove},    {U'Č', 'C', Accent::Caron},       {U'č', 'c', Accent::Caron},
    {U'Ď', 'D', Accent::Caron},       {U'ď', 'd', Accent::Caron},       {U'Đ', 'D', Accent::Stroke},
    {U'đ', 'd', Accent::Stroke},      {U'Ē', 'E', Accent::Macron},      {U'ē', 'e', Accent::Macron},
    {U'Ĕ', 'E', Accent::Breve},       {U'ĕ', 'e', Accent::Breve},       {U'Ė', 'E', Accent::DotAbove},
    {U'ė', 'e', Accent::DotAbove},    {U'Ę', 'E', Accent::Ogonek},      {U'ę', 'e', Accent::Ogonek},
    {U'Ě', 'E', Accent::Caron},       {U'ě', 'e', Accent::Caron},       {U'Ĝ', 'G', Accent::Circumflex},
    {U'ĝ', 'g', Accent::Circumflex},  {U'Ğ', 'G', Accent::Breve},       {U'ğ', 'g', Accent::Breve},
    {U'Ġ', 'G', Accent::DotAbove},    {U'ġ', 'g', Accent::DotAbove},    {U'Ģ', 'G', Accent::Cedilla},
    {U'ģ', 'g', Accent::Cedilla},     {U'Ĥ', 'H', Accent::Circumflex},  {U'ĥ', 'h', Accent::Circumflex},
    {U'Ħ', 'H', Accent::Stroke},      {U'ħ', 'h', Accent::Stroke},      {U'Ĩ', 'I', Accent::Tilde},
    {U'ĩ', 'i', Accent::Tilde},       {U'Ī', 'I', Accent::Macron},      {U'ī', 'i', Accent::Macron},
    {U'Ĭ', 'I', Accent::Breve},       {U'ĭ', 'i', Accent::Breve},       {U'Į', 'I', Accent::Ogonek},
    {U'į', 'i', Accent::Ogonek},      {U'İ', 'I', Accent::DotAbove},    {U'Ĵ', 'J', Accent::Circumflex},
    {U'ĵ', 'j', Accent::Circumflex},  {U'Ķ', 'K', Accent::Cedilla},     {U'ķ', 'k', Accent::Cedilla},
    {U'Ĺ', 'L', Accent::Acute},       {U'ĺ', 'l', Accent::Acute},       {U'Ļ', 'L', Accent::Cedilla},
    {U'ļ', 'l', Accent::Cedilla},     {U'Ľ', 'L', Accent::Caron},       {U'ľ', 'l', Accent::Caron},
    {U'Ł', 'L', Accent::Stroke},      {U'ł', 'l', Accent::Stroke},      {U'Ń', 'N', Accent::Acute},
    {U'ń', 'n', Accent::Acute},       {U'Ņ', 'N', Accent::Cedilla},     {U'ņ', 'n', Accent::Cedilla},
    {U'Ň', 'N', Accent::Caron},       {U'ň', 'n', Accent::Caron},       {U'Ō', 'O', Accent::Macron},
    {U'ō', 'o', Accent::Macron},      {U'Ŏ', 'O', Accent::Breve},       {U'ŏ', 'o', Accent::Breve},
    {U'Ő', 'O', Accent::DoubleAcute}, {U'ő', 'o', Accent::DoubleAcute}, {U'Ŕ', 'R', Accent::Acute},
    {U'ŕ', 'r', Accent::Acute},       {U'Ŗ', 'R', Accent::Cedilla},     {U'ŗ', 'r', Accent::Cedilla},
    {U'Ř', 'R', Accent::Caron},       {U'ř', 'r', Accent::Caron},       {U'Ś', 'S', Accent::Acute},
    {U'ś', 's', Accent::Acute},       {U'Ŝ', 'S', Accent::Circumflex},  {U'ŝ', 's', Accent::Circumflex},
    {U'Ş', 'S', Accent::Cedilla},     {U'ş', 's', Accent::Cedilla},     {U'Š', 'S', Accent::Caron},
    {U'š', 's', Accent::Caron},       {U'Ţ', 'T', Accent::Cedilla},     {U'ţ', 't', Accent::Cedilla},
    {U'Ť', 'T', Accent::Caron},       {U'ť', 't', Accent::Caron},       {U'Ŧ', 'T', Accent::Stroke},
    {U'ŧ', 't', Accent::Stroke},      {U'Ũ', 'U', Accent::Tilde},       {U'ũ', 'u', Accent::Tilde},
    {U'Ū', 'U', Accent::Macron},      {U'ū', 'u', Accent::Macron},      {U'Ŭ', 'U', Accent::Breve},
    {U'ŭ', 'u', Accent::Breve},       {U'Ů', 'U', Accent::Ring},        {U'ů', 'u', Accent::Ring},
    {U'Ű', 'U', Accent::DoubleAcute}, {U'ű', 'u', Accent::DoubleAcute}, {U'Ų', 'U', Accent::Ogonek},
    {U'ų', 'u', Accent::Ogonek},      {U'Ŵ', 'W', Accent::Circumflex},  {U'ŵ', 'w', Accent::Circumflex},
    {U'Ŷ', 'Y', Accent::Circumflex},  {U'ŷ', 'y', Accent::Circumflex},  {U'Ÿ', 'Y', Accent::Diaeresis},
    {U'Ź', 'Z', Accent::Acute},       {U'ź', 'z', Accent::Acute},       {U'Ż', 'Z', Accent::DotAbove},
    {U'ż', 'z', Accent::DotAbove},    {U'Ž', 'Z', Accent::Caron},       {U'ž', 'z', Accent::Caron},
    {U'Ơ', 'O', Accent::Horn},        {U'ơ', 'o', Accent::Horn},        {U'Ư', 'U', Accent::Horn},
    {U'ư', 'u', Accent::Horn},        {U'Ș', 'S', Accent::CommaBelow},  {U'ș', 's', Accent::CommaBelow},
    {U'Ț', 'T', Accent::CommaBelow},  {U'ț', 't', Accent::CommaBelow},
};

}  // namespace

std::optional<LetterParts> PartsOfLetter(char32_t letter) {
    const auto* found =
        std::lower_bound(std::begin(kAccentedLetters), std::end(kAccentedLetters), letter,
                         [](const AccentedLetter& entry, char32_t code) { return entry.letter < code; });
    if (found == std::end(kAccentedLetters) || found->letter != letter) return std::nullopt;
    return LetterParts{found->base, found->accent};
}

}  // namespace zq
