#include "course/LineMaker.h"

#include <algorithm>
#include <string_view>

#include "course/CourseKeyboard.h"
#include "course/CourseRandom.h"
#include "course/ReadableGroups.h"
#include "course/UnicodeText.h"
#include "course/Vocabulary.h"
#include "course/WordPool.h"

namespace zq {
namespace {

// Fewer distinct words than this and a lesson's word lines take made-up
// words too.
constexpr std::size_t kFewestWords = 8;
// Words of a lesson's lines are short; practice sentences may hold longer ones.
constexpr std::size_t kLongestDrillWord = 8;

constexpr std::u32string_view kEndMarks = U".,;:!?";
constexpr std::u32string_view kOpening = U"([{<\u00AB\u201E\u201C\u00BF\u00A1";
constexpr std::u32string_view kClosing = U")]}>\u00BB\u201D\u201C";
constexpr std::u32string_view kOpeners = U"([{<\u00AB\u201C\u201E";
// Marks that stand with numbers, some of them before the number.
constexpr std::u32string_view kWithNumbers = U"$\u20AC\u00A3\u00A5%#*^~`\u00A7\u00B0\u00AA\u00BA";
constexpr std::u32string_view kBeforeNumbers = U"$\u20AC\u00A3\u00A5#\u00A7";
constexpr std::u32string_view kQuotes = U"\"'`";

std::u32string Repeated(char32_t ch, std::size_t count) {
    return std::u32string(count, ch);
}

bool Contains(std::u32string_view text, char32_t ch) {
    return text.find(ch) != std::u32string_view::npos;
}

// The first words that fit a line with `reserve` characters to spare.
std::vector<std::u32string> FittingWords(const std::vector<std::u32string>& words, std::size_t reserve) {
    std::vector<std::u32string> fitted;
    std::size_t used = 0;
    for (const std::u32string& word : words) {
        const std::size_t length = used + (used ? 1 : 0) + word.size();
        if (length + reserve > LineMaker::kLongestLine) break;
        used = length;
        fitted.push_back(word);
    }
    return fitted;
}

}  // namespace

LineMaker::LineMaker(const CourseKeyboard& keyboard, const Vocabulary& vocabulary, const WordPool& pool,
                     CourseRandom& random)
    : keyboard_(keyboard), vocabulary_(vocabulary), pool_(pool), random_(random) {}

std::u32string LineMaker::JoinWhileFits(const std::vector<std::u32string>& tokens) {
    std::u32string line;
    for (const std::u32string& token : tokens) {
        if (token.empty()) continue;
        const std::size_t length = line.size() + (line.empty() ? 0 : 1) + token.size();
        if (length > kLongestLine) break;
        if (!line.empty()) line += U' ';
        line += token;
    }
    return line;
}

// A combining mark or a final form is drilled on a letter, as it is
// written: "ด่ ด่ ด่", not "่่่".
std::u32string LineMaker::Alone(std::size_t lesson, const std::u32string& fresh) const {
    std::vector<std::u32string> tokens;
    for (int round = 0; round < 2; ++round)
        for (const char32_t ch : fresh) tokens.push_back(Repeated(ch, 3));
    for (const char32_t ch : fresh) tokens.push_back(Repeated(ch, 2));
    if (fresh.size() == 2) {
        const char32_t a = fresh[0], b = fresh[1];
        for (const std::u32string& token :
             {std::u32string{a, b}, std::u32string{b, a}, std::u32string{a, b, a}, std::u32string{b, a, b},
              std::u32string{a, a, b, b}})
            tokens.push_back(token);
    } else {
        tokens.push_back(Repeated(fresh.front(), 1));
        tokens.push_back(Repeated(fresh.front(), 3));
    }
    return JoinWhileFits(Readable(tokens, Carrier(lesson, fresh)));
}

std::u32string LineMaker::AmongKnown(std::size_t lesson, const std::u32string& fresh) {
    std::u32string others;
    for (const char32_t ch : vocabulary_.LettersAfter(lesson))
        if (!Contains(fresh, ch)) others += ch;
    std::vector<std::u32string> tokens;
    tokens.reserve(16);
    for (int i = 0; i < 16; ++i) {
        const char32_t ch = fresh[static_cast<std::size_t>(i) % fresh.size()];
        const char32_t other =
            others.empty() ? fresh[random_.Below(fresh.size())] : others[random_.Below(others.size())];
        tokens.push_back(i % 2 == 0 ? std::u32string{ch, other, ch} : std::u32string{other, ch, other});
    }
    return JoinWhileFits(Readable(tokens, Carrier(lesson, fresh)));
}

// The letter that carries a mark or a final form drilled alone: a new one
// when the lesson brings one, else the first known.
char32_t LineMaker::Carrier(std::size_t lesson, const std::u32string& fresh) const {
    const auto carries = [](char32_t ch) { return IsBaseLetter(ch) && !IsFinalForm(ch) && !IsUpperCase(ch); };
    for (const std::u32string& from : {fresh, vocabulary_.LettersAfter(lesson)}) {
        const auto found = std::find_if(from.begin(), from.end(), carries);
        if (found != from.end()) return *found;
    }
    return 0;
}

std::vector<std::u32string> LineMaker::Readable(const std::vector<std::u32string>& tokens, char32_t carrier) {
    std::vector<std::u32string> groups;
    for (const std::u32string& token : tokens)
        for (std::u32string& group : ReadableGroups(token, carrier)) groups.push_back(std::move(group));
    return groups;
}

std::u32string LineMaker::Combinations(std::size_t lesson, const std::u32string& fresh) {
    const std::u32string letters = vocabulary_.LettersAfter(lesson);
    std::u32string wanted;
    for (const char32_t ch : fresh)
        if (Contains(letters, ch)) wanted += ch;
    std::vector<std::u32string> tokens;
    tokens.reserve(20);
    for (int i = 0; i < 20; ++i) tokens.push_back(pool_.MakeUpWord(letters, wanted, 5, random_));
    return JoinWhileFits(tokens);
}

std::u32string LineMaker::Words(std::size_t lesson, const std::u32string& fresh) {
    std::vector<std::u32string> fitting;
    for (const std::u32string* word : vocabulary_.NewWords(lesson))
        if (word->size() <= kLongestDrillWord) fitting.push_back(*word);
    std::vector<std::u32string> tokens;
    if (fitting.size() >= kFewestWords) {
        for (int i = 0; i < 20; ++i) tokens.push_back(random_.Pick(fitting));
    } else {
        const std::u32string letters = vocabulary_.LettersAfter(lesson);
        for (int i = 0; i < 20; ++i) {
            if (!fitting.empty() && random_.Chance(40)) {
                tokens.push_back(random_.Pick(fitting));
            } else if (vocabulary_.KnownWordCount(lesson) >= kFewestWords && random_.Chance(40)) {
                tokens.push_back(KnownWord(lesson, kLongestDrillWord));
            } else {
                tokens.push_back(pool_.MakeUpWord(letters, fresh, 6, random_));
            }
        }
    }
    // The same word twice in a row reads as a slip.
    tokens.erase(std::unique(tokens.begin(), tokens.end()), tokens.end());
    return JoinWhileFits(tokens);
}

std::u32string LineMaker::CapitalWords(std::size_t lesson, const std::u32string& capitals) {
    std::vector<std::u32string> tokens;
    for (int i = 0; i < 40 && tokens.size() < 12; ++i) {
        const std::u32string word = KnownWord(lesson, kLongestDrillWord);
        const char32_t capital = keyboard_.CapitalOf(word.front());
        if (Contains(capitals, capital) || (i > 30 && capital && vocabulary_.Knows(lesson, capital))) {
            std::u32string shown = word;
            shown.front() = capital;
            tokens.push_back(shown);
        } else if (i % 4 == 3) {
            tokens.push_back(word);
        }
    }
    return JoinWhileFits(tokens);
}

std::u32string LineMaker::CapitalPairs(const std::u32string& capitals) const {
    std::vector<std::u32string> tokens;
    for (int round = 0; round < 3; ++round)
        for (const char32_t capital : capitals) {
            for (const CharacterWay& way : keyboard_.Ways())
                if (keyboard_.CapitalOf(way.character) == capital) {
                    // A final form ends a word: "Lך", not "ךLך".
                    const bool between = round == 1 && !IsFinalForm(way.character);
                    tokens.push_back(between ? std::u32string{way.character, capital, way.character}
                                             : std::u32string{capital, way.character});
                    break;
                }
        }
    return JoinWhileFits(tokens);
}

std::u32string LineMaker::Number(std::size_t lesson, const std::u32string& fresh) {
    std::u32string digits;
    for (const char32_t ch : vocabulary_.KnownAfter(lesson))
        if (IsDigit(ch)) digits += ch;
    if (digits.empty()) return {};
    std::u32string number;
    const std::size_t length = 1 + random_.Below(4);
    for (std::size_t i = 0; i < length; ++i) number += digits[random_.Below(digits.size())];
    if (!fresh.empty() &&
        std::none_of(number.begin(), number.end(), [&](char32_t ch) { return Contains(fresh, ch); }))
        number[random_.Below(number.size())] = fresh[random_.Below(fresh.size())];
    return number;
}

std::u32string LineMaker::Numbers(std::size_t lesson, const std::u32string& fresh) {
    std::vector<std::u32string> tokens;
    tokens.reserve(16);
    for (int i = 0; i < 16; ++i) tokens.push_back(Number(lesson, fresh));
    return JoinWhileFits(tokens);
}

std::u32string LineMaker::KnownWord(std::size_t lesson, std::size_t longest) {
    const std::size_t count = vocabulary_.KnownWordCount(lesson);
    if (count >= kFewestWords) {
        for (int attempt = 0; attempt < 8; ++attempt) {
            const std::u32string& word = vocabulary_.KnownWord(lesson, random_.Below(count));
            if (word.size() <= longest) return word;
        }
    }
    return pool_.MakeUpWord(vocabulary_.LettersAfter(lesson), {}, std::min<std::size_t>(longest, 7), random_);
}

std::u32string LineMaker::Capitalised(std::size_t lesson, const std::u32string& word) const {
    const char32_t capital = word.empty() ? 0 : keyboard_.CapitalOf(word.front());
    if (!capital || !vocabulary_.Knows(lesson, capital)) return word;
    std::u32string shown = word;
    shown.front() = capital;
    return shown;
}

// How a mark is used on a word: after it (",", "."), around it ("(x)",
// "'x'"), with a number ("12%", "$7") or between it and the next word ("-",
// "/", "+").
std::u32string LineMaker::WithMark(std::size_t lesson, const std::u32string& word, char32_t mark,
                                   const std::u32string& next) {
    if (Contains(kEndMarks, mark)) return word + mark;
    if (Contains(kWithNumbers, mark)) {
        const std::u32string number = Number(lesson, {});
        if (!number.empty()) return Contains(kBeforeNumbers, mark) ? mark + number : number + mark;
    }
    if (Contains(kQuotes, mark)) return mark + word + mark;
    const std::size_t opening = kOpening.find(mark);
    if (opening != std::u32string_view::npos) {
        const std::u32string_view pairs = U"([{<\u00AB";
        const std::u32string_view closers = U")]}>\u00BB";
        const std::size_t pair = pairs.find(mark);
        const char32_t closer = pair != std::u32string_view::npos ? closers[pair] : 0;
        return mark + word +
               (closer && vocabulary_.Knows(lesson, closer) ? std::u32string(1, closer) : std::u32string());
    }
    const std::size_t closing = kClosing.find(mark);
    if (closing != std::u32string_view::npos) {
        const char32_t opener = kOpeners[closing];
        return (vocabulary_.Knows(lesson, opener) ? std::u32string(1, opener) : std::u32string()) + word +
               mark;
    }
    return word + mark + next;
}

std::u32string LineMaker::Phrase(std::size_t lesson, std::size_t fewestWords, std::size_t mostWords,
                                 const std::u32string& marks, bool numbers) {
    const std::size_t count = fewestWords + random_.Below(mostWords - fewestWords + 1);
    std::vector<std::u32string> words;
    for (std::size_t i = 0; i < count; ++i)
        words.push_back(KnownWord(lesson, marks.empty() ? 10 : kLongestDrillWord));
    if (numbers && !words.empty()) words[random_.Below(words.size())] = Number(lesson, {});

    // Sentence case and marks, where the learner knows them.
    const auto knows = [&](char32_t ch) { return vocabulary_.Knows(lesson, ch); };
    // A sentence opens with a word whose capital the learner can type
    // (Czech "ž" has none on its own key).
    const auto capitalisable = [&](const std::u32string& word) { return Capitalised(lesson, word) != word; };
    if (!capitalisable(words.front())) {
        const auto other = std::find_if(words.begin(), words.end(), capitalisable);
        if (other != words.end()) {
            std::swap(words.front(), *other);
        } else {
            for (int attempt = 0; attempt < 8; ++attempt) {
                const std::u32string word = KnownWord(lesson, kLongestDrillWord);
                if (capitalisable(word)) {
                    words.front() = word;
                    break;
                }
            }
        }
    }
    words.front() = Capitalised(lesson, words.front());
    if (!marks.empty()) {
        for (std::size_t i = 0; i < words.size(); i += 2) {
            const char32_t mark = marks[(i / 2) % marks.size()];
            const bool joins = !Contains(kEndMarks, mark) && !Contains(kQuotes, mark) &&
                               !Contains(kOpening, mark) && !Contains(kClosing, mark) &&
                               !Contains(kWithNumbers, mark);
            if (joins && i + 1 < words.size()) {
                words[i] = WithMark(lesson, words[i], mark, words[i + 1]);
                words.erase(words.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            } else {
                words[i] = WithMark(lesson, words[i], mark, {});
            }
        }
    } else {
        if (knows(U',') && words.size() >= 4 && random_.Chance(40)) {
            const std::size_t at = 1 + random_.Below(words.size() - 2);
            words[at] += U',';
        }
        if (knows(U'.')) {
            const char32_t end = knows(U'?') && random_.Chance(12)  ? U'?'
                                 : knows(U'!') && random_.Chance(8) ? U'!'
                                                                    : U'.';
            // The final mark goes on the last word that fits the line.
            std::vector<std::u32string> fitted = FittingWords(words, 1);
            if (!fitted.empty()) {
                std::u32string& last = fitted.back();
                if (!last.empty() && last.back() == U',') last.pop_back();
                last += end;
                return JoinWhileFits(fitted);
            }
        }
    }
    return JoinWhileFits(words);
}

}  // namespace zq
