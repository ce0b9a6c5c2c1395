// Writer of the numbered-entry container read by TKVResReader: builds tesselo.dat, card sets
// and test fixtures. Entries are numbered in the order they are added, from 0.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

class TKVResWriter {
public:
  // Kind given to compressed entries; the reader inflates every negative kind.
  static constexpr qint32 CompressedKind = -1;
  static constexpr qint32 PlainKind = 0;
  static constexpr qint32 BitmapKind = 1;
  // zlib level of compressed entries; fixed so the same input always gives the same file.
  static constexpr int CompressionLevel = 9;

  // Each Add returns the index of the new entry. An entry, or the whole archive, too large
  // for the format's 32-bit sizes raises EKVResError.
  int AddPlain(const QByteArray& Content);
  // Stored as given; the reader delivers it with its first two bytes replaced by "BM".
  int AddBitmap(const QByteArray& Content);
  int AddCompressed(const QByteArray& Content);
  // Stores the bytes under any kind, as they are (for odd files in tests).
  int AddRaw(qint32 Kind, const QByteArray& Stored);

  void SetReserved(quint32 Value) { FReserved = Value; }
  int Count() const { return int(FEntries.size()); }

  QByteArray ToBytes() const;
  // Writes the archive atomically: either the whole file is in place or the old one (if any)
  // is untouched. Raises EKVResError naming the file on failure.
  void SaveToFile(const QString& Path) const;

private:
  struct TStored {
    qint32 Kind;
    QByteArray Data;
  };
  quint32 FReserved = 0;
  std::vector<TStored> FEntries;
  qint64 FDataSize = 0;
};
