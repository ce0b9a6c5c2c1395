#include "CardSets.h"

#include "CardSetFile.h"
#include "CardSetHeader.h"
#include "PairTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

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

namespace {

// The pairs of a set of different cards, read from its pair table; 0 for a plain set, and for
// a table the loader will refuse with its own message when the set is dealt.
qint32 MixedPairsOf(const QString& FileName, qint32 ImageCount) {
  try {
    TCardSetFile file(FileName);
    return qint32(ReadPairTable(file, ImageCount).Pairs.size());
  } catch (...) {
    return 0;
  }
}

} // namespace

int TCardSetCatalogue::Put(const QString& FileName, const TCardSetHeader& Header) {
  const QFileInfo file(FileName);
  auto found = std::find_if(CardSets.begin(), CardSets.end(), [&file](const auto& Item) {
    return QFileInfo(Item->FileName) == file;
  });
  if (found == CardSets.end()) {
    CardSets.push_back(std::make_unique<TCardsObj>());
    CardSets.back()->FileName = FileName;
    found = CardSets.end() - 1;
  }
  TCardsObj& item = **found;
  item.Title = Header.Title;
  item.CardWidth = Header.CardWidth;
  item.CardHeight = Header.CardHeight;
  item.ImageCount = Header.ImageCount;
  item.MixedPairs = MixedPairsOf(FileName, Header.ImageCount);
  return int(found - CardSets.begin());
}

QString ListedTitle(const TCardsObj& Set) {
  return Set.Title.trimmed().isEmpty() ? QFileInfo(Set.FileName).completeBaseName() : Set.Title;
}

namespace {

bool CardSetNameLess(const QString& A, const QString& B) {
  const int folded = QString::compare(A, B, Qt::CaseInsensitive);
  return folded != 0 ? folded < 0 : QString::compare(A, B, Qt::CaseSensitive) < 0;
}

} // namespace

QStringList SortCardSetNames(QStringList Names) {
  std::sort(Names.begin(), Names.end(), CardSetNameLess);
  return Names;
}

TCardSetHeader ReadCardSetHeader(const QString& FileName) {
  return TCardSetHeader::FromBytes(
      ReadHeaderRecord(AT_FDCWD, QFile::encodeName(FileName).constData()));
}

namespace {

// A name in a cards folder, as the folder lists it.
struct TFolderEntry {
  QString Name;
  QByteArray Bytes;
  unsigned char Type = DT_UNKNOWN;
};

using TFolder = std::unique_ptr<DIR, int (*)(DIR*)>;

bool HasSetSuffix(const char* Name) {
  const std::size_t length = std::strlen(Name);
  return length >= 4 && ::strcasecmp(Name + length - 4, ".crd") == 0;
}

// The folder's *.crd names, hidden ones included, in the catalogue's order. A name that does
// not survive the round trip through a QString could not be opened again by its FileName.
std::vector<TFolderEntry> ListSetNames(DIR* Folder) {
  std::vector<TFolderEntry> entries;
  while (const dirent* entry = ::readdir(Folder)) {
    if (!HasSetSuffix(entry->d_name))
      continue;
    TFolderEntry listed{QFile::decodeName(entry->d_name), QByteArray(entry->d_name), entry->d_type};
    if (QFile::encodeName(listed.Name) == listed.Bytes)
      entries.push_back(std::move(listed));
  }
  std::sort(entries.begin(), entries.end(), [](const TFolderEntry& A, const TFolderEntry& B) {
    return CardSetNameLess(A.Name, B.Name);
  });
  return entries;
}

// Opening anything but a regular file could block (a pipe) or read without end (a device).
// The folder tells the type of most names; links, and file systems that keep no type, are
// asked about the file itself.
bool IsRegularFile(int FolderFd, const TFolderEntry& Entry) {
  if (Entry.Type == DT_REG)
    return true;
  if (Entry.Type != DT_LNK && Entry.Type != DT_UNKNOWN)
    return false;
  struct stat info {};
  return ::fstatat(FolderFd, Entry.Bytes.constData(), &info, 0) == 0 && S_ISREG(info.st_mode);
}

// Entries reports how many entries the set has: a pair table lies only after the last face.
std::unique_ptr<TCardsObj> ReadCatalogueItem(int FolderFd, const TFolderEntry& Entry,
                                             qint32& Entries) {
  const TCardSetHeader header =
      TCardSetHeader::FromBytes(ReadHeaderRecord(FolderFd, Entry.Bytes.constData(), &Entries));
  auto item = std::make_unique<TCardsObj>();
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
  const TFolder folder(::opendir(QFile::encodeName(CardsDir).constData()), ::closedir);
  if (!folder)
    return;
  const int folderFd = ::dirfd(folder.get());
  const QDir dir(CardsDir);
  for (const TFolderEntry& entry : ListSetNames(folder.get())) {
    if (!IsRegularFile(folderFd, entry))
      continue;
    qint32 entries = 0;
    try {
      Catalogue.CardSets.push_back(ReadCatalogueItem(folderFd, entry, entries));
    } catch (...) {
      // An unreadable set is left out without a word; the scan goes on with the next.
      continue;
    }
    TCardsObj& item = *Catalogue.CardSets.back();
    item.FileName = dir.filePath(entry.Name);
    // Only a set with entries after its faces can have pairs of different cards.
    if (qint64(entries) > qint64(TCardSetEntries::FirstFace) + item.ImageCount)
      item.MixedPairs = MixedPairsOf(item.FileName, item.ImageCount);
    if (entry.Name == CardsFile && Catalogue.SelectedFileName() != CardsFile)
      Catalogue.CardSetIndex = int(Catalogue.CardSets.size()) - 1;
  }
}
