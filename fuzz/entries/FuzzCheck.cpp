#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzzentry {

void Broken(const char* Property) {
  std::fprintf(stderr, "fuzz entry: property broken: %s\n", Property);
  std::abort();
}

QString ScratchDir() {
  static const QTemporaryDir dir;
  Check(dir.isValid(), "a scratch folder can be made");
  return dir.path();
}

bool WriteWholeFile(const QString& Path, const QByteArray& Bytes) {
  QFile file(Path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(Bytes) == Bytes.size();
}

std::span<const TTarget> Targets() {
  static constexpr std::array<TTarget, 11> all = {{
      {"archive", Archive},
      {"cardset", CardSet},
      {"gif", Gif},
      {"jpeg", Jpeg},
      {"bmp", Bmp},
      {"registrytext", RegistryText},
      {"settings", Settings},
      {"rtf", Rtf},
      {"fields", Fields},
      {"keptgame", KeptGameFile},
      {"pairtable", PairTable},
  }};
  return all;
}

void InitOnce() {
  if (QCoreApplication::instance())
    return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // The application keeps references to argc and argv for its whole life.
  static int argc = 1;
  static char name[] = "tesselo-fuzz";
  static char* argv[] = {name, nullptr};
  static const auto app = std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace fuzzentry
