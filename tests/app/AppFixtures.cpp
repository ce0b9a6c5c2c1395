#include "AppFixtures.h"

#include "BoardGrid.h"
#include "GifEncoder.h"
#include "KVImageMap.h"
#include "KVRStream.h"
#include "KVRWriter.h"
#include "Product.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>

namespace apptest {

void TRecordingPopUps::ShowScore(const GameEngine& Game, const QImage& Advert,
                                 const QString& AdLink) {
  TScoreShown score;
  score.Winner = Game.State().WinnerName;
  for (int slot = 1; slot <= MaxPlayerSlots; ++slot) {
    score.Names.push_back(Game.State().Players[size_t(slot)].Name);
    score.Pairs.push_back(Game.State().Players[size_t(slot)].Pairs);
  }
  score.AdLink = AdLink;
  score.AdvertShown = !Advert.isNull();
  Scores.push_back(score);
}

QByteArray BmpBytes(const QImage& Picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  Picture.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
  return bytes;
}

QImage Solid(QSize Size, QColor Colour) {
  QImage picture(Size, QImage::Format_RGB32);
  picture.fill(Colour);
  return picture;
}

QByteArray GifBytes(QSize Size, int Frames) {
  QList<TGifSourceFrame> frames;
  for (int i = 0; i < Frames; ++i)
    frames.push_back({Solid(Size, QColor::fromHsv((i * 67) % 360, 200, 220)), 100});
  return EncodeGif(frames);
}

void WriteDamagedSkin(const QString& Path, int Damaged) {
  TKVResFileReader skin(testsupport::ProgramDir() + QStringLiteral("/tesselo.dat"));
  TKVResWriter writer;
  for (int i = 0; i < skin.Count; ++i) {
    QBuffer entry;
    entry.open(QIODevice::ReadWrite);
    skin.ReadToStream(i, entry);
    writer.AddPlain(i == Damaged ? QByteArray("BMnot a picture") : entry.data());
  }
  writer.SaveToFile(Path);
}

void WriteCardSet(const QString& Path, const QString& Title, qint32 Kind,
                  const QList<QByteArray>& Faces, QSize CardBox) {
  TCardSetHeader header;
  header.CardWidth = CardBox.width();
  header.CardHeight = CardBox.height();
  header.ImageCount = qint32(Faces.size());
  header.ImageKind = Kind;
  header.Title = Title;
  header.AdLink = QStringLiteral("https://cards.example/") + Title;
  TKVResWriter writer;
  writer.AddPlain(header.ToBytes());
  writer.AddPlain(BmpBytes(Solid({200, 100}, Qt::darkBlue)));
  writer.AddPlain(BmpBytes(Solid(CardBox, Qt::darkRed)));
  for (const QByteArray& face : Faces)
    writer.AddPlain(face);
  writer.SaveToFile(Path);
}

TAppFolder::TAppFolder(bool DefaultSets) {
  QDir(FDir.path()).mkpath(QStringLiteral("cards"));
  if (!DefaultSets)
    return;
  const QString source = testsupport::ProgramDir() + QStringLiteral("/cards/");
  for (const QString& name : QDir(source).entryList({QStringLiteral("*.crd")}, QDir::Files))
    QFile::link(source + name, CardsDir() + name);
}

QString TAppFolder::Path() const {
  return FDir.path() + QLatin1Char('/');
}

void TAppFolder::AddSoundFiles(bool Good, bool Bad, bool Module) {
  const QString source = testsupport::ProgramDir() + QLatin1Char('/');
  if (Good)
    QFile::copy(source + QStringLiteral("good.wav"), Path() + QStringLiteral("good.wav"));
  if (Bad)
    QFile::copy(source + QStringLiteral("bad.wav"), Path() + QStringLiteral("bad.wav"));
  if (Module)
    QFile::link(source + QStringLiteral(TESSELO_SOUND_MODULE),
                Path() + QStringLiteral(TESSELO_SOUND_MODULE));
}

TMainFormRig::TMainFormRig(bool DefaultSets)
    : Folder(DefaultSets), Store(Folder.Path() + QStringLiteral("config/registry.reg")) {
  QGuiApplication::setApplicationDisplayName(QString::fromLatin1(product::Title));
}

TMainFormRig::~TMainFormRig() {
  Destroy();
}

TMainForm& TMainFormRig::Create(QRect WorkArea, bool Show, bool Finish) {
  Destroy();
  TMainFormSetup setup;
  setup.AppDir = Folder.Path();
  setup.WorkArea = WorkArea;
  setup.Store = &Store;
  setup.Seeds = &Seeds;
  setup.SoundDevice = true;
  TOpenSkin skin;
  FForm = std::make_unique<TMainForm>(skin.Reader, setup);
  FForm->SetPopUps(&PopUps);
  if (Show)
    FForm->show();
  if (Finish)
    FForm->FinishCreate();
  return *FForm;
}

void TMainFormRig::Destroy() {
  if (FForm == nullptr)
    return;
  FForm->close();
  FForm.reset();
}

void ClickArea(TKVImageMap& Map, const QString& Name) {
  const int index = Map.IndexOfArea(Name);
  const TArea& area = Map.Area(index);
  const QPoint centre((area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2);
  QTest::mouseClick(&Map, Qt::LeftButton, {}, centre);
}

void ClickCell(TMainForm& Form, int Col, int Row) {
  QTest::mouseClick(Form.MGrid, Qt::LeftButton, {}, Form.MGrid->CellRect(Col, Row).center());
}

namespace {

template <typename TAccept> TCellPair FindPair(const GameEngine& Game, TAccept Accept) {
  const Board& cells = Game.Cells();
  for (int a = 0; a < cells.CellCount(); ++a) {
    const QPoint first(a % cells.Cols, a / cells.Cols);
    if (cells.StateAt(first.x(), first.y()) != CellState::FaceDown)
      continue;
    for (int b = a + 1; b < cells.CellCount(); ++b) {
      const QPoint second(b % cells.Cols, b / cells.Cols);
      if (cells.StateAt(second.x(), second.y()) == CellState::FaceDown &&
          Accept(cells.IdAt(first.x(), first.y()), cells.IdAt(second.x(), second.y())))
        return {first, second};
    }
  }
  return {};
}

} // namespace

TCellPair FaceDownPair(const GameEngine& Game) {
  return FindPair(Game, [](int A, int B) { return A == B; });
}

TCellPair FaceDownMiss(const GameEngine& Game) {
  return FindPair(Game, [](int A, int B) { return A != B; });
}

bool ElapseRevealTimer(TMainForm& Form) {
  if (!Form.Timer1().isActive())
    return false;
  Form.Timer1Timer();
  return true;
}

void ChooseItem(QComboBox& Box, const QString& Text) {
  const int index = Box.findText(Text);
  Box.setCurrentIndex(index);
  emit Box.activated(index);
}

} // namespace apptest
