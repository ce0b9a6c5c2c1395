// The application object. An exception that escapes an event handler is shown in a message
// box titled with the application title, carrying the error's own text, and the program goes
// on: it never unwinds through the toolkit.
#pragma once

#include <QApplication>

#include <exception>

class TTesseloApplication : public QApplication {
public:
  TTesseloApplication(int& Argc, char** Argv);

  bool notify(QObject* Receiver, QEvent* Event) override;
};

// The message of an exception as the program reports it; a foreign exception gets a general
// text.
QString ExceptionText(std::exception_ptr Error);

// Shows the report of Error: its text in an error box under the application title.
void ReportException(std::exception_ptr Error);
