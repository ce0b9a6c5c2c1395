// The pair table of a set whose pairs are two different cards (a picture and its word, a word
// and its translation, a picture and a sound): which face goes with which, what each face is,
// and its texts per language. It lives in the entry after the last face (see
// TCardSetEntries::PairTable), where readers that know nothing of it never look.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>
#include <vector>

// A pair table that cannot be used; the text is one sentence fit for the player.
class EPairTableError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

enum class TFaceKind { Picture, Word, Sound };

struct TPairFace {
  int Pair = -1; // the pair this face belongs to, 0..Pairs.size() - 1
  TFaceKind Kind = TFaceKind::Picture;
  // A word of one fixed language (a vocabulary word) names it here and is never translated;
  // empty for every other face.
  QString Language;
  // Language code -> a picture's name, a word, or a sound's caption.
  QMap<QString, QString> Texts;
  int SoundEntry = -1; // a sound: the container entry holding its WAV clip
  QString File;        // the file the face was made from, without folders; may be empty

  friend bool operator==(const TPairFace&, const TPairFace&) = default;
};

struct TPairTable {
  static constexpr int Version = 1;
  static constexpr qsizetype MaxBytes = 1024 * 1024;
  static constexpr int MaxFaces = 4096;
  static constexpr int MaxLanguages = 8;
  static constexpr int MaxText = 200; // characters of a text or a file name

  QStringList Languages; // the set's languages, the first one shown when the player's is missing
  std::vector<TPairFace> Faces;          // face k of the set; empty for a plain set
  std::vector<std::array<int, 2>> Pairs; // pair p: its two faces, the lower index first

  bool IsMixed() const { return !Faces.empty(); }
  friend bool operator==(const TPairTable&, const TPairTable&) = default;
};

// What the pair table entry starts with; an entry after the faces without it is not a table.
inline constexpr char PairTableSignature[] = "KVPAIRS\n";

// Parses a pair table entry (the signature, then UTF-8 JSON) and fills Pairs from the faces.
// Raises EPairTableError when it is larger than MaxBytes, lacks the signature, is not JSON of
// Version, passes a bound, gives a pair other than exactly two faces, a word without a text, a
// text in a language the table does not list, or a sound whose entry does not come after it.
TPairTable PairTableFromBytes(const QByteArray& Bytes);

// The entry of Table (its Pairs are not read: the faces' Pair numbers are written). Reads back
// equal through PairTableFromBytes when Table keeps the bounds.
QByteArray PairTableToBytes(const TPairTable& Table);

// What face Face shows or says for a player of Language ("de", "de_DE"): a fixed-language word
// its own text; otherwise its text in Language, or in its main part ("de" for "de_DE"), else in
// the set's first language, else its first text. Empty for a face without texts.
QString FaceText(const TPairTable& Table, int Face, const QString& Language);

// The kind's name as the table and the builder's listings write it: picture, word, sound.
QString FaceKindName(TFaceKind Kind);
