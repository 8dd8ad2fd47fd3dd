#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Everyday words of a language, the ones a learner meets first: articles,
// pronouns, the commonest verbs, nouns and adjectives, the small numbers.
// The game's first word groups are made of them, so that a game opens
// with short words a learner knows. Languages are named by their ISO 639-1
// code ("pl"), in any case; a language without a list gives none. Nouns
// keep the capital their language writes them with.
std::vector<std::u32string> CommonWords(std::string_view language);

}  // namespace zq
