#include "PairTable.h"

#include "CardSetHeader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace {

[[noreturn]] void Fail(const QString& Problem) {
  throw EPairTableError(Problem.toStdString());
}

const std::array<std::pair<TFaceKind, const char*>, 3> KindNames = {
    {{TFaceKind::Picture, "picture"}, {TFaceKind::Word, "word"}, {TFaceKind::Sound, "sound"}}};

qsizetype SignatureSize() {
  return qsizetype(sizeof(PairTableSignature) - 1);
}

bool IsLanguageCode(const QString& Code) {
  static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}([_-][A-Z]{2})?$"));
  return code.match(Code).hasMatch();
}

// Texts are shown as plain text on a card and in one-line listings: bounded, and without
// control characters that could break a line or hide what follows.
QString CheckedText(const QJsonValue& Value, const char* What) {
  if (!Value.isString())
    Fail(QCoreApplication::translate("PairTable", "Its pair table has a %1 that is not text.")
             .arg(QLatin1String(What)));
  const QString text = Value.toString();
  if (text.size() > TPairTable::MaxText)
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table has a %1 longer than %2 characters.")
             .arg(QLatin1String(What))
             .arg(TPairTable::MaxText));
  if (std::any_of(text.begin(), text.end(),
                  [](QChar c) { return c.category() == QChar::Other_Control; }))
    Fail(
        QCoreApplication::translate("PairTable", "Its pair table has a %1 with control characters.")
            .arg(QLatin1String(What)));
  return text;
}

int CheckedIndex(const QJsonValue& Value, int Low, int High, const char* What) {
  const double number = Value.toDouble(-1);
  if (!Value.isDouble() || number != double(qint64(number)) || number < Low || number > High)
    Fail(QCoreApplication::translate("PairTable", "Its pair table has a %1 out of range.")
             .arg(QLatin1String(What)));
  return int(number);
}

QStringList ReadLanguages(const QJsonValue& Value) {
  if (!Value.isArray() || Value.toArray().size() > TPairTable::MaxLanguages)
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table does not list at most %1 languages.")
             .arg(TPairTable::MaxLanguages));
  QStringList languages;
  for (const QJsonValue& item : Value.toArray()) {
    const QString code = item.toString();
    if (!IsLanguageCode(code) || languages.contains(code))
      Fail(QCoreApplication::translate(
          "PairTable", "Its pair table has a language code that is not one (\"en\", \"pt_BR\")."));
    languages.push_back(code);
  }
  return languages;
}

TFaceKind ReadKind(const QJsonValue& Value) {
  for (const auto& [kind, name] : KindNames)
    if (Value.toString() == QLatin1String(name))
      return kind;
  Fail(QCoreApplication::translate(
      "PairTable", "Its pair table has a face that is not a picture, word or sound."));
}

TPairFace ReadFace(const QJsonValue& Value, const QStringList& Languages, int FaceCount) {
  if (!Value.isObject())
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table has a face that is not described."));
  const QJsonObject object = Value.toObject();
  TPairFace face;
  face.Pair = CheckedIndex(object.value(QLatin1String("pair")), 0, FaceCount / 2 - 1, "pair");
  face.Kind = ReadKind(object.value(QLatin1String("kind")));
  const QJsonValue textValue = object.value(QLatin1String("text"));
  if (!textValue.isUndefined() && !textValue.isObject())
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table has texts that are not given per language."));
  const QJsonObject texts = textValue.toObject();
  for (auto it = texts.begin(); it != texts.end(); ++it) {
    if (!Languages.contains(it.key()))
      Fail(QCoreApplication::translate(
          "PairTable", "Its pair table has a text in a language it does not list."));
    const QString text = CheckedText(it.value(), "text");
    if (!text.isEmpty())
      face.Texts.insert(it.key(), text);
  }
  if (object.contains(QLatin1String("file")))
    face.File = CheckedText(object.value(QLatin1String("file")), "file name");
  if (object.contains(QLatin1String("language"))) {
    face.Language = object.value(QLatin1String("language")).toString();
    if (face.Kind != TFaceKind::Word || face.Texts.keys() != QStringList{face.Language})
      Fail(QCoreApplication::translate(
          "PairTable",
          "Its pair table has a word of one language without its text in that language."));
  }
  if (face.Kind == TFaceKind::Word && face.Texts.isEmpty())
    Fail(QCoreApplication::translate("PairTable", "Its pair table has a word without a text."));
  // Clips come after the table, which comes right after the faces.
  const int firstClip = TCardSetEntries::FirstFace + FaceCount + 1;
  if (face.Kind == TFaceKind::Sound)
    face.SoundEntry = CheckedIndex(object.value(QLatin1String("sound")), firstClip,
                                   firstClip + TPairTable::MaxFaces, "sound entry");
  else if (object.contains(QLatin1String("sound")))
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table gives a sound to a face that is not one."));
  return face;
}

