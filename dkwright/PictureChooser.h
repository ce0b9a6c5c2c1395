// The advert or the card back of a set: a picture the user chooses, or the one drawn from the
// title, with a preview of whichever the set will get.
#pragma once

#include "DraftFace.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

// The open-file dialogs' filter for pictures a set can be built from.
inline constexpr char PictureFilesFilter[] = "Pictures (*.gif *.jpg *.jpeg *.bmp);;All files (*)";

class TPictureChooser : public QWidget {
  Q_OBJECT

public:
  // Caption names the picture ("Advert"); Preview is the size the preview is shown at.
  TPictureChooser(const QString& Caption, QSize Preview, QWidget* Parent = nullptr);

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

  QString FCaption;
  QSize FPreviewSize;
  QImage FDrawn;
  std::optional<TDraftFace> FChosen;
  QLabel* FPreview = nullptr;
  QLabel* FNote = nullptr;
  QPushButton* FDrawnBtn = nullptr;
};
