// The card sets the game ships with, described as builder requests.
#pragma once

#include "DeckRequest.h"

#include <QList>
#include <QString>

struct TDefaultSet {
  QString FileName; // name in the cards folder
  TDeckRequest Request;
};

// "Animations" (12 animated GIFs), "Wallpapers" (12 JPEG landscapes) and "Shapes and Colours"
// (64 BMP faces), each with its own back and advert. Between them they use plain, bitmap and
// compressed entries. Painting needs a QGuiApplication.
QList<TDefaultSet> DefaultSets();
