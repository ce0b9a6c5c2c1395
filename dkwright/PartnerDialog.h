// Choosing what one card of a set pairs with (the same picture, another picture, a word or a
// sound) and naming both per language of the set. A chosen file is checked at once, as the
// builder and the game will check it, so a sound that cannot be played is told about here.
#pragma once

#include "DraftPartner.h"

#include <QDialog>

class QButtonGroup;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class TPartnerDialog : public QDialog {
  Q_OBJECT

public:
  // Face is card Number's picture; Format the set's picture format (Unknown: any); Languages
  // the set's, the first its own.
  TPartnerDialog(const TDraftFace& Face, int Number, const TDraftPartner& Partner,
                 TFaceFormat Format, const QStringList& Languages, QWidget* Parent = nullptr);

  void SetKind(TPartnerKind Kind);
  // Takes the file at Path as the other picture or the sound, as the file dialogs do.
  void ChoosePicture(const QString& Path);
  void ChooseSound(const QString& Path);

  // The partner as the fields say now.
  TDraftPartner Partner() const;
  // Why the partner cannot be taken yet; empty when it can.
  QString Problem() const;

private:
  QGridLayout* CreateKinds();
  QGridLayout* CreateTexts();
  void Choose(const TDraftFace& File);
  void Refresh();

  TDraftFace FFace;
  TFaceFormat FFormat;
  QStringList FLanguages;
  TPartnerKind FKind = TPartnerKind::Same;
  TDraftFace FFile; // the chosen picture or sound; kept when the kind changes
  bool FFileIsSound = false;

  QButtonGroup* FKinds = nullptr;
  QPushButton* FPictureBtn = nullptr;
  QPushButton* FSoundBtn = nullptr;
  QLabel* FPictureFile = nullptr;
  QLabel* FSoundFile = nullptr;
  QLabel* FTextsHeading = nullptr;
  QList<QLineEdit*> FNameEdits; // per language
  QList<QLineEdit*> FTextEdits; // per language
  QLabel* FProblemLabel = nullptr;
  QDialogButtonBox* FButtons = nullptr;
};
