// The faces of the set in order, as a grid of thumbnails numbered from 1. Faces are reordered
// by dragging them or by MoveSelected, removed by RemoveSelected or the Delete key, and added
// by dropping files. A face keeps its partner wherever it goes; once any face has one, every
// card shows its pair: the picture, and beside it what it pairs with.
#pragma once

#include "DraftPartner.h"

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

  // The partners of the faces, in the faces' order.
  QList<TDraftPartner> Partners() const;
  TDraftPartner Partner(int Row) const;
  void SetPartner(int Row, const TDraftPartner& Partner);
  // The language whose words and names the cards show: the set's first.
  void SetLanguage(const QString& Language);

signals:
  // The faces or their order changed.
  void FacesChanged();
  // Files or folders from outside were dropped on the grid.
  void FilesDropped(const QStringList& Paths);
  // The user asked to choose the current face's partner (a double click, or Enter).
  void PartnerWanted();

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
  // Each card's picture, text and description, for the pairs as they are now.
  void Redraw();

  QHash<int, TDraftFace> FFaces;       // by the id each item keeps
  QHash<int, TDraftPartner> FPartners; // likewise; a face without one pairs with itself
  QString FLanguage;
  int FNextId = 0;
};
