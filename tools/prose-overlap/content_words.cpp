#include "tools/prose-overlap/content_words.h"

#include <string_view>
#include <unordered_set>

namespace prose_overlap {
namespace {

// Function words, and the framing words of the genre (see the header). Written
// with "е" for "ё", as words are compared after that folding.
const std::unordered_set<std::string_view>& StopWords() {
  static const std::unordered_set<std::string_view> words = {
      // prepositions, conjunctions, particles
      "и", "в", "во", "не", "что", "на", "с", "со", "как", "а", "то", "но", "да", "к", "ко", "у",
      "же", "ж", "за", "бы", "б", "по", "только", "вот", "от", "ото", "еще", "нет", "о", "об",
      "обо", "из", "изо", "когда", "даже", "ну", "вдруг", "ли", "если", "уже", "уж", "или", "ни",
      "до", "для", "без", "под", "подо", "над", "надо", "при", "про", "через", "перед", "после",
      "между", "чтобы", "чтоб", "будто", "словно", "точно", "хоть", "хотя", "лишь", "ведь", "пусть",
      "зато", "потому", "поэтому", "оттого", "тоже", "также", "так", "тогда", "там", "тут", "здесь",
      "где", "куда", "откуда", "туда", "сюда", "иначе", "чем", "чего", "нибудь", "либо", "опять",
      "снова", "очень", "совсем", "почти", "уже", "вовсе", "разве", "именно", "как", "пока",
      "затем", "потом", "теперь", "сейчас", "всегда", "никогда", "иногда", "порой", "часто",
      "редко", "много", "мало", "больше", "меньше", "более", "менее", "сразу", "вместе", "ради",
      "вокруг", "около", "среди", "вместо", "кроме", "сквозь", "вдоль", "возле", "мимо", "рядом",
      // pronouns and pronominal adjectives
      "я", "мы", "ты", "вы", "он", "она", "оно", "они", "его", "ее", "их", "ему", "ей", "ею", "им",
      "ими", "него", "нее", "ней", "нею", "нему", "ним", "ними", "них", "нем", "меня", "мне",
      "мной", "мною", "тебя", "тебе", "тобой", "тобою", "нас", "нам", "нами", "вас", "вам", "вами",
      "себя", "себе", "собой", "собою", "кто", "кого", "кому", "кем", "ком", "что", "чему", "чем",
      "сам", "сама", "само", "сами", "самого", "самой", "самому", "самим", "самих", "самими",
      "саму", "самый", "самая", "самое", "самые", "самых", "самым", "самыми", "самую", "самом",
      "свой", "своя", "свое", "свои", "своего", "своей", "своему", "своим", "своими", "своих",
      "свою", "своем", "мой", "моя", "мое", "мои", "твой", "твоя", "твое", "твои", "твоего",
      "твоей", "твоему", "твоим", "твоих", "твою", "твоем", "наш", "наша", "наше", "наши", "весь",
      "вся", "все", "всего", "всей", "всему", "всем", "всеми", "всех", "всю", "этот", "эта", "это",
      "эти", "этого", "этой", "этому", "этим", "этими", "этих", "эту", "этом", "тот", "та", "те",
      "того", "той", "тому", "тем", "теми", "тех", "ту", "том", "такой", "такая", "такое", "такие",
      "такого", "такую", "таким", "такими", "таких", "таков", "такова", "таковы", "какой", "какая",
      "какое", "какие", "каков", "который", "которая", "которое", "которые", "которого", "которой",
      "которому", "которым", "которыми", "которых", "которую", "котором", "чей", "чья", "чье",
      "чьи", "чьих", "иной", "иная", "иное", "иные", "иного", "иных", "другой", "другая", "другое",
      "другие", "другого", "другим", "других", "другому", "каждый", "каждая", "каждое", "каждого",
      "каждому", "каждым", "каждую", "один", "одна", "одно", "одни", "одного", "одной", "одному",
      "одним", "одних", "одну", "одном", "всякий", "всякая", "всякое", "всякого", "всякой",
      "всякому", "всяким", "всякую", "любой", "любая", "любое", "любого", "любую", "никто", "ничто",
      "ничего", "никого", "никому", "нечего", "некого",
      // forms of "быть" and a few empty verbs
      "быть", "был", "была", "было", "были", "будет", "будут", "будь", "есть", "бывает", "бывают",
      "стать", "стал", "стала", "стало", "стали", "станет", "станут", "может", "могут", "нужно",
      "нужен", "нужна", "нужны", "можно", "нельзя",
      // framing words of the genre
      "люди", "людей", "людям", "людьми", "людях", "человек", "человека", "человеку", "человеком",
      "человеке", "знак", "знака", "знаку", "знаком", "знаке", "пора", "поры", "пору", "порой",
      "поре", "дерево", "дерева", "дереву", "деревом", "дереве", "деревья", "деревьев", "деревьям",
      "деревьями", "деревьях"};
  return words;
}

bool IsStopWord(std::string_view word) {
  if (StopWords().contains(word)) return true;
  // Every form of the participles that open the texts: рожденные, рожденным,
  // родившиеся, родившемуся ...
  return word.starts_with("рожденн") || word.starts_with("родивш");
}

// Decodes one UTF-8 sequence at `text[i]`, advancing i; malformed bytes give
// U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return U'\uFFFD';
  }
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) code = (code << 6) | (byte(i + k) & 0x3F);
  i += length;
  return code;
}

void AppendUtf8(char32_t code, std::string& out) {
  // Only Cyrillic letters (two bytes) reach here.
  out += static_cast<char>(0xC0 | (code >> 6));
  out += static_cast<char>(0x80 | (code & 0x3F));
}

// The lower-case letter for a Cyrillic letter, "е" for "ё"; 0 for anything
// else.
char32_t FoldedLetter(char32_t code) {
  if (code == U'Ё' || code == U'ё') return U'е';
  if (code >= U'А' && code <= U'Я') return code + (U'а' - U'А');
  if (code >= U'а' && code <= U'я') return code;
  return 0;
}

}  // namespace

std::vector<std::string> ContentWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  const auto finish = [&] {
    if (!word.empty() && !IsStopWord(word)) words.push_back(word);
    word.clear();
  };
  for (std::size_t i = 0; i < text.size();) {
    const char32_t letter = FoldedLetter(NextCodePoint(text, i));
    if (letter == 0) {
      finish();
    } else {
      AppendUtf8(letter, word);
    }
  }
  finish();
  return words;
}

std::string Stem(std::string_view word) {
  // Every letter is two bytes in UTF-8.
  constexpr std::size_t kLetter = 2;
  if (word.size() > 5 * kLetter) return std::string(word.substr(0, 5 * kLetter));
  // A short word keeps its root without its ending: "воду", "воде" -> "вод".
  static constexpr std::string_view kEndings[] = {"а", "е", "и", "о", "у", "ы", "ь", "й", "ю", "я"};
  for (std::string_view ending : kEndings) {
    if (word.size() >= 4 * kLetter && word.ends_with(ending)) {
      return std::string(word.substr(0, word.size() - kLetter));
    }
  }
  return std::string(word);
}

std::set<std::string> ContentStems(std::string_view text,
                                   const std::function<bool(std::string_view)>& isExcluded) {
  std::set<std::string> stems;
  for (const std::string& word : ContentWords(text)) {
    if (!isExcluded(word)) stems.insert(Stem(word));
  }
  return stems;
}

}  // namespace prose_overlap
