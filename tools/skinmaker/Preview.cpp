#include "Preview.h"

#include "BuilderStripArt.h"
#include "CardArt.h"
#include "OptionsArt.h"
#include "Ornaments.h"
#include "SkinArchive.h"
#include "SkinLayout.h"
#include "Translation.h"
#include "Verdict.h"

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

namespace entry = skinlayout::entry;
namespace mainform = skinlayout::mainform;
namespace options = skinlayout::options;
namespace popup = skinlayout::popup;

TFrameSlots Frame(const int (&Entries)[9]) {
  TFrameSlots frame;
  for (int i = 0; i < 9; ++i)
    if (Entries[i] != skinlayout::NoEntry)
      frame.Pieces[i] = SkinPicture(Entries[i]);
  return frame;
}

// The status line as the window draws it: bold black, centred.
void DrawStatus(QPainter& Painter, QSize Client, const QString& Text) {
  Painter.save();
  Painter.setFont(SansFont(11, true));
  Painter.setPen(Qt::black);
  Painter.drawText(QRect(0, Client.height() - mainform::StatusFromBottom, Client.width(), 14),
                   Qt::AlignHCenter | Qt::AlignTop, Text);
  Painter.restore();
}

QImage MainWindow(QSize Client, bool AboutPlaqueShown) {
  QImage window = ComposeFrame(Frame(mainform::FrameEntries), Client, true);
  QPainter painter(&window);
  const QImage bar = SkinPicture(entry::CommandBar);
  painter.drawImage((Client.width() - bar.width()) / 2, Client.height() - bar.height(), bar);
  const QImage buttons = SkinPicture(entry::FrameTopRight);
  painter.drawImage(Client.width() - buttons.width(), 0, buttons);
  // Pictures of the window at its design size only.
  if (AboutPlaqueShown) {
    const QImage plaque = SkinPicture(entry::AboutPlaque);
    painter.drawImage((Client.width() - plaque.width()) / 2, mainform::AboutPlaqueTop, plaque);
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
  QImage panel = SkinPicture(entry::OptionsBackground);
  QPainter painter(&panel);
  DrawMockField(painter, options::CardsBox, QStringLiteral("Garden Animals"), true);
  DrawMockField(painter, options::PairsBox, QStringLiteral("12"), true);
  DrawMockField(painter, options::DelayBox, QStringLiteral("2.5"), true);
  DrawMockCheck(painter, options::SoundCheck);
  const QString names[] = {QStringLiteral("Anna"), QStringLiteral("Tomas"), QString(), QString()};
  for (int i = 0; i < 4; ++i)
    DrawMockField(painter, options::PlayerEdits[i], names[i], false);
  DrawMockCheck(painter, options::ComputerCheck);
  const QRect slider = options::LevelSlider;
  painter.drawImage(slider.topLeft(), SkinPicture(entry::SliderTrack));
  const QImage thumb = SkinPicture(entry::SliderThumb);
  const int level = 3;
  painter.drawImage(LevelTickX(level) - thumb.width() / 2, slider.top(), thumb);
  painter.drawImage(options::BuilderStrip.topLeft(), OptionsBuilderStrip());
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
  QImage window = ComposeFrame(Frame(popup::FrameEntries), popup::Size, false);
  QPainter painter(&window);
  painter.drawImage(0, 0, SkinPicture(entry::PopUpTitleStrip));
  const QImage title = SkinPicture(TitleEntry);
  painter.drawImage((window.width() - title.width()) / 2, popup::TitleTop, title);
  painter.drawImage(popup::CloseButton.topLeft(), SkinPicture(entry::PopUpCloseButton));
  return window;
}

// A label as the pop-ups draw it: one line in the windows' font, LabelHeight high.
QRect LabelBox(QPoint Place, int Width) {
  return QRect(Place, QSize(Width, popup::LabelHeight));
}

} // namespace

QImage PreviewCover() {
  QImage window = MainWindow(mainform::Client, true);
  QPainter painter(&window);
  painter.drawImage(mainform::CoverPlace, SkinPicture(entry::Cover));
  DrawStatus(painter, mainform::Client, Translated(mainform::WelcomeText));
  return window;
}

