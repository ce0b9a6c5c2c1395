#include "PreviewSheet.h"

#include "ArtKit.h"

#include "CardSetLoader.h"
#include "GifImage.h"

#include <QFont>

#include <numeric>

namespace {

constexpr int Margin = 10;
constexpr int Gap = 6;
constexpr int TitleHeight = 24;
const QColor Table(38, 70, 56);

QList<QList<QImage>> FaceRows(const TCardSetLoader& loader, bool allFrames) {
  QList<QList<QImage>> faces;
  for (const QByteArray& stream : loader.FaceStreams()) {
    QList<QImage> frames;
    for (const TGifFrame& frame : DecodeGif(stream).Frames)
      frames.push_back(frame.Image);
    faces.push_back(allFrames ? frames : QList<QImage>{frames.front()});
  }
  for (const QImage& picture : loader.FacePictures())
    faces.push_back({picture});
  return faces;
}

} // namespace

QImage DrawPreviewSheet(const QString& CardSetFile, int Columns, QSize Cell, bool AllFrames) {
  TCardSetLoader loader(CardSetFile);
  const CardSetHeaderInfo info = loader.ReadHeader();
  std::vector<int32_t> every(size_t(info.ImageCount));
  std::iota(every.begin(), every.end(), 0);
  loader.LoadFaces(every);
  QList<QList<QImage>> faces = FaceRows(loader, AllFrames);
  if (AllFrames && loader.Header().ImageKind == TCardSetHeader::GifKind) {
    // One animation per row, its frames side by side.
    const QList<QList<QImage>> rows = faces;
    Columns = 0;
    for (const auto& row : rows)
      Columns = std::max(Columns, int(row.size()));
    faces.clear();
    for (const auto& row : rows)
      for (int i = 0; i < Columns; ++i)
        faces.push_back({i < row.size() ? row[i] : QImage()});
  }
  const int rows = int((faces.size() + Columns - 1) / Columns);
  const int sideWidth = 178 + 2 * Gap;
  const QSize size(Margin * 2 + sideWidth + Columns * (Cell.width() + Gap),
                   Margin * 2 + TitleHeight +
                       std::max(rows * (Cell.height() + Gap), 170 + 90 + Gap * 3));
  QImage sheet = ArtCanvas(size, Table);
  QPainter p(&sheet);
  PrepareArtPainter(p);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(15);
  p.setFont(font);
  p.setPen(QColor(240, 235, 210));
  p.drawText(QRect(Margin, Margin, size.width(), TitleHeight), Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("%1 - %2 faces, card box %3 x %4")
                 .arg(loader.Header().Title)
                 .arg(info.ImageCount)
                 .arg(info.CardWidth)
                 .arg(info.CardHeight));
  const int top = Margin + TitleHeight;
  p.drawImage(QRect(Margin, top, 178, 170), loader.Advert());
  p.drawImage(QRect(Margin + 29, top + 170 + Gap * 2, 120, 90), loader.CardBack());
  const int left = Margin + sideWidth;
  for (qsizetype i = 0; i < faces.size(); ++i) {
    const QRect cell(left + int(i % Columns) * (Cell.width() + Gap),
                     top + int(i / Columns) * (Cell.height() + Gap), Cell.width(), Cell.height());
    if (!faces[i].front().isNull())
      p.drawImage(cell, faces[i].front());
  }
  return sheet;
}
