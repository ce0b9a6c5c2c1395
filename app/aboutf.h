// The about box: the product and its maker, their web and mail addresses, the credit for the
// animated card sets' artwork and the copyright line. Link labels (lime green, pointing hand)
// open their address when clicked, or when Enter or Space is pressed while they have the
// keyboard's focus; the other labels (yellow, open hand) drag the window.
#pragma once

#include "popUpF.h"

#include <vector>

class QLabel;
class QMouseEvent;

class TAboutForm : public TPopUpform {
  Q_OBJECT

public:
  // The page on the maker's site that leads on to the artwork company's site; Label7 opens it
  // instead of the address it shows.
  static const QString ArtworkRedirectLink;

  // Builds the window and reads its title (entry 23) besides the pop-up skin.
  explicit TAboutForm(TSkinReader& Skin, QWidget* Parent = nullptr);
  ~TAboutForm() override;

  // Opens the web address of the label clicked (Sender).
  void URLClick(QObject* Sender);
  // Starts a mail to the address of the label clicked (Sender).
  void MailClick(QObject* Sender);

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void FormCreate(TSkinReader& Skin);
  QLabel* AddCentredLabel(const QString& Name, const QString& Text, int Top,
                          QLabel* Label = nullptr);
  void MakeTextLabel(QLabel* Label);
  void MakeLinkLabel(QLabel* Label);
  // A left release over the link label that took the left press is a click on it.
  void LinkLabelMouseUp(QLabel* Label, const QMouseEvent& Event);
  // Opens the link Label shows: a mail for the mail address, the web address otherwise.
  void OpenLink(QLabel* Label);

  // Label7, which opens the artwork redirect, and Label4, the mail address.
  QLabel* FArtworkLabel = nullptr;
  QLabel* FMailLabel = nullptr;
  std::vector<QLabel*> FLinkLabels;
  QLabel* FPressedLink = nullptr;
};
