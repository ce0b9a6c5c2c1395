// Replays the inputs kept for every fuzz target under tests/regress/<target>/ (each target's
// edge cases, and every input that once broke it) through the same entry function the fuzzer
// drives. An entry aborts with the broken property on stderr, so a returning fault stops this
// test with the reason. A target without inputs fails: a replay of nothing would check nothing.
#include "FuzzEntries.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace fuzzentry {
// Names the target in test output instead of dumping its bytes.
void PrintTo(const TTarget& Target, std::ostream* Out) {
  *Out << Target.Name;
}
} // namespace fuzzentry

namespace {

QDir RegressDir() {
  return QDir(testsupport::SourceDir() + QStringLiteral("/tests/regress"));
}

class FuzzReplay : public ::testing::TestWithParam<fuzzentry::TTarget> {};

TEST_P(FuzzReplay, EveryKeptInputIsHandled) {
  const fuzzentry::TTarget target = GetParam();
  const QDir folder(RegressDir().filePath(QLatin1String(target.Name)));
  const QFileInfoList inputs = folder.entryInfoList(QDir::Files, QDir::Name);
  ASSERT_FALSE(inputs.isEmpty()) << "no inputs kept in " << folder.path().toStdString();
  for (const QFileInfo& input : inputs) {
    SCOPED_TRACE(input.fileName().toStdString());
    const QByteArray bytes = testsupport::ReadFileBytes(input.filePath());
    EXPECT_EQ(
        target.Entry(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay,
                         ::testing::ValuesIn(fuzzentry::Targets().begin(),
                                             fuzzentry::Targets().end()),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// A folder that names no target would never be replayed.
TEST(FuzzReplayFolders, EachNamesATarget) {
  const auto targets = fuzzentry::Targets();
  for (const QString& name : RegressDir().entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const bool known = std::any_of(targets.begin(), targets.end(), [&](const auto& Target) {
      return name == QLatin1String(Target.Name);
    });
    EXPECT_TRUE(known) << name.toStdString();
  }
}

} // namespace
