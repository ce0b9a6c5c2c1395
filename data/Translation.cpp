#include "Translation.h"

#include <QCoreApplication>

namespace {

std::string QtWording(const char* Context, const char* Source, const char* Disambiguation,
                      int Count) {
  return QCoreApplication::translate(Context, Source, Disambiguation, Count).toStdString();
}

} // namespace

QString Translated(const TText& Text) {
  if (Text.Context == nullptr)
    return QString::fromUtf8(Text.Source);
  return QCoreApplication::translate(Text.Context, Text.Source);
}

void UseQtTranslationsForWording() {
  SetWordingHook(QtWording);
}
