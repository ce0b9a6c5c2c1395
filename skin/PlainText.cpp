#include "PlainText.h"

#include <QTextDocument>

QString PlainToolTip(const QString& Text) {
  if (!Qt::mightBeRichText(Text))
    return Text;
  // As markup the escaped text would wrap at the tool tip's width; a plain tip never does.
  return QStringLiteral("<p style='white-space:pre'>") + Text.toHtmlEscaped() +
         QStringLiteral("</p>");
}
