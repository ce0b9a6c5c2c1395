// The advert or the card back of a set: a picture the user chooses, or the one drawn from the
// title, with a preview of whichever the set will get.
#pragma once

#include "DraftFace.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

// The open-file dialogs' filter for pictures a set can be built from, in the player's language.
QString PictureFilesFilter();

class TPictureChooser : public QWidget {
  Q_OBJECT

public:
  // Name is the picture's role ("Advert"), which names the note label (Name + "Note");
  // Caption is what the user reads, DialogTitle the title of the file dialog; Preview is the
  // size the preview is shown at.
  TPictureChooser(const QString& Name, const QString& Caption, const QString& DialogTitle,
                  QSize Preview, QWidget* Parent = nullptr);

  // The picture drawn when none is chosen; shown while none is.
  void SetDrawn(const QImage& Drawn);
  // Takes the picture file at Path (as the file dialog does).
  void Choose(const QString& Path);
  // Back to the drawn picture.
  void UseDrawn();

  // What the builder takes: a file source, or an empty one for the drawn picture.
  TFaceSource Source() const;
  // Why the chosen picture cannot be used; empty when it can, or when none is chosen.
  QString Problem() const;

signals:
  void Changed();

private:
  void ChooseBtnClick();
  void ShowPreview();

  QString FDialogTitle;
  QSize FPreviewSize;
  QImage FDrawn;
  std::optional<TDraftFace> FChosen;
  QLabel* FPreview = nullptr;
  QLabel* FNote = nullptr;
  QPushButton* FDrawnBtn = nullptr;
};