// Each pair must be exactly two faces, or a face would have no partner or two.
std::vector<std::array<int, 2>> PairsOf(const std::vector<TPairFace>& Faces) {
  std::vector<std::array<int, 2>> pairs(Faces.size() / 2, {-1, -1});
  for (int k = 0; k < int(Faces.size()); ++k) {
    std::array<int, 2>& pair = pairs[size_t(Faces[size_t(k)].Pair)];
    if (pair[1] >= 0)
      Fail(QCoreApplication::translate("PairTable",
                                       "Its pair table puts more than two faces in pair %1.")
               .arg(Faces[size_t(k)].Pair + 1));
    pair[pair[0] < 0 ? 0 : 1] = k;
  }
  return pairs;
}

} // namespace

QString FaceKindName(TFaceKind Kind) {
  for (const auto& [kind, name] : KindNames)
    if (kind == Kind)
      return QLatin1String(name);
  return {};
}

TPairTable PairTableFromBytes(const QByteArray& Bytes) {
  // Apart from the message: lupdate does not end on a division among a translation's arguments.
  constexpr qsizetype maxKiB = TPairTable::MaxBytes / 1024;
  if (Bytes.size() > TPairTable::MaxBytes)
    Fail(QCoreApplication::translate("PairTable", "Its pair table is larger than %1 KiB.")
             .arg(maxKiB));
  if (!Bytes.startsWith(PairTableSignature))
    Fail(QCoreApplication::translate("PairTable", "Its pair table does not start as one."));
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(Bytes.mid(SignatureSize()), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    Fail(QCoreApplication::translate("PairTable", "Its pair table is damaged."));
  const QJsonObject root = document.object();
  if (root.value(QLatin1String("version")).toInt(-1) != TPairTable::Version)
    Fail(QCoreApplication::translate("PairTable",
                                     "Its pair table is of a version this game does not know."));
  TPairTable table;
  table.Languages = ReadLanguages(root.value(QLatin1String("languages")));
  const QJsonArray faces = root.value(QLatin1String("faces")).toArray();
  if (faces.size() < 2 || faces.size() > TPairTable::MaxFaces || faces.size() % 2 != 0)
    Fail(QCoreApplication::translate(
             "PairTable", "Its pair table does not have an even number of faces, from 2 to %1.")
             .arg(TPairTable::MaxFaces));
  for (const QJsonValue& face : faces)
    table.Faces.push_back(ReadFace(face, table.Languages, int(faces.size())));
  table.Pairs = PairsOf(table.Faces);
  return table;
}

QByteArray PairTableToBytes(const TPairTable& Table) {
  QJsonArray faces;
  for (const TPairFace& face : Table.Faces) {
    QJsonObject object{{QStringLiteral("pair"), face.Pair},
                       {QStringLiteral("kind"), FaceKindName(face.Kind)}};
    QJsonObject texts;
    for (auto it = face.Texts.begin(); it != face.Texts.end(); ++it)
      texts.insert(it.key(), it.value());
    if (!texts.isEmpty())
      object.insert(QStringLiteral("text"), texts);
    if (!face.Language.isEmpty())
      object.insert(QStringLiteral("language"), face.Language);
    if (face.Kind == TFaceKind::Sound)
      object.insert(QStringLiteral("sound"), face.SoundEntry);
    if (!face.File.isEmpty())
      object.insert(QStringLiteral("file"), face.File);
    faces.append(object);
  }
  const QJsonObject root{{QStringLiteral("version"), TPairTable::Version},
                         {QStringLiteral("languages"), QJsonArray::fromStringList(Table.Languages)},
                         {QStringLiteral("faces"), faces}};
  return QByteArray(PairTableSignature) + QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QString FaceText(const TPairTable& Table, int Face, const QString& Language) {
  if (Face < 0 || Face >= int(Table.Faces.size()))
    return {};
  const TPairFace& face = Table.Faces[size_t(Face)];
  if (face.Texts.isEmpty())
    return {};
  if (!face.Language.isEmpty())
    return face.Texts.value(face.Language);
  const QString main = Language.section(QRegularExpression(QStringLiteral("[_-]")), 0, 0);
  for (const QString& wanted : {Language, main, Table.Languages.value(0)})
    if (face.Texts.contains(wanted))
      return face.Texts.value(wanted);
  return face.Texts.first();
}
