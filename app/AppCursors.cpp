#include "AppCursors.h"

#include "KVCursors.h"
#include "SkinLayout.h"

#include <QPixmap>

namespace {

void RegisterCursor(int Number, const char* Resource) {
  const QPixmap picture(QString::fromLatin1(Resource));
  if (!picture.isNull())
    TKVCursors::Register(Number, QCursor(picture, skinlayout::cursors::HotSpot.x(),
                                         skinlayout::cursors::HotSpot.y()));
}

} // namespace

void RegisterMoveCursor() {
  RegisterCursor(TKVCursors::crHandMove, ":/crhmove.png");
}

void RegisterPointCursor() {
  RegisterCursor(TKVCursors::crHandPoint, ":/crhpoint.png");
}
