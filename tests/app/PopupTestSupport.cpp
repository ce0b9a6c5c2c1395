#include "PopupTestSupport.h"

#include "KVCursors.h"
#include "KVRStream.h"
#include "KVRWriter.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

namespace popuptest {

bool TFakeShell::OpenLink(const QString& Link) {
  Opened << Link;
  return OpenResult;
}

bool TFakeShell::Execute(const QString& Program, const QStringList& Arguments) {
  Executed << (QStringList{Program} + Arguments).join(QLatin1Char('|'));
  return ExecuteResult;
}

int TFakeMessageBox::Show(const QString& Text, const QString&, int) {
  Texts << Text;
  return 1;
}

TFakeDesktop::TFakeDesktop() {
  TKVShell::SetInstance(&Shell);
  TKVMessageBox::SetInstance(&Box);
  TKVCursors::Register(TKVCursors::crHandMove, QCursor(Qt::OpenHandCursor));
  TKVCursors::Register(TKVCursors::crHandPoint, QCursor(Qt::PointingHandCursor));
}

TFakeDesktop::~TFakeDesktop() {
  TKVShell::SetInstance(nullptr);
  TKVMessageBox::SetInstance(nullptr);
}

TPartialSkin::TPartialSkin(TKVResReader& Skin, int Count, int Broken) {
  TKVResWriter writer;
  for (int i = 0; i < Count; ++i) {
    QBuffer entry;
    entry.open(QIODevice::ReadWrite);
    Skin.ReadToStream(i, entry);
    writer.AddPlain(i == Broken ? QByteArray("not a bitmap") : entry.data());
  }
  FBytes = writer.ToBytes();
  FStream.setBuffer(&FBytes);
  FStream.open(QIODevice::ReadOnly);
  Reader.SetStream(&FStream);
  Reader.ReadDirectory();
}

void Drag(QWidget* Surface, QPoint From, QPoint Offset, Qt::MouseButton Button) {
  QTest::mousePress(Surface, Button, {}, From);
  QTest::mouseMove(Surface, From + Offset);
  QCoreApplication::processEvents();
  QTest::mouseRelease(Surface, Button, {}, From);
  QCoreApplication::processEvents();
}

void Click(QWidget* Target, QPoint At, Qt::MouseButton Button) {
  QTest::mousePress(Target, Button, {}, At);
  QTest::mouseRelease(Target, Button, {}, At);
  QCoreApplication::processEvents();
}

void SaveShot(QWidget* Window, const QString& Name) {
  const QString dir = qEnvironmentVariable("TESSELO_SHOTS_DIR");
  if (dir.isEmpty())
    return;
  QDir().mkpath(dir);
  Window->grab().save(dir + QLatin1Char('/') + Name + QStringLiteral(".png"));
}

} // namespace popuptest
