#include "Preview.h"

#include "BuilderStripArt.h"
#include "CardArt.h"
#include "OptionsArt.h"
#include "Ornaments.h"
#include "Product.h"
#include "SkinArchive.h"
#include "SkinLayout.h"

#include <QPainter>

#include <algorithm>

namespace skinart {

namespace {

void DrawEdge(QPainter& Painter, const QImage& Edge, const QRect& Target, bool Stretch,
              bool Horizontal) {
  if (Edge.isNull())
    return;
  if (Stretch) {
    Painter.drawImage(Target, Edge);
    return;
  }
  Painter.save();
  Painter.setClipRect(Target);
  const int step = Horizontal ? Edge.width() : Edge.height();
  const int end = Horizontal ? Target.right() : Target.bottom();
  for (int at = 0; at <= end; at += step)
    Painter.drawImage(Horizontal ? QPoint(at, Target.top()) : QPoint(Target.left(), at), Edge);
  Painter.restore();
}

} // namespace

QImage ComposeFrame(const TFrameSlots& Slots, QSize Client, bool Stretch) {
  QImage window(Client, QImage::Format_RGB32);
  window.fill(Qt::black);
  QPainter painter(&window);
  const QImage& tile = Slots.Pieces[8];
  if (!tile.isNull())
    painter.drawTiledPixmap(window.rect(), QPixmap::fromImage(tile));
  const int w = Client.width();
  const int h = Client.height();
  const QImage& top = Slots.Pieces[1];
  const QImage& bottom = Slots.Pieces[6];
  const QImage& left = Slots.Pieces[3];
  const QImage& right = Slots.Pieces[4];
  DrawEdge(painter, top, QRect(0, 0, w, top.height()), Stretch, true);
  DrawEdge(painter, bottom, QRect(0, h - bottom.height(), w, bottom.height()), Stretch, true);
  DrawEdge(painter, left, QRect(0, 0, left.width(), h), Stretch, false);
  DrawEdge(painter, right, QRect(w - right.width(), 0, right.width(), h), Stretch, false);
  const QImage& topLeft = Slots.Pieces[0];
  const QImage& topRight = Slots.Pieces[2];
  const QImage& bottomLeft = Slots.Pieces[5];
  const QImage& bottomRight = Slots.Pieces[7];
  painter.drawImage(0, 0, topLeft);
  painter.drawImage(w - topRight.width(), 0, topRight);
  painter.drawImage(0, h - bottomLeft.height(), bottomLeft);
  painter.drawImage(w - bottomRight.width(), h - bottomRight.height(), bottomRight);
  return window;
}

} // namespace skinart

