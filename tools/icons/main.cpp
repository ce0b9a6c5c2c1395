// Writes the game's emblem at the sizes of the desktop's icon theme.
//
//   tesselo_icons EMBLEM.png SIZE OUT.png [SIZE OUT.png ...]
//
// Each OUT.png is the emblem scaled to SIZE x SIZE pixels with area averaging, so thin lines
// fade instead of breaking up. Every run gives the same bytes.
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

int Fail(const char* Text, const QString& Subject) {
  std::fprintf(stderr, "tesselo_icons: %s %s\n", Text, qPrintable(Subject));
  return 1;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fputs("Usage: tesselo_icons EMBLEM.png SIZE OUT.png [SIZE OUT.png ...]\n", stderr);
    return 1;
  }
  const QString emblemPath = QString::fromLocal8Bit(argv[1]);
  QImage emblem(emblemPath);
  if (emblem.isNull())
    return Fail("cannot read", emblemPath);
  emblem = emblem.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int i = 2; i + 1 < argc; i += 2) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    const QString out = QString::fromLocal8Bit(argv[i + 1]);
    if (!ok || size < 1 || size > 1024)
      return Fail("is not an icon size from 1 to 1024:", QString::fromLocal8Bit(argv[i]));
    const QImage icon = emblem.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    // Quality 0 asks for the strongest compression; the pixels are the same.
    if (!icon.save(out, "PNG", 0))
      return Fail("cannot write", out);
  }
  return 0;
}
