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

const QString TBrowseDWForm::ProgramFilesFilter = QStringLiteral("Program files (*)");
const QString TBrowseDWForm::AllFilesFilter = QStringLiteral("All files (*)");

TBrowseDWForm::TBrowseDWForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromLatin1(product::SeriesName));
  setModal(true);
  setFixedSize(226, 78);
  CreateControls();
  FRunOpenDialog = [](QFileDialog& Dialog) {
    return Dialog.exec() == QDialog::Accepted ? Dialog.selectedFiles().value(0) : QString();
  };
}

TBrowseDWForm::~TBrowseDWForm() = default;

void TBrowseDWForm::CreateControls() {
  FBevel1 = new QFrame(this);
  FBevel1->setObjectName(QStringLiteral("Bevel1"));
  FBevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  FBevel1->setGeometry(4, 4, 217, 37);

  FLabel1 = new QLabel(QStringLiteral("Cannot find dkwright.exe file!"), this);
  FLabel1->setObjectName(QStringLiteral("Label1"));
  FLabel1->setAlignment(Qt::AlignCenter);
  FLabel1->setGeometry(0, 16, 226, 13);

  FBrowseBtn = new QPushButton(QStringLiteral("Browse"), this);
  FBrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
  FBrowseBtn->setGeometry(35, 48, 75, 25);
  connect(FBrowseBtn, &QPushButton::clicked, this, [this] { BrowseBtnClick(FBrowseBtn); });

  FCancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  FCancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  FCancelBtn->setGeometry(115, 48, 75, 25);
  connect(FCancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(FCancelBtn); });

  setTabOrder(FBrowseBtn, FCancelBtn);
  FBrowseBtn->setFocus();
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
  FOpenDialog1->setNameFilters({ProgramFilesFilter, AllFilesFilter});
  connect(FOpenDialog1, &QFileDialog::filterSelected, this,
          [this](const QString& Filter) { OpenDialogFilterSelected(Filter); });
}

void TBrowseDWForm::OpenDialogFilterSelected(const QString& Filter) {
  FExecutableFilter->SetExecutablesOnly(Filter == ProgramFilesFilter);
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
