// The registry's text export format ("REGEDIT4"), as plain data and two pure functions, so the
// settings file can be read from any bytes and written back without losing what others put in it.
//
// Accepted input: an optional UTF-8 byte-order mark, the header line "REGEDIT4" (or "Windows
// Registry Editor Version 5.00"), then key lines "[path]" each followed by value lines
//   "Name"=dword:0000000a     exactly eight hex digits
//   "Name"="text"             with \\ and \" as the only escapes
//   "Name"=anything else      kept verbatim (hex:, hex(2):, -), with "\" line continuations
// where @ in place of "Name" is the key's default value. Blank lines and lines starting with ";"
// are skipped. Lines end in LF or CRLF. Anything else, bytes that are not UTF-8 included, makes
// the whole text unparseable: a damaged file is never half-understood and then overwritten.
//
// Output: "REGEDIT4", keys and values in their stored order, UTF-8 without a byte-order mark,
// CRLF line ends as the registry editor writes them, a blank line before every key.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

enum class RegistryValueKind { Dword, String, Other };

struct RegistryValue {
  QString Name; // empty for the key's default value, written as @
  RegistryValueKind Kind = RegistryValueKind::String;
  quint32 Dword = 0;
  QString Text; // String: the unescaped text; Other: the data after "=" exactly as read

  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct RegistryKey {
  QString Path; // full path as written between the brackets, root included
  std::vector<RegistryValue> Values;

  friend bool operator==(const RegistryKey&, const RegistryKey&) = default;
};

struct RegistryDocument {
  std::vector<RegistryKey> Keys;

  friend bool operator==(const RegistryDocument&, const RegistryDocument&) = default;
};

// The document held by Bytes, or nothing when Bytes are not a registry text export. Never
// throws; the cost is linear in the size of Bytes.
std::optional<RegistryDocument> ParseRegistryText(const QByteArray& Bytes);

// The text export of Document. Values of kind String must not contain line breaks (the format
// has no way to write them); callers make such values one line before they are stored.
QByteArray FormatRegistryText(const RegistryDocument& Document);

// Registry names compare without regard to letter case.
bool SameRegistryName(const QString& A, const QString& B);

// The key whose path is Path, or nullptr.
RegistryKey* FindRegistryKey(RegistryDocument& Document, const QString& Path);

// The value of Key named Name, or nullptr.
RegistryValue* FindRegistryValue(RegistryKey& Key, const QString& Name);
