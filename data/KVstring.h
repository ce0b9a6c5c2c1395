// String and stream routines shared by the archive, the skin controls and start-up.
// Positions are 1-based, as everywhere strings are searched in this program.
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Path with the platform's directory separator appended unless it already ends with one;
// an empty path stays empty.
QString AddTrailingDelimiter(const QString& Path);

// Writes exactly the bytes of S at the stream's position. Throws EKVResError on a short write.
void WriteStringToStream(QIODevice& Stream, const QByteArray& S);

// The next Count bytes of the stream (Count -1: the rest of it). Any failure gives an empty
// result; nothing is thrown.
QByteArray ReadStringFromStream(QIODevice& Stream, qint64 Count);

// 1-based position of the first occurrence of Pattern in Text at or after Start, or 0.
int PosFrom(const QString& Pattern, const QString& Text, int Start, bool CaseSensitive);

// The Index-th field of Text, each field closed by Delimiter ("10,20," has fields 10 and 20);
// an unclosed or missing field is empty.
QString GetField(const QString& Text, int Index, const QString& Delimiter);
