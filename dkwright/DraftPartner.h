// What a card of a set not built yet pairs with: the same picture, as in a plain set, or another
// picture, a word or a sound, with names and texts per language, and how such cards become the
// pairs the builder takes.
#pragma once

#include "DraftFace.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

enum class TPartnerKind { Same, Picture, Word, Sound };

struct TDraftPartner {
  TPartnerKind Kind = TPartnerKind::Same;
  // The card's own picture's name per language; where the first language has none, the
  // picture's file name without its extension.
  QMap<QString, QString> Names;
  TDraftFace File;              // the other picture, or the sound (no thumbnail, no format)
  QMap<QString, QString> Texts; // the other picture's name, the word, or the sound's caption

  bool IsPair() const { return Kind != TPartnerKind::Same; }
};

// A file's name without its folders and its extension, as a picture or sound is named unless
// the user names it otherwise.
QString DefaultName(const QString& Path);

// The WAV file at Path as a sound partner would use it: checked as the game checks its clips
// (opened without waiting, bounded, PCM, at most ten seconds). Never raises: a file that
// cannot be a clip gives a face with a Problem naming it.
TDraftFace SurveyDraftSound(const QString& Path);

// The language codes in Text (separated by spaces or commas: "en de fr"), the first one the
// set's own. Problem tells why the list cannot be used: none, a code that is not one, too many.
QStringList ParseLanguages(const QString& Text, QString& Problem);

// Why Partner cannot be built: no file chosen, a file with a problem, a picture of another
// format than Format (Unknown: any), a word without a text in FirstLanguage. Empty when it can.
QString PartnerProblem(const TDraftPartner& Partner, TFaceFormat Format,
                       const QString& FirstLanguage);

// The first partner's problem a user must mend, naming its card; empty when every card can be
// built.
QString CheckPartners(const QList<TDraftPartner>& Partners, TFaceFormat Format,
                      const QString& FirstLanguage);

// The pairs of a set of different cards, one per card, Faces[i] with Partners[i]; empty when
// no card has a partner, so that such a set is built as a plain set of Faces. Texts in a
// language outside Languages are left out.
QList<TPairSides> DraftPairs(const QList<TDraftFace>& Faces, const QList<TDraftPartner>& Partners,
                             const QStringList& Languages);
