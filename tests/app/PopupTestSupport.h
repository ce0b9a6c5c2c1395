// Fixtures shared by the pop-up tests: the build's skin archive, stand-ins for the desktop
// shell and the message box, and mouse gestures.
#pragma once

#include "KVMessageBox.h"
#include "KVRStream.h"
#include "KVShell.h"
#include "OpenSkin.h"

#include <QBuffer>
#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace popuptest {

// Records every request and answers with the results set.
class TFakeShell : public TKVShell {
public:
  bool OpenLink(const QString& Link) override;
  bool Execute(const QString& Program, const QStringList& Arguments) override;
  QString RegisteredCommand(const QString&) override { return {}; }

  QStringList Opened;
  QStringList Executed; // "program|argument|argument..."
  bool OpenResult = true;
  bool ExecuteResult = true;
};

class TFakeMessageBox : public TKVMessageBox {
public:
  int Show(const QString& Text, const QString& Caption, int Flags) override;
  QStringList Texts;
};

// Installs the fakes and the two cursors for the life of the object.
class TFakeDesktop {
public:
  TFakeDesktop();
  ~TFakeDesktop();
  TFakeShell Shell;
  TFakeMessageBox Box;
};

// An archive holding the real skin's entries 0..Count-1, with entry Broken (if any) replaced
// by bytes that are no bitmap, open in Reader and read for windows through Skin.
class TPartialSkin {
public:
  TPartialSkin(TKVResReader& Skin, int Count, int Broken = -1);
  TKVResReader Reader;
  TSkinReader Skin{Reader};

private:
  QByteArray FBytes;
  QBuffer FStream;
};

// A left-button drag on Surface: press at From, move by Offset, release where the pointer is
// in the control's coordinates once the window has followed (From again).
void Drag(QWidget* Surface, QPoint From, QPoint Offset, Qt::MouseButton Button = Qt::LeftButton);
// A press and release at At.
void Click(QWidget* Target, QPoint At, Qt::MouseButton Button = Qt::LeftButton);

// Saves Window's picture as Name.png in the folder named by TESSELO_SHOTS_DIR, when set.
void SaveShot(QWidget* Window, const QString& Name);

} // namespace popuptest
