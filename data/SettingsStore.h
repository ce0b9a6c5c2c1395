// The per-user settings store as the game uses it: keys addressed by a backslash-separated path
// under the current user's root (for example "Software\Kovalent\Install\"), each holding 32-bit
// integer and string values. On Windows this is the registry; elsewhere a file in its text
// export format (RegistryFile). One key is open at a time.
#pragma once

#include <QString>
#include <QtGlobal>

#include <stdexcept>

// Every failure of a store: it cannot be read or written, or a value has another type than the
// one asked for.
class ESettingsStoreError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class ISettingsStore {
public:
  virtual ~ISettingsStore() = default;

  // Makes Path the open key, closing any key open before. A missing key is created when
  // CanCreate is set; otherwise the result is false and no key is open. Key paths and value
  // names compare without regard to letter case; a trailing backslash is ignored.
  virtual bool OpenKey(const QString& Path, bool CanCreate) = 0;

  // The calls below need an open key and throw ESettingsStoreError without one.
  virtual bool ValueExists(const QString& Name) = 0;
  // Throws when the value is missing or not an integer.
  virtual qint32 ReadInteger(const QString& Name) = 0;
  // A missing value reads as an empty text; a value that is not a string throws.
  virtual QString ReadString(const QString& Name) = 0;
  // Writing replaces a value of any type.
  virtual void WriteInteger(const QString& Name, qint32 Value) = 0;
  // A string is stored on one line: its line breaks become spaces.
  virtual void WriteString(const QString& Name, const QString& Value) = 0;

  // Ends the work on the open key; what was written is durable once it returns. Throws when the
  // changes could not be stored (they are then lost, and what the store held before is kept).
  // Without an open key it does nothing.
  virtual void CloseKey() = 0;
};
