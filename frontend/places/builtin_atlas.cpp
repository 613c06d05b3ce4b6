#include "frontend/places/builtin_atlas.h"

#include <QFile>
#include <atomic>
#include <future>
#include <mutex>

// The resource sits in a static library; naming its initialiser here keeps the
// linker from leaving it out.
static void RegisterAtlasResource() {
  Q_INIT_RESOURCE(atlas);
}

namespace frontend {
namespace {

// The reading, once per program. Ending the program during it stops it at
// its next check instead of waiting the rest of a second for it.
struct Reading {
  std::mutex mutex;
  std::atomic<bool> abandon{false};
  std::shared_future<std::optional<Atlas>> atlas;  // guarded by `mutex`
  ~Reading() { abandon = true; }
};

Reading& TheReading() {
  static Reading reading;
  return reading;
}

std::optional<Atlas> ReadBuiltinAtlas() {
  RegisterAtlasResource();
  QFile file(QStringLiteral(":/ATLAS/ATLAS"));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return Atlas::FromCompressed(file.readAll(), &TheReading().abandon);
}

std::shared_future<std::optional<Atlas>> Started(std::launch how) {
  Reading& reading = TheReading();
  const std::lock_guard lock(reading.mutex);
  if (!reading.atlas.valid()) reading.atlas = std::async(how, ReadBuiltinAtlas).share();
  return reading.atlas;
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
