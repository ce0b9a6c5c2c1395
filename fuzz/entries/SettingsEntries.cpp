#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "CardSets.h"
#include "GameSettings.h"
#include "RegistryFile.h"
#include "RegistryText.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace fuzzentry {
namespace {

QByteArray ReadWholeFile(const QString& Path) {
  QFile file(Path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh folder holding only the settings file, so copies kept aside by one input never
// meet the next.
QString FreshSettingsDir() {
  QDir dir(ScratchDir() + QStringLiteral("/settings"));
  dir.removeRecursively();
  Check(QDir().mkpath(dir.path()), "the settings folder can be made");
  return dir.path();
}

bool KeptAside(const QString& FilePath, const QByteArray& Original) {
  return ReadWholeFile(FilePath + QStringLiteral(".corrupt")) == Original;
}

// Every value of the original document is still in the saved one with its type; a value whose
// type the game changed is allowed only with the original file kept aside.
void CheckNothingLost(const RegistryDocument& Before, RegistryDocument& After, bool Aside) {
  for (const RegistryKey& key : Before.Keys) {
    RegistryKey* saved = FindRegistryKey(After, key.Path);
    Check(saved != nullptr, "every key of the settings file survives loading and saving");
    for (const RegistryValue& value : key.Values) {
      const RegistryValue* kept = FindRegistryValue(*saved, value.Name);
      Check(kept != nullptr, "every value of the settings file survives loading and saving");
      Check(kept->Kind == value.Kind || Aside, "a value changes its type only with a copy aside");
      if (value.Kind == RegistryValueKind::Other && kept->Kind == value.Kind)
        Check(kept->Text == value.Text, "a value the game does not know is kept verbatim");
    }
  }
}

void LoadAndSave(const QString& FilePath) {
  RegistryFile store(FilePath);
  GameSettings settings;
  PlayerTable players;
  TCardSetCatalogue catalogue;
  LoadSettings(store, settings, players, catalogue, ScratchDir() + QStringLiteral("/no-cards"));
  Check(SaveSettings(store, settings, players, catalogue), "the settings can be saved");
}

} // namespace

int RegistryText(const uint8_t* Data, size_t Size) {
  const std::optional<RegistryDocument> parsed = ParseRegistryText(Bytes(Data, Size));
  if (!parsed)
    return 0;
  const QByteArray written = FormatRegistryText(*parsed);
  const std::optional<RegistryDocument> again = ParseRegistryText(written);
  Check(again.has_value(), "what is written parses");
  Check(*again == *parsed, "what is written parses to the same document");
  Check(FormatRegistryText(*again) == written, "writing is stable");
  return 0;
}

int Settings(const uint8_t* Data, size_t Size) {
  const QByteArray original = Bytes(Data, Size);
  const QString filePath = FreshSettingsDir() + QStringLiteral("/registry.reg");
  Check(WriteWholeFile(filePath, original), "the settings file can be written");
  const std::optional<RegistryDocument> before = ParseRegistryText(original);
  LoadAndSave(filePath);
  std::optional<RegistryDocument> after = ParseRegistryText(ReadWholeFile(filePath));
  Check(after.has_value(), "the saved settings file parses");
  const bool aside = KeptAside(filePath, original);
  if (!before) {
    Check(aside, "a damaged settings file is kept aside before it is replaced");
    return 0;
  }
  CheckNothingLost(*before, *after, aside);
  return 0;
}

} // namespace fuzzentry
