#include "TesseloApplication.h"

#include "AccessibilityFactory.h"
#include "KVUtils.h"

#include <QCoreApplication>

TTesseloApplication::TTesseloApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {
  InstallAccessibility();
}

QString ExceptionText(std::exception_ptr Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what());
  } catch (...) {
    return QCoreApplication::translate("TTesseloApplication", "An unexpected error occurred.");
  }
}

void ReportException(std::exception_ptr Error) {
  ShowMessageBox(ExceptionText(Error), QString(), MB_OK | MB_ICONERROR);
}

bool TTesseloApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (...) {
    ReportException(std::current_exception());
    return false;
  }
}
