#include "frontend/places/place_search.h"

namespace frontend {
namespace {

// Letters and digits make up words; an apostrophe stays inside its word
// ("King's"), every other mark or blank ends one ("Санкт-Петербург",
// "New York City NY, USA", "Fuji+yoshida").
bool IsWordCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'\'';
}

}  // namespace

QString FoldedForSearch(const QString& text) {
  QString folded = text.toLower();
  folded.replace(u'ё', u'е');
  return folded;
}

PlaceSearch::PlaceSearch(const QStringList& names) {
  entries_.reserve(names.size());
  for (const QString& name : names) {
    Entry entry{FoldedForSearch(name), {}};
    for (qsizetype i = 0; i < entry.folded.size(); ++i) {
      if (IsWordCharacter(entry.folded[i]) && (i == 0 || !IsWordCharacter(entry.folded[i - 1]))) {
        entry.wordStarts.append(i);
      }
    }
    entries_.append(std::move(entry));
  }
}

QList<qsizetype> PlaceSearch::Find(const QString& typed) const {
  const QString query = FoldedForSearch(typed.trimmed());
  QList<qsizetype> found;
  if (query.isEmpty()) {
    found.reserve(entries_.size());
    for (qsizetype i = 0; i < entries_.size(); ++i) found.append(i);
    return found;
  }
  // Three ranks, each in list order: the name itself, names beginning with
  // the text, names with a later word beginning with it.
  QList<qsizetype> exact;
  QList<qsizetype> atStart;
  QList<qsizetype> atWord;
  for (qsizetype i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    const QStringView name(entry.folded);
    if (name.startsWith(query)) {
      (name.size() == query.size() ? exact : atStart).append(i);
      continue;
    }
    for (const qsizetype start : entry.wordStarts) {
      if (start > 0 && name.sliced(start).startsWith(query)) {
        atWord.append(i);
        break;
      }
    }
  }
  found = exact;
  found += atStart;
  found += atWord;
  return found;
}

}  // namespace frontend
