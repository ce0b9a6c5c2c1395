#include "CardSets.h"

#include "CardSetFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

const TCardsObj* TCardSetCatalogue::Selected() const {
  if (CardSetIndex < 0 || std::size_t(CardSetIndex) >= CardSets.size())
    return nullptr;
  return CardSets[std::size_t(CardSetIndex)].get();
}

int TCardSetCatalogue::IndexOf(const TCardsObj* Item) const {
  const auto found = std::find_if(CardSets.begin(), CardSets.end(),
                                  [Item](const auto& Owned) { return Owned.get() == Item; });
  return found == CardSets.end() ? -1 : int(found - CardSets.begin());
}

QString TCardSetCatalogue::SelectedFileName() const {
  const TCardsObj* selected = Selected();
  return selected ? QFileInfo(selected->FileName).fileName() : QString();
}

QStringList SortCardSetNames(QStringList Names) {
  std::sort(Names.begin(), Names.end(), [](const QString& A, const QString& B) {
    const int folded = QString::compare(A, B, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(A, B, Qt::CaseSensitive) < 0;
  });
  return Names;
}

TCardSetHeader ReadCardSetHeader(const QString& FileName) {
  TCardSetFile reader(FileName);
  QByteArray record(TCardSetHeader::RecordSize, '\0');
  const qint64 delivered = reader.ReadToBuffer(0, record.data(), record.size());
  record.truncate(delivered);
  return TCardSetHeader::FromBytes(record);
}

namespace {

// Opening anything but a regular file could block (a pipe) or read without end (a device).
bool IsRegularFile(const QString& Path) {
  const QFileInfo info(Path);
  return info.isFile() && info.isReadable();
}

std::unique_ptr<TCardsObj> ReadCatalogueItem(const QString& FileName) {
  const TCardSetHeader header = ReadCardSetHeader(FileName);
  auto item = std::make_unique<TCardsObj>();
  item->FileName = FileName;
  item->Title = header.Title;
  item->CardWidth = header.CardWidth;
  item->CardHeight = header.CardHeight;
  item->ImageCount = header.ImageCount;
  return item;
}

} // namespace

void ScanCardSets(const QString& CardsDir, const QString& CardsFile, TCardSetCatalogue& Catalogue) {
  Catalogue.CardSets.clear();
  Catalogue.CardSetIndex = 0;
  AddCardSets(CardsDir, CardsFile, Catalogue);
}

QString UserCardsDir() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty())
    return QString();
  return data + QStringLiteral("/Kovalent/Tesselo/cards/");
}

void AddCardSets(const QString& CardsDir, const QString& CardsFile, TCardSetCatalogue& Catalogue) {
  if (CardsDir.isEmpty())
    return;
  const QDir dir(CardsDir);
  const QStringList names = SortCardSetNames(dir.entryList(
      {QStringLiteral("*.crd")}, QDir::AllEntries | QDir::Hidden | QDir::System, QDir::NoSort));
  for (const QString& name : names) {
    const QString fileName = dir.filePath(name);
    if (!IsRegularFile(fileName))
      continue;
    try {
      Catalogue.CardSets.push_back(ReadCatalogueItem(fileName));
    } catch (...) {
      // An unreadable set is left out without a word; the scan goes on with the next.
      continue;
    }
    if (name == CardsFile && Catalogue.SelectedFileName() != CardsFile)
      Catalogue.CardSetIndex = int(Catalogue.CardSets.size()) - 1;
  }
}
