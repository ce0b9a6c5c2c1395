#include "DraftPartner.h"

#include "DeckError.h"
#include "PairFaces.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Typed or pasted texts lose what a card cannot show, and keep what the pair table can hold.
QString Cleaned(QString Text) {
  for (QChar& c : Text)
    if (c.category() == QChar::Other_Control)
      c = QLatin1Char(' ');
  return Text.simplified().left(TPairTable::MaxText);
}

QMap<QString, QString> TextsIn(const QMap<QString, QString>& Texts, const QStringList& Languages) {
  QMap<QString, QString> kept;
  for (auto text = Texts.begin(); text != Texts.end(); ++text)
    if (Languages.contains(text.key()) && !Cleaned(text.value()).isEmpty())
      kept.insert(text.key(), Cleaned(text.value()));
  return kept;
}

TPairSide PictureSide(const TDraftFace& Face, const QMap<QString, QString>& Names,
                      const QStringList& Languages) {
  TPairSide side{TFaceKind::Picture, Face.Source, {}, TextsIn(Names, Languages)};
  if (!side.Texts.contains(Languages.front()))
    side.Texts.insert(Languages.front(), Cleaned(DefaultName(Face.Source.Path)));
  return side;
}

} // namespace

QString DefaultName(const QString& Path) {
  return QFileInfo(Path).completeBaseName();
}

TDraftFace SurveyDraftSound(const QString& Path) {
  TDraftFace sound;
  // Named by the file alone: the message stands in a small dialog, beside the file's folder.
  sound.Source = {QFileInfo(Path).fileName(), Path, {}};
  try {
    ReadPairClip({TFaceKind::Sound, sound.Source, {}, {}});
  } catch (const EDeckError& error) {
    sound.Problem = QString::fromUtf8(error.what());
  }
  return sound;
}

QStringList ParseLanguages(const QString& Text, QString& Problem) {
  static const QRegularExpression separators(QStringLiteral("[\\s,;/]+"));
  static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}(?:[_-][A-Z]{2})?$"));
  Problem.clear();
  QStringList languages;
  for (const QString& part : Text.split(separators, Qt::SkipEmptyParts)) {
    if (!code.match(part).hasMatch()) {
      Problem =
          QCoreApplication::translate(
              "Deckwright", "\"%1\" is not a language code; write codes such as en, de or pt_BR.")
              .arg(part.left(20));
      return {};
    }
    if (!languages.contains(part))
      languages.push_back(part);
  }
  if (languages.isEmpty())
    Problem = QCoreApplication::translate("Deckwright", "Name at least one language, such as en.");
  else if (languages.size() > TPairTable::MaxLanguages)
    Problem = QCoreApplication::translate("Deckwright", "A set may have at most %1 languages.")
                  .arg(TPairTable::MaxLanguages);
  return Problem.isEmpty() ? languages : QStringList();
}

QString PartnerProblem(const TDraftPartner& Partner, TFaceFormat Format,
                       const QString& FirstLanguage) {
  if (Partner.Kind == TPartnerKind::Word && Cleaned(Partner.Texts.value(FirstLanguage)).isEmpty())
    return QCoreApplication::translate("Deckwright", "Write the word in %1.").arg(FirstLanguage);
  if (Partner.Kind != TPartnerKind::Picture && Partner.Kind != TPartnerKind::Sound)
    return {};
  if (Partner.File.Source.Path.isEmpty())
    return Partner.Kind == TPartnerKind::Picture
               ? QCoreApplication::translate("Deckwright", "Choose the other picture.")
               : QCoreApplication::translate("Deckwright", "Choose the sound.");
  if (!Partner.File.Problem.isEmpty())
    return Partner.File.Problem;
  if (Partner.Kind == TPartnerKind::Picture && Format != TFaceFormat::Unknown &&
      Partner.File.Format != Format)
    return QCoreApplication::translate(
               "Deckwright",
               "%1 is a %2 picture among %3 faces; all pictures of a set must share one format.")
        .arg(QFileInfo(Partner.File.Source.Path).fileName(), FaceFormatName(Partner.File.Format),
             FaceFormatName(Format));
  return {};
}

QString CheckPartners(const QList<TDraftPartner>& Partners, TFaceFormat Format,
                      const QString& FirstLanguage) {
  for (qsizetype i = 0; i < Partners.size(); ++i) {
    const QString problem = PartnerProblem(Partners[i], Format, FirstLanguage);
    if (!problem.isEmpty())
      return QCoreApplication::translate("Deckwright", "Card %1: %2").arg(i + 1).arg(problem);
  }
  return {};
}

QList<TPairSides> DraftPairs(const QList<TDraftFace>& Faces, const QList<TDraftPartner>& Partners,
                             const QStringList& Languages) {
  if (Languages.isEmpty() ||
      std::none_of(Partners.begin(), Partners.end(),
                   [](const TDraftPartner& partner) { return partner.IsPair(); }))
    return {};
  QList<TPairSides> pairs;
  for (qsizetype i = 0; i < Faces.size(); ++i) {
    const TDraftPartner partner = Partners.value(i);
    const TPairSide own = PictureSide(Faces[i], partner.Names, Languages);
    TPairSide other;
    switch (partner.Kind) {
    case TPartnerKind::Same:
      other = own;
      break;
    case TPartnerKind::Picture:
      other = PictureSide(partner.File, partner.Texts, Languages);
      break;
    case TPartnerKind::Word:
      other = {TFaceKind::Word, {}, {}, TextsIn(partner.Texts, Languages)};
      break;
    case TPartnerKind::Sound:
      other = {TFaceKind::Sound, partner.File.Source, {}, TextsIn(partner.Texts, Languages)};
      break;
    }
    pairs.push_back({own, other});
  }
  return pairs;
}
