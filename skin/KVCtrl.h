// TKVStrings: a component without a visible part that carries a list of text lines with the
// window that owns it (the help window keeps its RTF document in one).
#pragma once

#include <QObject>
#include <QStringList>

class TKVStrings : public QObject {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)

public:
  explicit TKVStrings(QObject* Owner = nullptr) : QObject(Owner) {}

  // Source lines, one list entry per line; for an RTF document each character stands for one
  // Windows-1252 byte.
  const QStringList& Lines() const { return FLines; }
  QStringList& Lines() { return FLines; }
  // Copies the given lines; the caller keeps its list.
  void SetLines(const QStringList& Value) { FLines = Value; }

private:
  QStringList FLines;
};
