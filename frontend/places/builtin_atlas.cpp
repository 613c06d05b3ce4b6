#include "frontend/places/builtin_atlas.h"

#include <QFile>
#include <future>
#include <mutex>

namespace frontend {
namespace {

std::optional<Atlas> ReadBuiltinAtlas() {
  QFile file(QStringLiteral(":/ATLAS/ATLAS"));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return Atlas::FromCompressed(file.readAll());
}

std::mutex reading;
std::shared_future<std::optional<Atlas>> atlas;  // guarded by `reading`

std::shared_future<std::optional<Atlas>> Started(std::launch how) {
  const std::lock_guard lock(reading);
  if (!atlas.valid()) atlas = std::async(how, ReadBuiltinAtlas).share();
  return atlas;
}

}  // namespace

void StartReadingBuiltinAtlas() { Started(std::launch::async); }

const Atlas* BuiltinAtlas() {
  const auto& read = Started(std::launch::deferred).get();
  return read ? &*read : nullptr;
}

}  // namespace frontend
