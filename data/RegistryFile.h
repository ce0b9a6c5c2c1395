// The settings store on desktops without a registry: one file per user in the registry's text
// export format (see RegistryText.h), so it can be read, edited and moved with ordinary tools.
//
// Each OpenKey reads the file afresh and CloseKey writes it back only when something changed,
// so keys and values written by others (an installer's "Software\Kovalent\Install") are kept.
// The file is replaced atomically: a crash or a full disk leaves the previous file whole.
// A file that cannot be parsed, or is larger than MaxRegistryFileSize, reads as an empty store;
// before it is replaced, its bytes are copied beside it (registry.reg.corrupt, then
// registry.reg.corrupt.2 and so on), and so is a file whose value is about to be overwritten by
// one of another type.
#pragma once

#include "RegistryText.h"
#include "SettingsStore.h"

#include <QString>

#include <optional>

// The largest settings file read; a larger one is handled like a damaged one.
constexpr qint64 MaxRegistryFileSize = 1024 * 1024;

// Name of the current user's root as it appears in key lines.
inline constexpr char RegistryUserRoot[] = "HKEY_CURRENT_USER";

// $XDG_CONFIG_HOME/Kovalent/registry.reg, by default ~/.config/Kovalent/registry.reg.
QString DefaultRegistryFilePath();

class RegistryFile : public ISettingsStore {
public:
  explicit RegistryFile(QString FilePath);
  ~RegistryFile() override = default;

  bool OpenKey(const QString& Path, bool CanCreate) override;
  bool ValueExists(const QString& Name) override;
  qint32 ReadInteger(const QString& Name) override;
  QString ReadString(const QString& Name) override;
  void WriteInteger(const QString& Name, qint32 Value) override;
  void WriteString(const QString& Name, const QString& Value) override;
  void CloseKey() override;

  const QString& FilePath() const { return FFilePath; }

private:
  RegistryKey& OpenedKey();
  RegistryValue& ValueToWrite(const QString& Name, RegistryValueKind Kind);
  void ReadDocument();
  void WriteDocument(const RegistryDocument& Document, bool KeepOldAside) const;

  QString FFilePath;
  std::optional<RegistryDocument> FDocument; // held only while a key is open
  size_t FKeyIndex = 0;
  bool FChanged = false;
  bool FKeepAside = false; // the file on disk holds something the next write would lose
};
