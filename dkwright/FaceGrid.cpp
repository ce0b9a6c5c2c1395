#include "FaceGrid.h"

#include "DroppedFiles.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int IdRole = Qt::UserRole;

// What stands in the grid for a file that cannot be a face: a crossed grey card.
QPixmap Unreadable(QSize box) {
  QPixmap pixmap(box);
  pixmap.fill(QColor(0xd8, 0xd8, 0xd8));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 4));
  const QRect cross = QRect(QPoint(), box).adjusted(30, 18, -30, -18);
  painter.drawLine(cross.topLeft(), cross.bottomRight());
  painter.drawLine(cross.topRight(), cross.bottomLeft());
  return pixmap;
}

bool FromOutside(const QDropEvent* event, const QObject* grid) {
  return event->source() != grid && !DroppedFiles(event->mimeData()).isEmpty();
}

} // namespace

TFaceGrid::TFaceGrid(QWidget* Parent) : QListWidget(Parent) {
  // A wrapping list rather than icon mode: only a list reorders its items when they are
  // dragged, where icon mode would merely move the pictures about.
  setViewMode(QListView::ListMode);
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  setIconSize(ThumbnailBox);
  setGridSize(ThumbnailBox + QSize(18, 30));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragDropMode(QAbstractItemView::InternalMove);
  setDefaultDropAction(Qt::MoveAction);
  setAcceptDrops(true);
  connect(model(), &QAbstractItemModel::rowsMoved, this, [this] {
    Renumber();
    emit FacesChanged();
  });
}

void TFaceGrid::initViewItemOption(QStyleOptionViewItem* Option) const {
  QListWidget::initViewItemOption(Option);
  Option->decorationPosition = QStyleOptionViewItem::Top;
  Option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
}

QListWidgetItem* TFaceGrid::NewItem(const TDraftFace& Face) {
  auto* item = new QListWidgetItem(this);
  const int id = FNextId++;
  FFaces.insert(id, Face);
  item->setData(IdRole, id);
  item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
  item->setIcon(Face.Thumbnail.isNull() ? Unreadable(ThumbnailBox)
                                        : QPixmap::fromImage(Face.Thumbnail));
  item->setToolTip(Face.Problem.isEmpty() ? QStringLiteral("%1\n%2 x %3 %4")
                                                .arg(Face.Source.Path)
                                                .arg(Face.Size.width())
                                                .arg(Face.Size.height())
                                                .arg(FaceFormatName(Face.Format))
                                          : Face.Problem);
  if (!Face.Problem.isEmpty())
    item->setForeground(QColor(0xb0, 0x20, 0x20));
  return item;
}

void TFaceGrid::AddFaces(const QList<TDraftFace>& Faces) {
  if (Faces.isEmpty())
    return;
  for (const TDraftFace& face : Faces)
    NewItem(face);
  Renumber();
  emit FacesChanged();
}

QList<TDraftFace> TFaceGrid::Faces() const {
  QList<TDraftFace> faces;
  for (int row = 0; row < count(); ++row)
    faces.push_back(FFaces.value(item(row)->data(IdRole).toInt()));
  return faces;
}

void TFaceGrid::MoveSelected(int Step) {
  QList<int> rows;
  for (const QListWidgetItem* selected : selectedItems())
    rows.push_back(row(selected));
  std::sort(rows.begin(), rows.end());
  if (rows.isEmpty() || rows.front() + Step < 0 || rows.back() + Step >= count())
    return;
  // Later rows first when moving later, so a moved face never jumps over another selected one.
  if (Step > 0)
    std::reverse(rows.begin(), rows.end());
  for (int from : rows) {
    QListWidgetItem* moved = takeItem(from);
    insertItem(from + Step, moved);
    moved->setSelected(true);
  }
  Renumber();
  emit FacesChanged();
}

void TFaceGrid::RemoveSelected() {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty())
    return;
  for (QListWidgetItem* gone : selected) {
    FFaces.remove(gone->data(IdRole).toInt());
    delete gone;
  }
  Renumber();
  emit FacesChanged();
}

void TFaceGrid::Renumber() {
  for (int row = 0; row < count(); ++row) {
    QListWidgetItem* face = item(row);
    const QString path = FFaces.value(face->data(IdRole).toInt()).Source.Path;
    face->setText(QStringLiteral("%1  %2").arg(row + 1).arg(QFileInfo(path).fileName()));
  }
}

void TFaceGrid::dragEnterEvent(QDragEnterEvent* Event) {
  if (FromOutside(Event, this))
    Event->acceptProposedAction();
  else
    QListWidget::dragEnterEvent(Event);
}

void TFaceGrid::dragMoveEvent(QDragMoveEvent* Event) {
  if (FromOutside(Event, this))
    Event->acceptProposedAction();
  else
    QListWidget::dragMoveEvent(Event);
}

void TFaceGrid::dropEvent(QDropEvent* Event) {
  if (!FromOutside(Event, this)) {
    QListWidget::dropEvent(Event);
    return;
  }
  Event->acceptProposedAction();
  emit FilesDropped(DroppedFiles(Event->mimeData()));
}

void TFaceGrid::keyPressEvent(QKeyEvent* Event) {
  if (Event->matches(QKeySequence::Delete) || Event->key() == Qt::Key_Backspace)
    RemoveSelected();
  else
    QListWidget::keyPressEvent(Event);
}

// An empty grid says how it is filled, since dropping is not something a user would guess.
void TFaceGrid::paintEvent(QPaintEvent* Event) {
  QListWidget::paintEvent(Event);
  if (count() > 0)
    return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(viewport()->rect().adjusted(24, 24, -24, -24),
                   Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Drop pictures or folders of pictures here, or add them with the buttons "
                      "below.\n\nGIF, JPEG or BMP, all of one kind; at least 8."));
}
