// The application object of the program: an exception escaping an event handler is shown in a
// message box under the application title and the event loop goes on. Runs in its own process
// because it owns the one application object.
#include "KVMessageBox.h"
#include "Product.h"
#include "TesseloApplication.h"

#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class TRecordingBox : public TKVMessageBox {
public:
  TRecordingBox() { SetInstance(this); }
  ~TRecordingBox() override { SetInstance(nullptr); }
  int Show(const QString& Text, const QString& Caption, int) override {
    Texts << Text;
    Captions << Caption;
    return 1;
  }
  QStringList Texts;
  QStringList Captions;
};

class TThrowingObject : public QObject {
public:
  int Handled = 0;

protected:
  bool event(QEvent* Event) override {
    if (Event->type() != QEvent::User)
      return QObject::event(Event);
    ++Handled;
    if (Handled == 1)
      throw std::runtime_error("The card set cannot be read.");
    return true;
  }
};

TEST(ApplicationNotify, EscapedExceptionIsReportedAndTheLoopGoesOn) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "tesselo";
  char* argv[] = {name, nullptr};
  TTesseloApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QString::fromLatin1(product::Title));
  TRecordingBox box;
  TThrowingObject object;
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
  QTimer::singleShot(100, &app, &QCoreApplication::quit);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_EQ(object.Handled, 2);
  EXPECT_EQ(box.Texts, QStringList{"The card set cannot be read."});
  EXPECT_EQ(box.Captions, QStringList{product::Title});
}

} // namespace
