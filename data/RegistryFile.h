// The settings store on desktops without a registry: one file per user in the registry's text
// export format (see RegistryText.h), so it can be read, edited and moved with ordinary tools.
//
// Each OpenKey reads the file afresh and CloseKey writes it back only when something changed,
// so keys and values written by others (an installer's "Software\Kovalent\Install") are kept.
// The file is replaced atomically: a crash or a full disk leaves the previous file whole. The
// new file is written beside it as registry.reg.new first, a name that a crash may leave behind
// and the next save takes up again.
// A file that cannot be parsed, or is larger than MaxRegistryFileSize, reads as an empty store;
// before it is replaced, its bytes are copied beside it (registry.reg.corrupt, then
// registry.reg.corrupt.2 and so on), and so is a file whose value is about to be overwritten by
// one of another type.
//
// Below the user's file lie read-only system files in the same format, written by an install
// (the card builder's folder under "Software\Kovalent\Install") or by an administrator. A value
// the user's file lacks is read from the first system file that holds it; the user's own values
// always win, and every write goes to the user's file. System files are never written, and one
// that is missing, unreadable or damaged is passed over.
#pragma once

#include "RegistryText.h"
#include "SettingsStore.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The largest settings file read; a larger one is handled like a damaged one.
constexpr qint64 MaxRegistryFileSize = 1024 * 1024;

// Name of the current user's root as it appears in key lines.
inline constexpr char RegistryUserRoot[] = "HKEY_CURRENT_USER";

// $XDG_CONFIG_HOME/Kovalent/registry.reg, by default ~/.config/Kovalent/registry.reg.
QString DefaultRegistryFilePath();

// The system files below the user's, the install's own record first: registry.reg in
// ProgramFolder, then etc/xdg/Kovalent/registry.reg two folders above it (an install under one
// prefix, such as /opt/tesselo/lib/tesselo), then Kovalent/registry.reg in each absolute folder
// of ConfigDirs, a colon-separated list as in $XDG_CONFIG_DIRS ("/etc/xdg" when empty).
QStringList SystemRegistryFilePaths(const QString& ProgramFolder, const QString& ConfigDirs);

// SystemRegistryFilePaths with ConfigDirs from $XDG_CONFIG_DIRS.
QStringList DefaultSystemRegistryFilePaths(const QString& ProgramFolder);

// Replaces FilePath with Bytes in one step, through the side file FilePath.new, so a crash at
// any moment leaves either the old file or the new one, whole; a link stays a link. Throws
// ESettingsStoreError naming FilePath. The folder must exist.
void ReplaceFile(const QString& FilePath, const QByteArray& Bytes);

class RegistryFile : public ISettingsStore {
public:
  // SystemFilePaths: the read-only files below FilePath, the first consulted first.
  explicit RegistryFile(QString FilePath, QStringList SystemFilePaths = {});
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
  // The open key's value Name: the user's own, else the first system file's; nullptr if none.
  const RegistryValue* FindValue(const QString& Name);
  // The open key in the user's file, added to it when only system files held it so far.
  RegistryKey& KeyToWrite();
  RegistryValue& ValueToWrite(const QString& Name, RegistryValueKind Kind);
  void ReadDocument();
  void ReadSystemKeys(const QString& FullPath);
  void WriteDocument(const RegistryDocument& Document, bool KeepOldAside) const;

  QString FFilePath;
  QStringList FSystemFilePaths;
  std::optional<RegistryDocument> FDocument; // held only while a key is open
  QString FKeyPath;                          // the open key's full path, root included
  std::optional<size_t> FKeyIndex;           // the open key in FDocument, if the user's file has it
  std::vector<RegistryKey> FSystemKeys;      // the open key as each system file holds it, in order
  bool FChanged = false;
  bool FKeepAside = false; // the file on disk holds something the next write would lose
};
