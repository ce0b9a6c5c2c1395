// Builds a card set on a thread of its own, so the window stays responsive while large photos
// are scaled and encoded, and can be stopped halfway.
#pragma once

#include "DeckRequest.h"

#include <QObject>

#include <functional>
#include <memory>
#include <stop_token>

class QThread;

class TDeckBuildJob : public QObject {
  Q_OBJECT

public:
  explicit TDeckBuildJob(QObject* Parent = nullptr);
  // Stops a build in progress and waits for its thread.
  ~TDeckBuildJob() override;

  // Starts building Request, then reads the set back as the game will, in a file named Name;
  // ignored while a build runs. Exactly one of Built, Failed and Cancelled follows, on the
  // thread this object lives in.
  void Start(TDeckRequest Request, const QString& Name);
  // Asks the build to stop before its next step.
  void Cancel();
  bool Running() const { return FRunning; }

signals:
  void Progressed(int Done, int Total, const QString& Step);
  void Built(const QByteArray& Bytes);
  void Failed(const QString& Message);
  void Cancelled();

private:
  void Run(const TDeckRequest& Request, const QString& Name);
  void Deliver(std::function<void()> Signal);

  std::unique_ptr<QThread> FThread;
  std::stop_source FStop;
  bool FRunning = false;
};
