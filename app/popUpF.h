// The skinned pop-up window that the score screen, the about box and the help window derive
// from: the skin frame, the title strip with its "exit" button, a title picture and a close
// button, on a frameless client area of fixed size that the user drags like the main window.
//
// A pop-up reads its skin while it is constructed, from the archive that start-up holds open;
// an entry that cannot be read or decoded raises (ESkinError, an EKVResError) and the window
// is not built.
// Afterwards the window is only shown (modally, centred on its screen) and hidden: closing it
// hides it and it keeps its controls' state until the next showing.
//
// Controls, by object name: PopUpBg (the frame, a drag surface), ExitMap (the title strip with
// the area "exit"; a drag surface outside it), TitleImage (a drag surface) and CloseBtn.
//
// From the keyboard: each showing starts with the focus on CloseBtn; Tab visits the window's
// controls, Escape closes the window, and so do Enter and Return unless the focused control
// takes them (a link, a button). Assistive technology reads the window by its title.
#pragma once

#include "SkinLayout.h"
#include "WindowDrag.h"

#include <QDialog>
#include <QImage>
#include <QSize>

#include <vector>

class QLabel;
class TKVCustomImageMap;
class TKVImageBevel;
class TKVImageMap;
class TSkinReader;
class TKVPicture;

class TPopUpform : public QDialog {
  Q_OBJECT

public:
  static constexpr QSize ClientSize = skinlayout::popup::Size;

  // Builds the controls and loads the pop-ups' skin entries from Skin.
  explicit TPopUpform(TSkinReader& Skin, QWidget* Parent = nullptr);
  ~TPopUpform() override;

  // Shows the window modally; returns when it has been closed, with the window that was active
  // before it active again (no window manager may be there to do it), so the keyboard's focus
  // returns where it was.
  int ShowModal();

  // Window dragging as the main window's (TWindowDrag), in the coordinates of Sender (the
  // control pressed): a left press starts it, every move while it lasts moves the window by the
  // pointer's offset from the press point, and the release (any button) ends it after one last
  // such move. A blocked or hidden window, or a move without the left button, ends it where the
  // window stands. On Wayland the press hands the move to the compositor instead.
  void AppMouseDown(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                    int Y);
  void AppMouseMove(QWidget* Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X,
                    int Y);
  void AppMouseUp(QWidget* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                  int Y);

  void CloseBtnClick(QObject* Sender);
  // Closes the window for the area "exit" only.
  void ExitMapMapClick(TKVCustomImageMap* Sender, const QString& AreaName);

protected:
  TKVImageBevel* PopUpBg() const { return FPopUpBg; }
  TKVPicture* TitleImage() const { return FTitleImage; }

  // Loads archive entry Entry into TitleImage and centres it horizontally; Title, the words the
  // picture shows, names the window.
  void LoadTitle(TSkinReader& Skin, int Entry, const QString& Title);
  // A transparent plain-text label in the window's font, at Left, Top and 13 pixels high; Label,
  // when given, is the label to set up so (one of a kind of the window's own).
  QLabel* AddLabel(const QString& Name, const QString& Text, int Left, int Top,
                   QLabel* Label = nullptr);
  // Sets Label's lettering a little smaller (down to 70%) until its text fits its width: a
  // translation longer than the line the window was drawn for, rather than one cut short.
  static void ShrinkToWidth(QLabel* Label);
  // Presses, moves and releases on Surface drag the window.
  void AddDragSurface(QWidget* Surface);

  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

private:
  void CreateControls();
  void FormCreate(TSkinReader& Skin);
  void PlaceCloseBtn();
  void CentreOnScreen();
  // Hands a mouse event on to the drag handlers; false for other events.
  bool DragByEvent(QWidget* Sender, QEvent* Event);

  TWindowDrag FDrag{*this};

  // Widgets given to AddDragSurface; they live as long as the window.
  std::vector<QWidget*> FDragSurfaces;
  TKVImageBevel* FPopUpBg = nullptr;
  TKVImageMap* FExitMap = nullptr;
  TKVPicture* FTitleImage = nullptr;
  TKVPicture* FCloseBtn = nullptr;
};
