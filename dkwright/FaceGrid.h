// The faces of the set in order, as a grid of thumbnails numbered from 1. Faces are reordered
// by dragging them or by MoveSelected, removed by RemoveSelected or the Delete key, and added
// by dropping files.
#pragma once

#include "DraftFace.h"

#include <QHash>
#include <QList>
#include <QListWidget>

class TFaceGrid : public QListWidget {
  Q_OBJECT

public:
  static constexpr QSize ThumbnailBox{96, 72};

  explicit TFaceGrid(QWidget* Parent = nullptr);

  void AddFaces(const QList<TDraftFace>& Faces);
  // The faces in the order they stand in the grid.
  QList<TDraftFace> Faces() const;
  // Moves the selected faces one place earlier (Step -1) or later (+1).
  void MoveSelected(int Step);
  void RemoveSelected();

signals:
  // The faces or their order changed.
  void FacesChanged();
  // Files or folders from outside were dropped on the grid.
  void FilesDropped(const QStringList& Paths);

protected:
  void initViewItemOption(QStyleOptionViewItem* Option) const override;
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dragMoveEvent(QDragMoveEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

private:
  void Renumber();
  QListWidgetItem* NewItem(const TDraftFace& Face);

  QHash<int, TDraftFace> FFaces; // by the id each item keeps
  int FNextId = 0;
};
