#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "PairTable.h"
#include "WaveClip.h"

#include <set>

namespace fuzzentry {

int PairTable(const uint8_t* Data, size_t Size) {
  const QByteArray bytes = Bytes(Data, Size);
  // The same bytes as a sound clip: its reader must stay within them.
  try {
    const TWaveClip clip = ReadWaveClip(bytes);
    Check(clip.DataOffset + clip.DataSize <= bytes.size(), "a clip's samples lie within it");
    Check(clip.DurationMs() <= TWaveClip::MaxDurationMs, "a clip lasts at most its bound");
  } catch (const EWaveClipError& error) {
    Check(*error.what() != '\0', "a refused clip says why");
  }
  TPairTable table;
  try {
    table = PairTableFromBytes(bytes);
  } catch (const EPairTableError& error) {
    Check(*error.what() != '\0', "a refused table says why");
    return 0;
  }
  // Every face in exactly one pair of two different faces, so nothing is mis-paired.
  Check(table.Pairs.size() * 2 == table.Faces.size(), "a table of n faces has n / 2 pairs");
  std::set<int> paired;
  for (size_t p = 0; p < table.Pairs.size(); ++p)
    for (const int face : table.Pairs[p]) {
      Check(face >= 0 && face < int(table.Faces.size()), "a pair names faces of the table");
      Check(table.Faces[size_t(face)].Pair == int(p), "a face is in the pair it names");
      paired.insert(face);
    }
  Check(paired.size() == table.Faces.size(), "every face is in one pair");
  for (int face = 0; face < int(table.Faces.size()); ++face)
    for (const QString& language : table.Languages + QStringList{QStringLiteral("zz_ZZ")})
      Check(FaceText(table, face, language).size() <= TPairTable::MaxText,
            "a face's text keeps its bound");
  TPairTable again = PairTableFromBytes(PairTableToBytes(table));
  Check(again == table, "a table read is written back the same");
  return 0;
}

} // namespace fuzzentry
