#include "frontend/places/atlas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "frontend/places/atlas_folding.h"

namespace frontend {
namespace {

constexpr std::string_view kFormatLine = "velunor-atlas 1";
constexpr int kFieldCount = 9;  // name, Latin name, country, region, latitude,
                                // longitude, zone, population, alternate names
constexpr int kAlternatesField = 8;

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), std::size_t(bytes.size())};
}

// A header line "title<TAB>item<TAB>item…" as the list "", item, item…: the
// place lines refer to items by number, 0 standing for none.
std::optional<QStringList> ReadTable(std::string_view line, std::string_view title) {
  const QStringList fields = QString::fromUtf8(line.data(), qsizetype(line.size())).split(u'\t');
  if (fields.isEmpty() || fields.front().toUtf8() != QByteArray(title.data(), title.size())) {
    return std::nullopt;
  }
  QStringList items = fields;
  items.front().clear();
  return items;
}

using Fields = std::array<std::string_view, kFieldCount>;

// The fields of a place line (which has kFieldCount of them).
Fields SplitLine(std::string_view line) {
  Fields fields;
  for (std::size_t i = 0, at = 0; i < fields.size(); ++i) {
    const std::size_t end = std::min(line.find('\t', at), line.size());
    fields[i] = line.substr(at, end - at);
    at = end + 1;
  }
  return fields;
}

