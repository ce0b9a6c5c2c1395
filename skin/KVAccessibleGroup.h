// A widget whose parts are drawn rather than made of widgets (image maps, the board grid), as
// assistive technology sees it: its parts come first as element children, then the child
// widgets a player can see, then its live statuses (TKVLiveStatus). Hidden widgets and the
// skin's decorations (its frame, the focus frame) are left out, so nothing the screen does not
// show can be read. Subclasses say how many parts there are and what each one is called and does.
#pragma once

#include <QAccessibleWidget>

#include <vector>

class TKVAccessibleElement;

// Marks a widget as decoration (a frame, a picture that repeats what other controls say): it is
// drawn, but not listed for assistive technology.
void SetAccessibleDecoration(QWidget* Widget);

class TKVAccessibleGroup : public QAccessibleWidget {
public:
  TKVAccessibleGroup(QWidget* Widget, QAccessible::Role Role);
  ~TKVAccessibleGroup() override;
  TKVAccessibleGroup(const TKVAccessibleGroup&) = delete;
  TKVAccessibleGroup& operator=(const TKVAccessibleGroup&) = delete;

  virtual int ElementCount() const = 0;
  virtual QString ElementName(int Index) const = 0;
  virtual QString ElementDescription(int) const { return {}; }
  // In the widget's own coordinates.
  virtual QRect ElementRect(int Index) const = 0;
  // The same on the screen, as readers point at parts there.
  QRect ElementScreenRect(int Index) const;
  virtual QAccessible::Role ElementRole() const { return QAccessible::Button; }
  virtual QAccessible::State ElementState(int Index) const;
  // The part's one action; must act as a click on it would.
  virtual void PressElement(int Index) = 0;

  int childCount() const override;
  QAccessibleInterface* child(int Index) const override;
  int indexOfChild(const QAccessibleInterface* Child) const override;

  // The child objects a reader is shown, in order: visible widgets that are not decoration,
  // then live statuses.
  QObjectList ShownChildren() const;

protected:
  // The element interface of a part, created on first use and kept until the group goes.
  TKVAccessibleElement* Element(int Index) const;

private:
  mutable std::vector<TKVAccessibleElement*> FElements;
};