QImage PreviewOptions() {
  QImage window = MainWindow(mainform::Client, true);
  QPainter painter(&window);
  painter.drawImage(options::Place, OptionsPanelWithControls());
  DrawStatus(painter, mainform::Client, Translated(mainform::OptionsStatusText));
  return window;
}

QImage PreviewBoard() {
  const int cols = 8;
  const int rows = 6;
  const QSize cell(56, 72);
  const QSize grid(cols * (cell.width() + 1), rows * (cell.height() + 1));
  const QSize client(std::max(mainform::Client.width(), grid.width() + 2 * mainform::RailWidth),
                     grid.height() + mainform::TitleHeight + mainform::BottomHeight);
  QImage window = MainWindow(client, false);
  QPainter painter(&window);
  PreparePainter(painter);
  const int left = (client.width() - grid.width()) / 2;
  const TMotif motifs[] = {TMotif::Sun, TMotif::Moon, TMotif::Star, TMotif::Leaf, TMotif::Heart};
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      const QRectF box(left + col * (cell.width() + 1),
                       mainform::TitleHeight + row * (cell.height() + 1), cell.width(),
                       cell.height());
      const int n = row * cols + col;
      if (n == 9 || n == 10 || n == 30 || n == 37)
        continue; // removed pairs show the felt
      if (n == 19 || n == 28)
        DrawCardFace(painter, box.adjusted(1, 1, -1, -1), motifs[n % 5]);
      else
        DrawCardBack(painter, box.adjusted(1, 1, -1, -1));
    }
  }
  DrawStatus(painter, client, QString::fromStdString(PlayingStatusText({"Anna", 1})));
  return window;
}

QImage PreviewScore() {
  namespace score = skinlayout::score;
  QImage window = PopUpWindow(score::TitleEntry);
  QPainter painter(&window);
  PreparePainter(painter);
  const int flags = Qt::AlignLeft | Qt::AlignTop;
  DrawYellow(painter, LabelBox(score::PlayersCaptionPlace, 100), Translated(score::PlayersCaption),
             flags);
  DrawYellow(painter, LabelBox(score::PairsCaptionPlace, 40), Translated(score::PairsCaption),
             flags);
  const QString names[] = {QString::fromStdString(ComputerName()), QStringLiteral("Anna"),
                           QStringLiteral("Tomas"), QString(), QString()};
  const int counts[] = {5, 4, 3, 0, 0};
  for (int i = 0; i < 5; ++i) {
    const int top = score::RowTops[i];
    DrawYellow(painter, LabelBox({score::NameLeft, top}, 120), names[i], flags);
    DrawYellow(painter, score::PairBox.translated(0, top), QString::number(counts[i]),
               Qt::AlignRight | Qt::AlignTop);
  }
  DrawYellow(painter, LabelBox(score::WinnerPlace, 170),
             QString::fromStdString(WinnerLine(names[0].toStdString())), flags);
  const QRectF ad(score::AdImage);
  painter.fillRect(ad, QColor(250, 246, 232));
  DrawCardFace(painter, ad.adjusted(34, 12, -34, -12), TMotif::Sun);
  painter.drawImage(score::BuilderStrip.topLeft(), ScoreBuilderStrip());
  return window;
}

QImage PreviewAbout() {
  namespace about = skinlayout::about;
  QImage window = PopUpWindow(about::TitleEntry);
  QPainter painter(&window);
  PreparePainter(painter);
  const QColor lime(0, 255, 0);
  const QColor yellow(255, 255, 0);
  for (const about::TLine& line : about::Lines)
    DrawYellow(painter, LabelBox({0, line.Top}, popup::Size.width()), Translated(line.Text),
               Qt::AlignHCenter | Qt::AlignTop, line.Bold,
               line.Kind == about::TLineKind::Text || line.Kind == about::TLineKind::Name ? yellow
                                                                                          : lime);
  DrawYellow(painter, LabelBox(about::CopyrightPlace, 280), Translated(about::CopyrightText),
             Qt::AlignLeft | Qt::AlignTop);
  return window;
}

} // namespace skinart
