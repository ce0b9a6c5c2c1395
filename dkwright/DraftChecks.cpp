#include "DraftChecks.h"

#include "CardBox.h"
#include "DeckError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString TitleCheck(const QString& title) {
  if (title.trimmed().isEmpty())
    return NoTitleText();
  if (title.size() > TDeckRequest::MaxText)
    return QCoreApplication::translate("Deckwright",
                                       "The title is %1 characters long; at most %2 fit.")
        .arg(title.size())
        .arg(TDeckRequest::MaxText);
  return {};
}

QString LinkCheck(const QString& link) {
  if (link.size() > TDeckRequest::MaxText)
    return QCoreApplication::translate("Deckwright",
                                       "The link is %1 characters long; at most %2 fit.")
        .arg(link.size())
        .arg(TDeckRequest::MaxText);
  return {};
}

QString CardBoxCheck(const QString& text) {
  if (text.trimmed().isEmpty() || !ParseCardBox(text).isEmpty())
    return {};
  return QCoreApplication::translate(
      "Deckwright", "Write the card box as WIDTHxHEIGHT, 1 to 2048 each, or leave it empty.");
}

// One sentence for the first fault a user must mend; the grid marks every faulty face.
QString FacesCheck(const QList<TDraftFace>& faces) {
  for (const TDraftFace& face : faces)
    if (!face.Problem.isEmpty())
      return face.Problem;
  const TFaceFormat format = DraftFormat(faces);
  for (const TDraftFace& face : faces)
    if (face.Format != format)
      return QCoreApplication::translate("Deckwright",
                                         "%1 is a %2 picture among %3 faces; all faces "
                                         "of a set must share one format.")
          .arg(QFileInfo(face.Source.Path).fileName(), FaceFormatName(face.Format),
               FaceFormatName(format));
  const int missing = TDeckRequest::MinFaces - int(faces.size());
  if (missing > 0)
    return QCoreApplication::translate(
               "Deckwright", "A card set needs at least %1 faces; add %n more.", nullptr, missing)
        .arg(TDeckRequest::MinFaces);
  return {};
}

} // namespace

TFaceFormat DraftFormat(const QList<TDraftFace>& Faces) {
  for (const TDraftFace& face : Faces)
    if (face.Problem.isEmpty())
      return face.Format;
  return TFaceFormat::Unknown;
}

TDraftChecks CheckDraft(const QString& Title, const QString& Link, const QString& CardBoxText,
                        const QList<TDraftFace>& Faces) {
  return {TitleCheck(Title), LinkCheck(Link), CardBoxCheck(CardBoxText), FacesCheck(Faces)};
}
