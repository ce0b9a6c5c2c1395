// A language for the window tests only: every text is two fifths longer than the English one,
// as German or French often are, and wrapped in brackets. A window shown in it tells two faults
// apart from any real translation: a text that is clipped or runs out of its place (its end,
// and so its closing bracket, is lost) and a text that never went through a translator (it has
// no brackets).
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTextDocument>
#include <QTranslator>
#include <QWidget>

#include <cmath>

namespace testsupport {

// Text lengthened by 40% with letters of ordinary width (accented, as translations have them)
// and bracketed; %1 and %n stay whole, so arguments still land in it.
inline QString PseudoText(const QString& Text) {
  if (Text.isEmpty())
    return Text;
  static const QString filler = QStringLiteral("äöüéñçåø");
  const int extra = int(std::ceil(Text.size() * 0.4));
  QString padding;
  for (int i = 0; i < extra; ++i)
    padding += filler[i % filler.size()];
  return QLatin1Char('[') + Text + padding + QLatin1Char(']');
}

// Installed for its lifetime: every text asked of a translator comes back as PseudoText.
class TPseudoLanguage : public QTranslator {
public:
  TPseudoLanguage() { QCoreApplication::installTranslator(this); }
  ~TPseudoLanguage() override { QCoreApplication::removeTranslator(this); }
  TPseudoLanguage(const TPseudoLanguage&) = delete;
  TPseudoLanguage& operator=(const TPseudoLanguage&) = delete;

  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* Source, const char* = nullptr,
                    int = -1) const override {
    return PseudoText(QString::fromUtf8(Source));
  }
};

// What a player reads of Text in a widget whose format is Format.
inline QString ReadableText(const QString& Text, Qt::TextFormat Format = Qt::AutoText) {
  if (Format == Qt::PlainText || (Format == Qt::AutoText && !Qt::mightBeRichText(Text)))
    return Text;
  QTextDocument document;
  document.setHtml(Text);
  return document.toPlainText();
}

// Every text Window and its visible children show a player or a screen reader: labels,
// buttons, placeholders, group titles, tool tips, accessible names and the window's title.
inline QStringList ShownTexts(const QWidget& Window) {
  QList<const QWidget*> widgets{&Window};
  for (const QWidget* child : Window.findChildren<QWidget*>())
    if (child->isVisibleTo(&Window))
      widgets << child;
  QStringList texts;
  const auto add = [&texts](const QString& Text) {
    if (!Text.trimmed().isEmpty())
      texts << Text;
  };
  for (const QWidget* widget : widgets) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
      add(ReadableText(label->text(), label->textFormat()));
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
      add(QString(button->text()).remove(QLatin1Char('&')));
    else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
      add(edit->placeholderText());
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
      add(group->title());
    add(ReadableText(widget->toolTip()));
    add(widget->accessibleName());
    if (widget->isWindow())
      add(widget->windowTitle());
  }
  return texts;
}

// Of Texts, those no translator gave: without brackets at both ends, once Exempt (what the
// player typed, set titles, file names, the names of the programs) is taken out; numbers and
// web and mail addresses are never translated.
inline QStringList UnmarkedTexts(const QStringList& Texts, const QStringList& Exempt) {
  QStringList unmarked;
  for (QString text : Texts) {
    for (const QString& word : Exempt)
      text.remove(word);
    text = text.trimmed();
    const bool bracketed = text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
    bool numeric = false;
    text.toDouble(&numeric);
    const bool address = text.startsWith(QLatin1String("https://")) ||
                         text.startsWith(QLatin1String("http://")) ||
                         text.startsWith(QLatin1String("mailto:"));
    if (!text.isEmpty() && !bracketed && !numeric && !address)
      unmarked << text;
  }
  return unmarked;
}

// The visible texts of Window (labels, buttons, hints of empty fields) that do not fit their
// widget, and the visible widgets that run out of their parent, each named for the failure message.
inline QStringList ClippedTexts(const QWidget& Window) {
  QStringList clipped;
  for (const QWidget* widget : Window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&Window) || widget->isWindow())
      continue;
    const QString name = widget->objectName().isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : widget->objectName();
    const QWidget* parent = widget->parentWidget();
    if (parent && !parent->rect().contains(widget->geometry()))
      clipped << name + QStringLiteral(": runs out of its parent");
    QString text;
    bool fits = true;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      text = label->text();
      if (text.isEmpty() || label->pixmap().isNull() == false)
        continue;
      const QRect room = label->contentsRect();
      if (label->wordWrap())
        fits = label->heightForWidth(label->width()) <= label->height();
      else
        fits = label->sizeHint().width() <= label->width() &&
               label->fontMetrics().height() <= room.height();
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
      // A hint shows while the field is empty, inside its frame and margins.
      text = edit->placeholderText();
      if (text.isEmpty() || !edit->text().isEmpty())
        continue;
      fits = edit->fontMetrics().horizontalAdvance(text) + 8 <= edit->contentsRect().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      text = button->text();
      if (text.isEmpty())
        continue;
      fits = button->sizeHint().width() <= button->width();
    }
    if (!fits)
      clipped << name + QStringLiteral(": \"") + ReadableText(text) + QStringLiteral("\"");
  }
  return clipped;
}

} // namespace testsupport
