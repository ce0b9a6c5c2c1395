#include "FaceGrid.h"

#include "CardArt.h"
#include "DeckError.h"
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

// Two thumbnails side by side, a little apart.
constexpr int PairGap = 6;

QPixmap Shown(const TDraftFace& face, QSize box) {
  return face.Thumbnail.isNull() ? Unreadable(box) : QPixmap::fromImage(face.Thumbnail);
}

// The partner's face as the builder will draw it, small; drawn at twice the size, as the set's
// faces are, so the letters are laid out alike.
QPixmap PartnerPicture(const TDraftPartner& partner, const QString& text, QSize box) {
  if (!partner.File.Problem.isEmpty())
    return Unreadable(box);
  if (partner.Kind == TPartnerKind::Picture)
    return Shown(partner.File, box);
  const QImage drawn = partner.Kind == TPartnerKind::Word ? DrawWordCard(box * 2, text)
                                                          : DrawSoundCard(box * 2, text);
  return QPixmap::fromImage(drawn.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPixmap PairPicture(const TDraftFace& face, const TDraftPartner& partner, const QString& text,
                    QSize box) {
  QPixmap pair(box.width() * 2 + PairGap, box.height());
  pair.fill(Qt::transparent);
  QPainter painter(&pair);
  const auto place = [&](const QPixmap& picture, int left) {
    const QSize size = picture.size().scaled(box, Qt::KeepAspectRatio).boundedTo(picture.size());
    painter.drawPixmap(
        QRect(QPoint(left + (box.width() - size.width()) / 2, (box.height() - size.height()) / 2),
              size),
        picture);
  };
  const QPixmap own = Shown(face, box);
  place(own, 0);
  place(partner.IsPair() ? PartnerPicture(partner, text, box) : own, box.width() + PairGap);
  return pair;
}

// What the screen reader and the tooltip say a card pairs with.
QString PartnerDescription(const TDraftPartner& partner, const QString& text) {
  const QString file = QFileInfo(partner.File.Source.Path).fileName();
  switch (partner.Kind) {
  case TPartnerKind::Picture:
    return TFaceGrid::tr("pairs with the picture %1").arg(file);
  case TPartnerKind::Word:
    return TFaceGrid::tr("pairs with the word \"%1\"").arg(text);
  case TPartnerKind::Sound:
    return text.isEmpty() ? TFaceGrid::tr("pairs with the sound %1").arg(file)
                          : TFaceGrid::tr("pairs with the sound %1 (\"%2\")").arg(file, text);
  case TPartnerKind::Same:
    break;
  }
  return TFaceGrid::tr("pairs with itself");
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
  connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit PartnerWanted(); });
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
  return item;
}

void TFaceGrid::Redraw() {
  const QList<TDraftPartner> partners = Partners();
  const bool pairs = std::any_of(partners.begin(), partners.end(),
                                 [](const TDraftPartner& partner) { return partner.IsPair(); });
  const QSize icon =
      pairs ? QSize(ThumbnailBox.width() * 2 + PairGap, ThumbnailBox.height()) : ThumbnailBox;
  setIconSize(icon);
  setGridSize(icon + QSize(18, 30));
  for (int row = 0; row < count(); ++row) {
    QListWidgetItem* card = item(row);
    const TDraftFace face = FFaces.value(card->data(IdRole).toInt());
    const TDraftPartner partner = partners[row];
    const QString text = partner.Texts.value(FLanguage);
    card->setIcon(pairs ? PairPicture(face, partner, text, ThumbnailBox) : Shown(face, icon));
    const QString problem = face.Problem.isEmpty() ? partner.File.Problem : face.Problem;
    QString about = problem.isEmpty() ? QStringLiteral("%1\n%2 x %3 %4")
                                            .arg(face.Source.Path)
                                            .arg(face.Size.width())
                                            .arg(face.Size.height())
                                            .arg(FaceFormatName(face.Format))
                                      : problem;
    if (pairs && problem.isEmpty())
      about += QLatin1Char('\n') + PartnerDescription(partner, text);
    card->setToolTip(about);
    card->setData(Qt::AccessibleDescriptionRole,
                  pairs ? PartnerDescription(partner, text) : QString());
    card->setData(Qt::ForegroundRole,
                  problem.isEmpty() ? QVariant() : QVariant(QBrush(QColor(0xb0, 0x20, 0x20))));
  }
}

QList<TDraftPartner> TFaceGrid::Partners() const {
  QList<TDraftPartner> partners;
  for (int row = 0; row < count(); ++row)
    partners.push_back(FPartners.value(item(row)->data(IdRole).toInt()));
  return partners;
}

TDraftPartner TFaceGrid::Partner(int Row) const {
  return Row >= 0 && Row < count() ? FPartners.value(item(Row)->data(IdRole).toInt())
                                   : TDraftPartner();
}

void TFaceGrid::SetPartner(int Row, const TDraftPartner& Partner) {
  if (Row < 0 || Row >= count())
    return;
  FPartners.insert(item(Row)->data(IdRole).toInt(), Partner);
  Redraw();
  emit FacesChanged();
}

void TFaceGrid::SetLanguage(const QString& Language) {
  if (Language == FLanguage)
    return;
  FLanguage = Language;
  Redraw();
}

void TFaceGrid::AddFaces(const QList<TDraftFace>& Faces) {
  if (Faces.isEmpty())
    return;
  for (const TDraftFace& face : Faces)
    NewItem(face);
  Renumber();
  Redraw();
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
    FPartners.remove(gone->data(IdRole).toInt());
    delete gone;
  }
  Renumber();
  Redraw();
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
  else if ((Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) && currentItem())
    emit PartnerWanted();
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
