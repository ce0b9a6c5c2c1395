// The card back and advert a set gets when its maker gives none. Both are drawn from the
// title alone, so the same title always gives the same pictures. Drawing text needs a
// QGuiApplication.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The score screen shows the advert stretched into this box.
inline constexpr QSize AdvertBox{178, 170};

// A deep colour chosen by the title, so that different sets get different backs.
QColor TitleColour(const QString& Title);

// A framed, patterned back with the title's initials on a medallion, Box in size.
QImage DrawDefaultBack(QSize Box, const QString& Title);

// A fan of three backs over the title, with the link's host name below: AdvertBox in size.
QImage DrawDefaultAdvert(const QString& Title, const QString& Link);
