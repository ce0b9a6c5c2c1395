#include "PairSets.h"

#include "SetArtwork.h"
#include "ShapeFaces.h"
#include "SpokenWords.h"

#include "BmpEncoder.h"
#include "CardArt.h"

#include <array>

namespace {

const QStringList Languages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                               QStringLiteral("es")};
constexpr int English = 0;
constexpr int German = 1;
constexpr int French = 2;
constexpr int Spanish = 3;
using TWords = std::array<const char*, 4>; // one word a language, in the order of Languages

TDeckRequest PairRequest(const QString& Title, const QString& Page) {
  TDeckRequest request;
  request.Title = Title;
  request.Link = QStringLiteral("https://www.kovalent.example/cards/") + Page;
  request.CardBox = {120, 90};
  request.Languages = Languages;
  request.PictureStorage = TEntryStorage::Compressed;
  return request;
}

TFaceSource Picture(const QString& Name, const QImage& Image) {
  return {Name, {}, EncodeBmp(Image)};
}

QMap<QString, QString> Texts(const std::array<QString, 4>& Words) {
  QMap<QString, QString> texts;
  for (int l = 0; l < 4; ++l)
    texts.insert(Languages[l], Words[size_t(l)]);
  return texts;
}

// --- Shapes and colours -----------------------------------------------------------------------

// German, French and Spanish adjectives agree with the noun, so each colour gives its word
// for every gender a shape's noun may have.
enum TGender { Masculine, Feminine, Neuter };

struct TShapeName {
  int Shape; // as PaintShape numbers them
  TWords Noun;
  std::array<TGender, 3> Gender; // of the German, French and Spanish nouns
};

struct TColourName {
  int Colour; // in ShapeColours
  const char* English;
  std::array<const char*, 3> German; // masculine, feminine, neuter, without an article
  std::array<const char*, 2> French; // masculine, feminine
  std::array<const char*, 2> Spanish;
};

// Six shapes no child mistakes for one another.
const std::array<TShapeName, 6> ShapeNames = {{
    {0, {"circle", "Kreis", "cercle", "círculo"}, {Masculine, Masculine, Masculine}},
    {1, {"square", "Quadrat", "carré", "cuadrado"}, {Neuter, Masculine, Masculine}},
    {2, {"triangle", "Dreieck", "triangle", "triángulo"}, {Neuter, Masculine, Masculine}},
    {3, {"diamond", "Raute", "losange", "rombo"}, {Feminine, Masculine, Masculine}},
    {4, {"star", "Stern", "étoile", "estrella"}, {Masculine, Feminine, Feminine}},
    {5, {"heart", "Herz", "cœur", "corazón"}, {Neuter, Masculine, Masculine}},
}};

// Four colours far apart in hue and lightness, so no two faces are taken for one name.
const std::array<TColourName, 4> ColourNames = {{
    {0, "red", {"roter", "rote", "rotes"}, {"rouge", "rouge"}, {"rojo", "roja"}},
    {2, "yellow", {"gelber", "gelbe", "gelbes"}, {"jaune", "jaune"}, {"amarillo", "amarilla"}},
    {3, "green", {"grüner", "grüne", "grünes"}, {"vert", "verte"}, {"verde", "verde"}},
    {5, "blue", {"blauer", "blaue", "blaues"}, {"bleu", "bleue"}, {"azul", "azul"}},
}};

QString Utf8(const char* Text) {
  return QString::fromUtf8(Text);
}

std::array<QString, 4> ShapeName(const TShapeName& Shape, const TColourName& Colour) {
  const auto adjective = [&](int language) {
    const TGender gender = Shape.Gender[size_t(language - 1)];
    if (language == German)
      return Utf8(Colour.German[size_t(gender)]);
    const auto& forms = language == French ? Colour.French : Colour.Spanish;
    return Utf8(forms[gender == Feminine ? 1 : 0]);
  };
  const auto noun = [&](int language) { return Utf8(Shape.Noun[size_t(language)]); };
  return {Utf8(Colour.English) + QLatin1Char(' ') + noun(English),
          adjective(German) + QLatin1Char(' ') + noun(German),
          noun(French) + QLatin1Char(' ') + adjective(French),
          noun(Spanish) + QLatin1Char(' ') + adjective(Spanish)};
}