namespace skinart {

namespace {

TFrameSlots MainFrame() {
  TFrameSlots frame;
  for (int i = 0; i < 9; ++i)
    frame.Pieces[i] = SkinPicture(2 + i);
  return frame;
}

TFrameSlots PopUpFrame() {
  TFrameSlots frame;
  frame.Pieces[3] = SkinPicture(19);
  frame.Pieces[4] = SkinPicture(20);
  frame.Pieces[5] = SkinPicture(21);
  frame.Pieces[8] = SkinPicture(10);
  return frame;
}

// The status line as the window draws it: bold black, 26 pixels above the bottom, centred.
void DrawStatus(QPainter& Painter, QSize Client, const QString& Text) {
  Painter.save();
  Painter.setFont(SansFont(11, true));
  Painter.setPen(Qt::black);
  Painter.drawText(QRect(0, Client.height() - 26, Client.width(), 14),
                   Qt::AlignHCenter | Qt::AlignTop, Text);
  Painter.restore();
}

QImage MainWindow(QSize Client, bool AboutPlaqueShown) {
  QImage window = ComposeFrame(MainFrame(), Client, true);
  QPainter painter(&window);
  const QImage bar = SkinPicture(11);
  painter.drawImage((Client.width() - bar.width()) / 2, Client.height() - bar.height(), bar);
  const QImage buttons = SkinPicture(4);
  painter.drawImage(Client.width() - buttons.width(), 0, buttons);
  if (AboutPlaqueShown) {
    const QImage plaque = SkinPicture(14);
    const int top = Client.height() - 90;
    painter.drawImage((Client.width() - plaque.width()) / 2, top - top % 3 + 1, plaque);
  }
  return window;
}

// A stand-in for a platform control, so the panel is judged with its controls in place.
void DrawMockField(QPainter& Painter, const QRect& Box, const QString& Text, bool DropDown) {
  Painter.save();
  Painter.setPen(QColor(120, 120, 120));
  Painter.setBrush(Qt::white);
  Painter.drawRect(Box.adjusted(0, 0, -1, -1));
  Painter.setFont(SansFont(11));
  Painter.setPen(Qt::black);
  Painter.drawText(Box.adjusted(4, 0, -18, 0), Qt::AlignLeft | Qt::AlignVCenter, Text);
  if (DropDown) {
    const QRect arrow(Box.right() - 15, Box.top() + 2, 14, Box.height() - 4);
    Painter.fillRect(arrow, QColor(225, 225, 225));
    Painter.setPen(Qt::black);
    Painter.drawText(arrow, Qt::AlignCenter, QStringLiteral("\u25be"));
  }
  Painter.restore();
}

void DrawMockCheck(QPainter& Painter, const QRect& Box) {
  Painter.save();
  Painter.setPen(QColor(120, 120, 120));
  Painter.setBrush(Qt::white);
  Painter.drawRect(Box.adjusted(0, 0, -1, -1));
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(QPen(Qt::black, 2));
  Painter.drawLine(QPointF(Box.left() + 3.5, Box.top() + 7.5),
                   QPointF(Box.left() + 6, Box.top() + 11));
  Painter.drawLine(QPointF(Box.left() + 6, Box.top() + 11),
                   QPointF(Box.left() + 11.5, Box.top() + 3.5));
  Painter.restore();
}

QImage OptionsPanelWithControls() {
  QImage panel = SkinPicture(17);
  QPainter painter(&panel);
  DrawMockField(painter, layout::CardsBox, QStringLiteral("Garden Animals"), true);
  DrawMockField(painter, layout::PairsBox, QStringLiteral("12"), true);
  DrawMockField(painter, layout::DelayBox, QStringLiteral("2.5"), true);
  DrawMockCheck(painter, layout::SoundCheck);
  const QString names[] = {QStringLiteral("Anna"), QStringLiteral("Tomas"), QString(), QString()};
  for (int i = 0; i < 4; ++i)
    DrawMockField(painter, layout::PlayerEdits[i], names[i], false);
  DrawMockCheck(painter, layout::ComputerCheck);
  const QRect slider = layout::LevelSlider;
  painter.drawImage(slider.topLeft(), SkinPicture(12));
  const QImage thumb = SkinPicture(13);
  const int level = 3;
  painter.drawImage(LevelTickX(level) - thumb.width() / 2, slider.top(), thumb);
  painter.drawImage(layout::OptionsBuilderStrip.topLeft(), OptionsBuilderStrip());
  return panel;
}

void DrawYellow(QPainter& Painter, const QRect& Box, const QString& Text, int Flags,
                bool Bold = false, const QColor& Colour = QColor(255, 255, 0)) {
  Painter.save();
  Painter.setFont(SansFont(11, Bold));
  Painter.setPen(Colour);
  Painter.drawText(Box, Flags, Text);
  Painter.restore();
}

QImage PopUpWindow(int TitleEntry) {
  QImage window = ComposeFrame(PopUpFrame(), layout::PopUpSize, false);
  QPainter painter(&window);
  painter.drawImage(0, 0, SkinPicture(18));
  const QImage title = SkinPicture(TitleEntry);
  painter.drawImage((window.width() - title.width()) / 2, layout::PopUpTitleTop, title);
  painter.drawImage(layout::PopUpCloseButton.topLeft(), SkinPicture(22));
  return window;
}

} // namespace

QImage PreviewCover() {
  QImage window = MainWindow(layout::MainClient, true);
  QPainter painter(&window);
  painter.drawImage((layout::MainClient.width() - layout::CoverSize.width()) / 2, 50,
                    SkinPicture(1));
  DrawStatus(painter, layout::MainClient, QStringLiteral("Welcome"));
  return window;
}

QImage PreviewOptions() {
  QImage window = MainWindow(layout::MainClient, true);
  QPainter painter(&window);
  painter.drawImage(layout::OptionsPlace, OptionsPanelWithControls());
  DrawStatus(painter, layout::MainClient, QStringLiteral("Set Options"));
  return window;
}

QImage PreviewBoard() {
  const int cols = 8;
  const int rows = 6;
  const QSize cell(56, 72);
  const QSize grid(cols * (cell.width() + 1), rows * (cell.height() + 1));
  const QSize client(std::max(490, grid.width() + 10), grid.height() + 91);
  QImage window = MainWindow(client, false);
  QPainter painter(&window);
  PreparePainter(painter);
  const int left = (client.width() - grid.width()) / 2;
  const TMotif motifs[] = {TMotif::Sun, TMotif::Moon, TMotif::Star, TMotif::Leaf, TMotif::Heart};
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      const QRectF box(left + col * (cell.width() + 1), 21 + row * (cell.height() + 1),
                       cell.width(), cell.height());
      const int n = row * cols + col;
      if (n == 9 || n == 10 || n == 30 || n == 37)
        continue; // removed pairs show the felt
      if (n == 19 || n == 28)
        DrawCardFace(painter, box.adjusted(1, 1, -1, -1), motifs[n % 5]);
      else
        DrawCardBack(painter, box.adjusted(1, 1, -1, -1));
    }
  }
  DrawStatus(painter, client, QStringLiteral("Computer: 1 pair   Anna: 1 pair   - Anna's turn"));
  return window;
}

