// The readable summary `dkwright info` prints about a set.
#pragma once

#include <QString>

// The header fields (title, link, card box, face count and format) and one line per entry
// (index, role, how it is stored, stored size, delivered size and content format). Raises
// EDeckError when the file cannot be opened or is not a card set.
QString DescribeDeck(const QString& Path);
