#include "frontend/places/builtin_atlas.h"

#include <QFile>
#include <future>
#include <mutex>

// The resource sits in a static library; naming its initialiser here keeps the
// linker from leaving it out.
static void RegisterAtlasResource() {
  Q_INIT_RESOURCE(atlas);
}

namespace frontend {
namespace {

std::optional<Atlas> ReadBuiltinAtlas() {
  RegisterAtlasResource();
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

void StartReadingBuiltinAtlas() {
  Started(std::launch::async);
}

const Atlas* BuiltinAtlas() {
  const auto& read = Started(std::launch::deferred).get();
  return read ? &*read : nullptr;
}

}  // namespace frontend
