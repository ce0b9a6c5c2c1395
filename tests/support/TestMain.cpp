// Entry point of the Qt-based test executables: one application object lives for the whole
// run, on the offscreen platform unless the caller chose another one.
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if TESSELO_TEST_APP == 3
#include <QApplication>
using TestApplication = QApplication;
#elif TESSELO_TEST_APP == 2
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
  // Test discovery runs the binary without the test's environment, so the defaults are set here.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
    QFile::setPermissions(runtimeDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  }
  // The user's own card folder lives under XDG_DATA_HOME; a developer's real sets must never
  // show up in a test's catalogue.
  QTemporaryDir dataHome;
  if (dataHome.isValid())
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  TestApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
