#pragma once

#include <string>
#include <vector>

#include "base/GameWordLength.h"

namespace zq {

class CourseRandom;
class Vocabulary;
class WordPool;

// The word groups of "Game.txt": kGameGroups groups of kGameGroupWords
// different words each, short words first (the game's easy levels) and the
// longest last; among words of one length, those the course teaches first
// come first. The first kCommonGameGroups groups hold the language's
// everyday words (`commonWords`, see CommonWords) of at most
// kLongestCommonWord letters that the dictionary has, when it has enough
// of them for groups of at least kFewestCommonGroupWords; the groups after
// them then hold only longer words. Made-up words fill in when the
// dictionary has too few (or there is none).
inline constexpr std::size_t kGameGroups = 30;
inline constexpr std::size_t kGameGroupWords = 36;
inline constexpr std::size_t kCommonGameGroups = 2;
inline constexpr std::size_t kFewestCommonGroupWords = 30;
inline constexpr std::size_t kLongestCommonWord = 5;

std::vector<std::vector<std::u32string>> MakeGameGroups(const Vocabulary& vocabulary, const WordPool& pool,
                                                        CourseRandom& random,
                                                        const std::vector<std::u32string>& commonWords = {});

// The text of "Game.txt": each group's words on lines of at most 60
// characters, one empty line between groups and none after the last (an
// empty line at the end would make an empty group).
std::u32string GameText(const std::vector<std::vector<std::u32string>>& groups);

}  // namespace zq
