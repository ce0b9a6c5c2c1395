// The bitmap reader of data/ against Qt's own, for pictures both must read alike.
#pragma once

#include "BmpImage.h"

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <string>

inline void ExpectAsQtReadsIt(const QByteArray& Bytes, const std::string& What) {
  QImage ours;
  ASSERT_NO_THROW(ours = DecodeBmp(Bytes)) << What;
  const QImage qt = QImage::fromData(Bytes, "BMP");
  ASSERT_FALSE(qt.isNull()) << What;
  EXPECT_EQ(ours.format(), qt.format()) << What;
  EXPECT_EQ(ours.size(), qt.size()) << What;
  EXPECT_TRUE(ours == qt) << What;
  EXPECT_EQ(ours.dotsPerMeterX(), qt.dotsPerMeterX()) << What;
  EXPECT_EQ(ours.dotsPerMeterY(), qt.dotsPerMeterY()) << What;
}