QImage PreviewScore() {
  QImage window = PopUpWindow(30);
  QPainter painter(&window);
  PreparePainter(painter);
  const int flags = Qt::AlignLeft | Qt::AlignTop;
  DrawYellow(painter, QRect(32, 60, 100, 13), QStringLiteral("Players:"), flags);
  DrawYellow(painter, QRect(150, 60, 40, 13), QStringLiteral("Pairs:"), flags);
  const QString names[] = {QStringLiteral("Computer"), QStringLiteral("Anna"),
                           QStringLiteral("Tomas"), QString(), QString()};
  const int counts[] = {5, 4, 3, 0, 0};
  const int tops[] = {88, 108, 126, 144, 162};
  for (int i = 0; i < 5; ++i) {
    DrawYellow(painter, QRect(24, tops[i], 120, 13), names[i], flags);
    DrawYellow(painter, QRect(118, tops[i], 30, 13), QString::number(counts[i]),
               Qt::AlignRight | Qt::AlignTop);
  }
  DrawYellow(painter, QRect(24, 198, 170, 13), QStringLiteral("The winner is: Computer"), flags);
  const QRectF ad(200, 50, 178, 170);
  painter.fillRect(ad, QColor(250, 246, 232));
  DrawCardFace(painter, ad.adjusted(34, 12, -34, -12), TMotif::Sun);
  painter.drawImage(layout::ScoreBuilderStrip.topLeft(), ScoreBuilderStrip());
  return window;
}

QImage PreviewAbout() {
  QImage window = PopUpWindow(23);
  QPainter painter(&window);
  PreparePainter(painter);
  const QColor lime(0, 255, 0);
  const struct {
    int Top;
    const char* Text;
    bool Link;
    bool Bold;
  } lines[] = {{60, product::Title, false, false},
               {80, "Original concept and design by", false, false},
               {94, "Kovalent Games", false, true},
               {108, "12 Harbour Lane, Port Example", false, false},
               {120, "https://www.kovalent.example/", true, false},
               {132, "https://tesselo.kovalent.example/", true, false},
               {144, "games@kovalent.example", true, false},
               {170, "The animated card sets' artwork belongs to", false, false},
               {182, "Example Pixel Studio, used with its permission", false, false},
               {194, "https://pixels.example/", true, false}};
  for (const auto& line : lines)
    DrawYellow(painter, QRect(0, line.Top, 395, 13), QString::fromLatin1(line.Text),
               Qt::AlignHCenter | Qt::AlignTop, line.Bold, line.Link ? lime : QColor(255, 255, 0));
  DrawYellow(painter, QRect(20, 234, 280, 13), QStringLiteral("\u00a9 Kovalent Games"),
             Qt::AlignLeft | Qt::AlignTop);
  return window;
}

} // namespace skinart
