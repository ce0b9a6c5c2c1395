// The builder's checks on a set that is not built yet, each worded for the field it is about,
// so a window can show it beside that field before anything is built.
#pragma once

#include "DraftFace.h"

#include <QList>
#include <QString>

struct TDraftChecks {
  QString Title;   // empty, or too long
  QString Link;    // too long
  QString CardBox; // not WIDTHxHEIGHT within 1..2048
  QString Faces;   // too few, unreadable, or of mixed formats
  bool Passed() const {
    return Title.isEmpty() && Link.isEmpty() && CardBox.isEmpty() && Faces.isEmpty();
  }
};

// The same limits BuildDeck enforces. CardBoxText is empty for the default box.
TDraftChecks CheckDraft(const QString& Title, const QString& Link, const QString& CardBoxText,
                        const QList<TDraftFace>& Faces);

// The format the first readable face has; the set is of that format. Unknown for none.
TFaceFormat DraftFormat(const QList<TDraftFace>& Faces);