TDefaultSet LearnShapesSet() {
  TDeckRequest request =
      PairRequest(QStringLiteral("Learn shapes and colours"), QStringLiteral("learn-shapes"));
  const QList<QColor> colours = ShapeColours();
  for (const TShapeName& shape : ShapeNames)
    for (const TColourName& colour : ColourNames) {
      const std::array<QString, 4> name = ShapeName(shape, colour);
      // Painted as large as the builder draws the words, so both stay sharp on a large board.
      TPairSide picture;
      picture.Source = Picture(QString(name[English]).replace(QLatin1Char(' '), QLatin1Char('-')) +
                                   QStringLiteral(".bmp"),
                               DrawShapeFace(shape.Shape, colours[colour.Colour], 2));
      picture.Texts = Texts(name);
      TPairSide word;
      word.Kind = TFaceKind::Word;
      word.Texts = picture.Texts;
      request.Pairs.push_back({picture, word});
    }
  // Two pairs, each picture beside its word.
  QList<QImage> corners;
  for (const auto& [shape, colour] :
       {std::pair(ShapeNames[0], ColourNames[0]), std::pair(ShapeNames[4], ColourNames[3])})
    corners += {DrawShapeFace(shape.Shape, colours[colour.Colour]),
                DrawWordCard(request.CardBox, ShapeName(shape, colour)[English])};
  request.Advert = Picture(QStringLiteral("advert"),
                           DrawAdvert(Mosaic(corners), request.Title,
                                      QStringLiteral("A shape and its name, in 4 languages"),
                                      QStringLiteral("www.kovalent.example")));
  request.Back = Picture(QStringLiteral("back"), DrawShapesBack());
  request.FaceStorage = TEntryStorage::Compressed;
  return {QStringLiteral("learn-shapes.crd"), request};
}

// --- Animal words -----------------------------------------------------------------------------

// What each language calls the languages, for the captions: "Hund (German)", "Hund (Deutsch)".
const std::array<TWords, 4> LanguageNames = {{
    {"English", "German", "French", "Spanish"},
    {"Englisch", "Deutsch", "Französisch", "Spanisch"},
    {"anglais", "allemand", "français", "espagnol"},
    {"inglés", "alemán", "francés", "español"},
}};

struct TAnimalWord {
  const char* English;
  int Language; // of the other card
  const char* Word;
};

const std::array<TAnimalWord, 12> AnimalWords = {{
    {"dog", German, "Hund"},
    {"cat", German, "Katze"},
    {"horse", German, "Pferd"},
    {"pig", German, "Schwein"},
    {"cow", French, "vache"},
    {"bird", French, "oiseau"},
    {"fish", French, "poisson"},
    {"frog", French, "grenouille"},
    {"mouse", Spanish, "ratón"},
    {"sheep", Spanish, "oveja"},
    {"duck", Spanish, "pato"},
    {"rabbit", Spanish, "conejo"},
}};

TPairSide SoundSide(const QString& Word, int Language) {
  TPairSide side;
  side.Kind = TFaceKind::Sound;
  side.Source = {QStringLiteral("%1-%2.wav").arg(Word, Languages[Language]),
                 {},
                 SpeakWord(Languages[Language], Word)};
  std::array<QString, 4> captions;
  for (int l = 0; l < 4; ++l)
    captions[size_t(l)] =
        QStringLiteral("%1 (%2)").arg(Word, Utf8(LanguageNames[size_t(l)][size_t(Language)]));
  side.Texts = Texts(captions);
  return side;
}

TDefaultSet HearWordsSet() {
  TDeckRequest request =
      PairRequest(QStringLiteral("Animal words to hear"), QStringLiteral("hear-words"));
  for (const TAnimalWord& animal : AnimalWords)
    request.Pairs.push_back(
        {SoundSide(Utf8(animal.English), English), SoundSide(Utf8(animal.Word), animal.Language)});
  QList<QImage> fan;
  for (const QString& caption :
       {QStringLiteral("dog"), QStringLiteral("Hund"), QStringLiteral("vache")})
    fan.push_back(DrawSoundCard(request.CardBox, caption));
  request.Advert = Picture(QStringLiteral("advert"),
                           DrawAdvert(FannedCards(fan, QColor(30, 80, 110)), request.Title,
                                      QStringLiteral("One word heard in two languages"),
                                      QStringLiteral("www.kovalent.example")));
  request.FaceStorage = TEntryStorage::Plain; // GIF faces gain nothing from compression
  return {QStringLiteral("hear-words.crd"), request};
}

} // namespace

QList<TDefaultSet> PairSets() {
  return {LearnShapesSet(), HearWordsSet()};
}
