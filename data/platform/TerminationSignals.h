// The system asking the program to end (SIGTERM at logout or from `kill`, SIGHUP when its
// terminal goes, SIGINT from Ctrl+C), turned into a call on the event loop's thread, so the
// program closes as if its window were closed and keeps what it would keep then.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

class TTerminationSignals : public QObject {
public:
  // OnSignal runs on this object's thread once per signal received. Only one instance may
  // exist at a time; while it lives the signals no longer end the process by themselves.
  explicit TTerminationSignals(std::function<void()> OnSignal, QObject* Parent = nullptr);
  // Gives the signals their default action back.
  ~TTerminationSignals() override;

private:
  void SignalArrived();

  std::function<void()> FOnSignal;
  std::unique_ptr<QSocketNotifier> FNotifier;
};
