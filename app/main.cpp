#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Kovalent Tesselo 2.05"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("Kovalent Tesselo 2.05"));
  window.show();
  return app.exec();
}
