// The atlas: every populated place of GeoNames' cities500 (about 200,000) with
// its Russian display name, Latin name and every alternate name in Latin or
// Cyrillic letters, region and country in Russian, coordinates to the arc
// minute, time zone and population. Built by tools/atlas from GeoNames data
// (CC BY 4.0); the built-in copy is data/atlas.z.
//
// Search: the typed text, folded (see atlas_folding.h), is looked up as the
// beginning of any word of any name in a sorted index of word starts, so one
// keystroke costs two binary searches and a walk over the matches.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace frontend {

struct AtlasPlace {
  QString name;              // Russian where GeoNames has a Russian name, else Latin
  QString latinName;         // GeoNames' own name, in Latin letters
  QString region;            // first-level region in Russian; empty when unknown
  QString country;           // in Russian
  int latitudeMinutes = 0;   // arc minutes, negative = south
  int longitudeMinutes = 0;  // arc minutes, negative = west
  QString zone;              // IANA name, e.g. "Europe/Minsk"
  qint64 population = 0;
};

struct AtlasMatch {
  qsizetype place = 0;  // index in the atlas; a lower index has more people
  QString matchedName;  // the name that matched when it is not `name`
  bool exact = false;   // the whole of that name is the typed text
};

class Atlas {
 public:
  // Reads the atlas from its built-in form (qCompress'd UTF-8 text); nothing
  // when the data is damaged or of another format, or when `abandon` turns
  // true while reading (checked every few milliseconds).
  static std::optional<Atlas> FromCompressed(const QByteArray& compressed,
                                             const std::atomic<bool>* abandon = nullptr);

  qsizetype size() const { return static_cast<qsizetype>(lineStarts_.size()); }
  AtlasPlace Place(qsizetype index) const;

  // The places with a name having a word that begins with `typed`, at most
  // `limit`, each once: names equal to the typed text first, then by
  // population. "Раков, Беларусь" keeps the places whose region or country
  // has a word beginning with the text after the comma. Empty for blank text.
  QList<AtlasMatch> Find(const QString& typed, qsizetype limit) const;

  // Names close to `typed` when it finds nothing: the matches of the longest
  // beginning of it that finds something, at most `limit`.
  QList<AtlasMatch> Nearest(const QString& typed, qsizetype limit) const;

 private:
  Atlas() = default;
  bool Parse();
  bool BuildIndex(const std::atomic<bool>* abandon);
  std::string_view Line(qsizetype index) const;
  qsizetype PlaceAt(std::uint32_t offset) const;
  std::string_view NameAt(std::uint32_t offset, std::uint32_t* start) const;
  int Compare(std::uint32_t entry, const std::string& folded) const;
  QList<AtlasMatch> FindFolded(const std::string& name, const std::string& qualifier,
                               bool typedInCyrillic, qsizetype limit) const;
  bool InRegionOrCountry(qsizetype place, const std::string& qualifier) const;

  QByteArray text_;                        // the atlas's UTF-8 text, kept whole
  std::vector<std::uint32_t> lineStarts_;  // offset of each place's line
  std::vector<std::uint32_t> wordStarts_;  // offsets of name words, in folded order
  std::vector<std::uint32_t> wordPlaces_;  // the place of each of them
  QStringList zones_, countries_, regions_;
  std::vector<std::string> foldedCountries_, foldedRegions_;
};

}  // namespace frontend