// A field's whole number, or nothing when it holds none.
std::optional<long long> Number(std::string_view field) {
  long long value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

bool IsCyrillic(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::vector<std::string> Folded(const QStringList& items) {
  std::vector<std::string> folded;
  folded.reserve(std::size_t(items.size()));
  for (const QString& item : items) folded.push_back(FoldTyped(item));
  return folded;
}

// True when a word of `folded` (words split at blanks) begins with `prefix`.
bool HasWordStarting(const std::string& folded, const std::string& prefix) {
  for (std::size_t at = 0; at < folded.size(); ++at) {
    if ((at == 0 || folded[at - 1] == ' ') && folded.compare(at, prefix.size(), prefix) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<Atlas> Atlas::FromCompressed(const QByteArray& compressed,
                                           const std::atomic<bool>* abandon) {
  Atlas atlas;
  atlas.text_ = qUncompress(compressed);
  if (atlas.text_.isEmpty() || !atlas.Parse() || !atlas.BuildIndex(abandon)) return std::nullopt;
  return atlas;
}

bool Atlas::Parse() {
  const std::string_view text = View(text_);
  if (text.empty() || text.back() != '\n' || text.size() > UINT32_MAX) return false;
  std::vector<std::string_view> header;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    const std::string_view line = text.substr(at, end - at);
    if (header.size() < 4) {
      header.push_back(line);
    } else {
      if (std::count(line.begin(), line.end(), '\t') != kFieldCount - 1) return false;
      lineStarts_.push_back(std::uint32_t(at));
    }
    at = end + 1;
  }
  if (header.size() < 4 || header[0] != kFormatLine) return false;
  const auto zones = ReadTable(header[1], "zones");
  const auto countries = ReadTable(header[2], "countries");
  const auto regions = ReadTable(header[3], "regions");
  if (!zones || !countries || !regions) return false;
  zones_ = *zones;
  countries_ = *countries;
  regions_ = *regions;
  foldedCountries_ = Folded(countries_);
  foldedRegions_ = Folded(regions_);
  // Every number a line refers to must name an item.
  for (qsizetype i = 0; i < size(); ++i) {
    const Fields fields = SplitLine(Line(i));
    const auto within = [&](int field, long long low, long long high) {
      const std::optional<long long> number = Number(fields[std::size_t(field)]);
      return number && *number >= low && *number <= high;
    };
    if (!within(2, 0, countries_.size() - 1) || !within(3, 0, regions_.size() - 1) ||
        !within(4, -90 * 60, 90 * 60) || !within(5, -180 * 60, 180 * 60) ||
        !within(6, 0, zones_.size() - 1) || !within(7, 0, INT64_MAX)) {
      return false;
    }
  }
  return true;
}

std::string_view Atlas::Line(qsizetype index) const {
  const std::string_view text = View(text_);
  const std::size_t start = lineStarts_[std::size_t(index)];
  return text.substr(start, text.find('\n', start) - start);
}

qsizetype Atlas::PlaceAt(std::uint32_t offset) const {
  return std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) - lineStarts_.begin() - 1;
}

// The name the byte at `offset` belongs to, from that byte to the name's
// end; its first byte's offset in *start.
std::string_view Atlas::NameAt(std::uint32_t offset, std::uint32_t* start) const {
  const std::string_view text = View(text_);
  const std::uint32_t lineStart = lineStarts_[std::size_t(PlaceAt(offset))];
  int field = 0;
  std::uint32_t nameStart = lineStart;
  for (std::uint32_t i = lineStart; i < offset; ++i) {
    if (text[i] == '\t') {
      ++field;
      nameStart = i + 1;
    } else if (text[i] == ',' && field == kAlternatesField) {
      nameStart = i + 1;
    }
  }
  const char* ends = field == kAlternatesField ? "\t\n," : "\t\n";
  const std::size_t end = text.find_first_of(ends, offset);
  if (start != nullptr) *start = nameStart;
  return text.substr(offset, end - offset);
}

bool Atlas::BuildIndex(const std::atomic<bool>* abandon) {
  const auto abandoned = [abandon] { return abandon != nullptr && abandon->load(); };
  // Each word start with the first eight bytes of its folded rest as a
  // number, so that most comparisons of the sort are one integer compare.
  struct Entry {
    std::uint64_t head;
    std::uint32_t folded;  // offset of the folded rest in `pool`
    std::uint32_t source;  // offset of the word in the atlas text
  };
  std::string pool;
  std::vector<Entry> entries;
  entries.reserve(lineStarts_.size() * 8);
  pool.reserve(std::size_t(text_.size()));

  const std::string_view text = View(text_);
  const auto addName = [&](std::size_t from, std::size_t to) {
    FoldedReader reader(text.substr(from, to - from));
    const std::size_t begin = pool.size();
    bool wordStart = true;
    for (char c = reader.Next(); c != 0; c = reader.Next()) {
      if (c == ' ') {
        wordStart = true;
      } else if (wordStart) {
        wordStart = false;
        entries.push_back(
            {0, std::uint32_t(pool.size()), std::uint32_t(from + reader.sourceOffset())});
      }
      pool += c;
    }
    if (pool.size() > begin) pool += '\0';
  };
  for (qsizetype i = 0; i < size(); ++i) {
    if (i % 4096 == 0 && abandoned()) return false;  // some 7 ms of folding
    const std::size_t start = lineStarts_[std::size_t(i)];
    const std::size_t end = text.find('\n', start);
    int field = 0;
    std::size_t nameStart = start;
    for (std::size_t at = start; at <= end; ++at) {
      const bool fieldEnd = at == end || text[at] == '\t';
      const bool alternateEnd = field == kAlternatesField && text[at] == ',';
      if (fieldEnd || alternateEnd) {
        if (field <= 1 || field == kAlternatesField) addName(nameStart, at);
        if (fieldEnd) ++field;
        nameStart = at + 1;
      }
    }
  }
  for (Entry& entry : entries) {
    std::uint64_t head = 0;
    const char* rest = pool.data() + entry.folded;
    for (int i = 0, ended = 0; i < 8; ++i) {
      if (!ended && rest[i] == '\0') ended = 1;
      head = (head << 8) | (ended ? 0 : static_cast<unsigned char>(rest[i]));
    }
    entry.head = head;
  }
  // Least significant digit first, 16 bits a pass: stable, so names with the
  // same head stay in atlas order. Heads that do not hold a whole name are
  // then put in order by the rest of the name.
  std::vector<Entry> sorted(entries.size());
  std::vector<std::size_t> counts(std::size_t(1) << 16);
  for (int shift = 0; shift < 64; shift += 16) {
    if (abandoned()) return false;
    std::fill(counts.begin(), counts.end(), 0);
    for (const Entry& entry : entries) ++counts[(entry.head >> shift) & 0xFFFF];
    std::size_t total = 0;
    for (std::size_t& count : counts) total += std::exchange(count, total);
    for (const Entry& entry : entries) sorted[counts[(entry.head >> shift) & 0xFFFF]++] = entry;
    entries.swap(sorted);
  }
  sorted = {};
  const auto byRest = [&pool](const Entry& a, const Entry& b) {
    const int order = std::strcmp(pool.data() + a.folded + 8, pool.data() + b.folded + 8);
    return order != 0 ? order < 0 : a.source < b.source;
  };
  for (std::size_t run = 0; run < entries.size();) {
    std::size_t end = run + 1;
    while (end < entries.size() && entries[end].head == entries[run].head) ++end;
    if (end - run > 1 && (entries[run].head & 0xFF) != 0) {
      std::sort(entries.begin() + std::ptrdiff_t(run), entries.begin() + std::ptrdiff_t(end),
                byRest);
    }
    run = end;
  }
  wordStarts_.reserve(entries.size());
  wordPlaces_.reserve(entries.size());
  for (const Entry& entry : entries) {
    wordStarts_.push_back(entry.source);
    wordPlaces_.push_back(std::uint32_t(PlaceAt(entry.source)));
  }
  return true;
}

// How the folded rest of a name from a word start compares with `folded`: 0
// when it begins with it, else its order.
int Atlas::Compare(std::uint32_t entry, const std::string& folded) const {
  FoldedReader reader(NameAt(entry, nullptr));
  for (const char wanted : folded) {
    const char c = reader.Next();
    if (c != wanted)
      return c == 0 || static_cast<unsigned char>(c) < static_cast<unsigned char>(wanted) ? -1 : 1;
  }
  return 0;
}

bool Atlas::InRegionOrCountry(qsizetype place, const std::string& qualifier) const {
  const Fields fields = SplitLine(Line(place));
  return HasWordStarting(foldedCountries_[std::size_t(*Number(fields[2]))], qualifier) ||
         HasWordStarting(foldedRegions_[std::size_t(*Number(fields[3]))], qualifier);
}

QList<AtlasMatch> Atlas::Find(const QString& typed, qsizetype limit) const {
  const qsizetype comma = typed.indexOf(u',');
  return FindFolded(FoldTyped(typed.left(comma)),
                    comma < 0 ? std::string() : FoldTyped(typed.mid(comma + 1)), IsCyrillic(typed),
                    limit);
}

QList<AtlasMatch> Atlas::FindFolded(const std::string& name, const std::string& qualifier,
                                    bool typedInCyrillic, qsizetype limit) const {
  if (name.empty() || limit <= 0) return {};
  const auto first = std::partition_point(wordStarts_.begin(), wordStarts_.end(),
                                          [&](std::uint32_t e) { return Compare(e, name) < 0; });
  const auto last = std::partition_point(first, wordStarts_.end(),
                                         [&](std::uint32_t e) { return Compare(e, name) == 0; });
  // Keys ordering the matches: exact ones first, then by place (the atlas is
  // ordered by population), then names in the typed text's alphabet, then by
  // position in the line, which puts the display name before the Latin one
  // before the alternates: "Ленинград" typed shows the Cyrillic one of
  // "Leningrad" and "Ленинград".
  constexpr std::uint64_t kNotExact = std::uint64_t(1) << 63;
  constexpr int kPlaceShift = 33;
  constexpr std::uint64_t kOtherAlphabet = std::uint64_t(1) << 32;
  const std::string_view text = View(text_);
  const auto isCyrillic = [](unsigned char lead) { return lead >= 0xD0 && lead <= 0xD4; };
  std::vector<std::uint64_t> keys;
  keys.reserve(std::size_t(last - first));
  bool mayBeExact = true;  // names equal to the text sort before longer ones
  for (auto it = first; it != last; ++it) {
    bool exact = false;
    if (mayBeExact) {
      std::uint32_t start = 0;
      FoldedReader reader(NameAt(*it, &start));
      for (std::size_t i = 0; i < name.size(); ++i) reader.Next();
      const bool whole = reader.Next() == 0;
      mayBeExact = whole;
      exact = whole && start == *it;
    }
    const std::uint64_t place = wordPlaces_[std::size_t(it - wordStarts_.begin())];
    const bool otherAlphabet = isCyrillic(static_cast<unsigned char>(text[*it])) != typedInCyrillic;
    keys.push_back((exact ? 0 : kNotExact) | (place << kPlaceShift) |
                   (otherAlphabet ? kOtherAlphabet : 0) | *it);
  }
  // The best `limit` places: sort a growing share of the keys until that
  // many different places are found, or all keys are.
  QList<AtlasMatch> found;
  std::size_t share = std::size_t(limit) * 4;
  while (true) {
    found.clear();
    share = std::min(share, keys.size());
    std::nth_element(keys.begin(), keys.begin() + std::ptrdiff_t(share) - (share > 0), keys.end());
    std::sort(keys.begin(), keys.begin() + std::ptrdiff_t(share));
    std::unordered_set<qsizetype> seen;
    for (std::size_t i = 0; i < share && found.size() < limit; ++i) {
      const qsizetype place = qsizetype((keys[i] & ~kNotExact) >> kPlaceShift);
      if (!seen.insert(place).second) continue;
      if (!qualifier.empty() && !InRegionOrCountry(place, qualifier)) continue;
      std::uint32_t start = 0;
      const std::uint32_t word = std::uint32_t(keys[i]);
      NameAt(word, &start);
      AtlasMatch match{place, QString(), (keys[i] & kNotExact) == 0};
      if (start != lineStarts_[std::size_t(place)]) {
        const std::string_view matched = NameAt(start, nullptr);
        match.matchedName = Text(matched);
      }
      found.append(match);
    }
    if (found.size() >= limit || share == keys.size()) return found;
    share *= 4;
  }
}

QList<AtlasMatch> Atlas::Nearest(const QString& typed, qsizetype limit) const {
  const qsizetype comma = typed.indexOf(u',');
  std::string name = FoldTyped(typed.left(comma));
  while (!name.empty()) {
    name.pop_back();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    QList<AtlasMatch> found = FindFolded(name, std::string(), IsCyrillic(typed), limit);
    if (!found.empty()) return found;
  }
  return {};
}

AtlasPlace Atlas::Place(qsizetype index) const {
  const Fields fields = SplitLine(Line(index));
  AtlasPlace place;
  place.name = Text(fields[0]);
  place.latinName = Text(fields[1]);
  place.country = countries_[qsizetype(*Number(fields[2]))];
  place.region = regions_[qsizetype(*Number(fields[3]))];
  place.latitudeMinutes = int(*Number(fields[4]));
  place.longitudeMinutes = int(*Number(fields[5]));
  place.zone = zones_[qsizetype(*Number(fields[6]))];
  place.population = *Number(fields[7]);
  return place;
}

}  // namespace frontend
