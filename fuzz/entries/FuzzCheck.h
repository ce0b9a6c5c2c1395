// How an entry reports a broken property: a message, then abort, so both libFuzzer and the
// replay test see a failure with the reason on stderr.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace fuzzentry {

[[noreturn]] void Broken(const char* Property);

inline void Check(bool Holds, const char* Property) {
  if (!Holds)
    Broken(Property);
}

// The input as bytes without copying; valid while Data lives.
inline QByteArray Bytes(const uint8_t* Data, size_t Size) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
}

// A private folder for the entries that must go through files, made once per process.
QString ScratchDir();

// Replaces the file Path with Bytes; false when it cannot be written.
bool WriteWholeFile(const QString& Path, const QByteArray& Bytes);

} // namespace fuzzentry
