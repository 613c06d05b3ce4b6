// Finding places by what the user has typed so far: any word of a name may
// begin with the typed text, regardless of case, with "ё" read as "е".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace frontend {

// Lower case with "ё" as "е", so that "Орел", "ОРЁЛ" and "орёл" read alike.
QString FoldedForSearch(const QString& text);

class PlaceSearch {
 public:
  // `names` in the order the list shows them.
  explicit PlaceSearch(const QStringList& names);

  // Positions in `names` of every name that has a word beginning with `typed`
  // (blanks at either end of `typed` do not count). Names that begin with it
  // come first, the name equal to it before all; within each group the list's
  // own order is kept. Every position when `typed` is blank.
  QList<qsizetype> Find(const QString& typed) const;

 private:
  struct Entry {
    QString folded;
    QList<qsizetype> wordStarts;  // positions in `folded` where a word begins
  };
  QList<Entry> entries_;
};

}  // namespace frontend
