// The plain dialog that asks for the card builder when it is not where the settings say:
// "Browse" runs an open-file dialog, and a chosen file is handed to OnProgramChosen, which
// starts it; "Cancel" (or Escape) closes the dialog with the cancel result.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QFileDialog;
class QFrame;
class QLabel;
class QPushButton;
class TExecutableFilter;

class TBrowseDWForm : public QDialog {
  Q_OBJECT

public:
  // Runs the open dialog; returns the chosen file, or an empty text when the user cancelled.
  using TOpenDialogRunner = std::function<QString(QFileDialog& Dialog)>;
  // Gets the chosen file; true when the builder was started, which closes this dialog with
  // the accept result. False leaves the dialog open.
  using TProgramChosenEvent = std::function<bool(const QString& FileName)>;

  // The open dialog's two choices: programs (executable files) and every file.
  static QString ProgramFilesFilter();
  static QString AllFilesFilter();

  explicit TBrowseDWForm(QWidget* Parent = nullptr);
  ~TBrowseDWForm() override;

  // The open dialog, built the first time it is asked for: its icons take long to decode, and
  // most runs never need it.
  QFileDialog& OpenDialog1();
  // Replaces how the open dialog is run (tests answer it without a user).
  void SetOpenDialogRunner(TOpenDialogRunner Runner) { FRunOpenDialog = std::move(Runner); }

  // Nothing happens when the open dialog is cancelled.
  void BrowseBtnClick(QObject* Sender);
  void CancelBtnClick(QObject* Sender);

  TProgramChosenEvent OnProgramChosen;

protected:
  void showEvent(QShowEvent* Event) override;

private:
  void CreateControls();
  // The design's places, widened where a translation needs more room than they give.
  void LayOutControls();
  void CreateOpenDialog();
  void OpenDialogFilterSelected(const QString& Filter);

  QFrame* FBevel1 = nullptr;
  QLabel* FLabel1 = nullptr;
  QPushButton* FBrowseBtn = nullptr;
  QPushButton* FCancelBtn = nullptr;
  QFileDialog* FOpenDialog1 = nullptr;
  TExecutableFilter* FExecutableFilter = nullptr;
  TOpenDialogRunner FRunOpenDialog;
};
