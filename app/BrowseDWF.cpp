#include "BrowseDWF.h"

#include "Product.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>

#include <algorithm>

// Programs on this platform carry no name extension, so the "Program files " choice cannot be
// a name pattern: it hides the files that are not executable, keeping folders to walk through.
class TExecutableFilter : public QSortFilterProxyModel {
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetExecutablesOnly(bool Value) {
    if (Value == FExecutablesOnly)
      return;
    FExecutablesOnly = Value;
    invalidateFilter();
  }

protected:
  bool filterAcceptsRow(int SourceRow, const QModelIndex& SourceParent) const override {
    if (!FExecutablesOnly)
      return true;
    const auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (files == nullptr)
      return true;
    const QFileInfo info = files->fileInfo(files->index(SourceRow, 0, SourceParent));
    return info.isDir() || info.isExecutable();
  }

private:
  bool FExecutablesOnly = true;
};

namespace {

// The design: a 226 x 78 dialog, its message in a sunken frame, two buttons of 75 x 25 side by
// side below it.
constexpr QSize DesignSize{226, 78};
constexpr QSize DesignButton{75, 25};
constexpr int ButtonGap = 5;
constexpr int ButtonTop = 48;
constexpr int Margin = 4;
constexpr int ButtonPadding = 8;

} // namespace

QString TBrowseDWForm::ProgramFilesFilter() {
  return tr("Program files (*)");
}

QString TBrowseDWForm::AllFilesFilter() {
  return tr("All files (*)");
}

TBrowseDWForm::TBrowseDWForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromLatin1(product::SeriesName));
  setModal(true);
  CreateControls();
  LayOutControls();
  FRunOpenDialog = [](QFileDialog& Dialog) {
    return Dialog.exec() == QDialog::Accepted ? Dialog.selectedFiles().value(0) : QString();
  };
}

TBrowseDWForm::~TBrowseDWForm() = default;

void TBrowseDWForm::CreateControls() {
  FBevel1 = new QFrame(this);
  FBevel1->setObjectName(QStringLiteral("Bevel1"));
  FBevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  FLabel1 = new QLabel(tr("Cannot find dkwright.exe file!"), this);
  FLabel1->setObjectName(QStringLiteral("Label1"));
  FLabel1->setAlignment(Qt::AlignCenter);

  FBrowseBtn = new QPushButton(tr("Browse"), this);
  FBrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
  connect(FBrowseBtn, &QPushButton::clicked, this, [this] { BrowseBtnClick(FBrowseBtn); });

  FCancelBtn = new QPushButton(tr("Cancel"), this);
  FCancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  connect(FCancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(FCancelBtn); });

  setTabOrder(FBrowseBtn, FCancelBtn);
  FBrowseBtn->setFocus();
}

void TBrowseDWForm::LayOutControls() {
  // A button is wider than the design's only when its caption needs it, with the room a push
  // button leaves around its text.
  const auto needed = [](const QPushButton* Button) {
    return Button->fontMetrics().horizontalAdvance(Button->text()) + 2 * ButtonPadding;
  };
  const int button = std::max({DesignButton.width(), needed(FBrowseBtn), needed(FCancelBtn)});
  const int labelHeight = std::max(13, FLabel1->sizeHint().height());
  const int width = std::max({DesignSize.width(), FLabel1->sizeHint().width() + 4 * Margin,
                              2 * button + ButtonGap + 4 * Margin});
  const int buttonsLeft = (width - (2 * button + ButtonGap)) / 2;
  FBevel1->setGeometry(Margin, Margin, width - 2 * Margin - 1, 37);
  FLabel1->setGeometry(0, Margin + (37 - labelHeight) / 2, width, labelHeight);
  FBrowseBtn->setGeometry(buttonsLeft, ButtonTop, button, DesignButton.height());
  FCancelBtn->setGeometry(buttonsLeft + button + ButtonGap, ButtonTop, button,
                          DesignButton.height());
  setFixedSize(width, DesignSize.height());
}

QFileDialog& TBrowseDWForm::OpenDialog1() {
  if (FOpenDialog1 == nullptr)
    CreateOpenDialog();
  return *FOpenDialog1;
}

void TBrowseDWForm::CreateOpenDialog() {
  FOpenDialog1 = new QFileDialog(this);
  FOpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
  FOpenDialog1->setFileMode(QFileDialog::ExistingFile);
  FOpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
  // The program filter needs a model of our own, which only Qt's own dialog takes.
  FOpenDialog1->setOption(QFileDialog::DontUseNativeDialog);
  FOpenDialog1->setOption(QFileDialog::HideNameFilterDetails);
  FOpenDialog1->setSizeGripEnabled(true);
  FExecutableFilter = new TExecutableFilter(FOpenDialog1);
  FOpenDialog1->setProxyModel(FExecutableFilter);
  FOpenDialog1->setNameFilters({ProgramFilesFilter(), AllFilesFilter()});
  connect(FOpenDialog1, &QFileDialog::filterSelected, this,
          [this](const QString& Filter) { OpenDialogFilterSelected(Filter); });
}

void TBrowseDWForm::OpenDialogFilterSelected(const QString& Filter) {
  FExecutableFilter->SetExecutablesOnly(Filter == ProgramFilesFilter());
}

void TBrowseDWForm::BrowseBtnClick(QObject*) {
  const QString chosen = FRunOpenDialog(OpenDialog1());
  if (chosen.isEmpty())
    return;
  if (OnProgramChosen && OnProgramChosen(chosen))
    accept();
}

void TBrowseDWForm::CancelBtnClick(QObject*) {
  reject();
}

void TBrowseDWForm::showEvent(QShowEvent* Event) {
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  QDialog::showEvent(Event);
}
