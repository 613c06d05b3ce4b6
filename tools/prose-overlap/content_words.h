// The content words of a Russian text, reduced to crude stems so that two texts
// can be compared for repeated facts.
//
// A content word is a run of Cyrillic letters (a hyphen or any other character
// ends it), lower-cased with "ё" read as "е", that is not a stop word: not a
// preposition, conjunction, particle, pronoun or other function word, and not
// one of the genre's framing words (рожденные, родившийся, люди, человек, знак,
// пора, дерево) that open nearly every text. Its stem is its first five letters, which
// joins most inflected forms ("черемуховые", "черемуховыми") without a
// dictionary; shorter words are their own stem.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace prose_overlap {

// The content words of UTF-8 text, lower-cased, "ё" as "е", in text order.
std::vector<std::string> ContentWords(std::string_view text);

// The crude stem of a lower-cased word, as described above.
std::string Stem(std::string_view word);

// The stems of the content words of `text`, leaving out every word for which
// `isExcluded` is true.
std::set<std::string> ContentStems(std::string_view text,
                                   const std::function<bool(std::string_view)>& isExcluded);

}  // namespace prose_overlap
