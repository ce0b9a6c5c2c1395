#include "KVstring.h"
#include "KVRStream.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(KVstringPath, TrailingDelimiter) {
  EXPECT_EQ(AddTrailingDelimiter("/opt/games"), "/opt/games/");
  EXPECT_EQ(AddTrailingDelimiter("/opt/games/"), "/opt/games/");
  EXPECT_EQ(AddTrailingDelimiter("/"), "/");
  EXPECT_EQ(AddTrailingDelimiter(""), "");
}

TEST(KVstringStream, WriteThenReadBack) {
  QByteArray bytes = "0123456789";
  QBuffer buffer(&bytes);
  ASSERT_TRUE(buffer.open(QIODevice::ReadWrite));
  buffer.seek(3);
  WriteStringToStream(buffer, QByteArray("ab\0c", 4));
  EXPECT_EQ(bytes, QByteArray("012ab\0c789", 10));
  EXPECT_EQ(buffer.pos(), 7);

  EXPECT_EQ(ReadStringFromStream(buffer, -1), "789");
  EXPECT_EQ(ReadStringFromStream(buffer, -1), "");
  buffer.seek(1);
  EXPECT_EQ(ReadStringFromStream(buffer, 2), "12");
  EXPECT_EQ(ReadStringFromStream(buffer, 0), "");
}

TEST(KVstringStream, FailuresGiveEmptyOrRaise) {
  QByteArray bytes = "abc";
  QBuffer readOnly(&bytes);
  ASSERT_TRUE(readOnly.open(QIODevice::ReadOnly));
  EXPECT_THROW(WriteStringToStream(readOnly, "x"), EKVResError);
  EXPECT_EQ(bytes, "abc");
  // More than the stream holds is a failed read, and a wild count reserves nothing.
  EXPECT_EQ(ReadStringFromStream(readOnly, 4), "");
  EXPECT_EQ(ReadStringFromStream(readOnly, qint64(1) << 40), "");
  EXPECT_EQ(ReadStringFromStream(readOnly, -5), "");
  QBuffer closed(&bytes);
  EXPECT_EQ(ReadStringFromStream(closed, -1), "");
}

TEST(KVstringSearch, PosFrom) {
  EXPECT_EQ(PosFrom(",", "a,b", 3, true), 0);
  EXPECT_EQ(PosFrom(",", "a,b", 1, true), 2);
  EXPECT_EQ(PosFrom(",", "a,b", -4, true), 2);
  EXPECT_EQ(PosFrom(",", "a,b", 2, true), 2);
  EXPECT_EQ(PosFrom("AB", "xab", 1, false), 2);
  EXPECT_EQ(PosFrom("AB", "xab", 1, true), 0);
  EXPECT_EQ(PosFrom("", "abc", 1, true), 0);
  EXPECT_EQ(PosFrom("a", "", 1, true), 0);
  EXPECT_EQ(PosFrom("a", "abc", 4, true), 0);
  EXPECT_EQ(PosFrom("abcd", "abc", 1, true), 0);
}

// Regression: a failed partial match used to skip the occurrence that began inside it.
TEST(KVstringSearch, PosFromFindsOverlappingStarts) {
  EXPECT_EQ(PosFrom("aab", "aaab", 1, true), 2);
  EXPECT_EQ(PosFrom(",,x", ",,,x", 1, true), 2);
}

TEST(KVstringFields, GetField) {
  EXPECT_EQ(GetField("a,b,", 0, ","), "a");
  EXPECT_EQ(GetField("a,b,", 1, ","), "b");
  EXPECT_EQ(GetField("10,20,30", 2, ","), "");
  EXPECT_EQ(GetField("10,20,30,", 2, ","), "30");
  EXPECT_EQ(GetField("", 0, ","), "");
  EXPECT_EQ(GetField(",,5,", 1, ","), "");
  EXPECT_EQ(GetField(",,5,", 2, ","), "5");
  EXPECT_EQ(GetField("1::22::", 1, "::"), "22");
  EXPECT_EQ(GetField("a,b,", 0, ""), "");
}

// Regression: an index past the last delimiter used to restart the search near the start and
// return an earlier field.
TEST(KVstringFields, IndexBeyondTheLastDelimiterIsEmpty) {
  EXPECT_EQ(GetField("a,b,", 2, ","), "");
  EXPECT_EQ(GetField("a,b,", 3, ","), "");
  EXPECT_EQ(GetField("ab,cd,", 7, ","), "");
  EXPECT_EQ(GetField("a,b,", -1, ","), "");
}
