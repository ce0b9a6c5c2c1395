#include "DeckBuildJob.h"

#include "DeckBuilder.h"
#include "DeckError.h"

#include <QThread>

#include <new>

TDeckBuildJob::TDeckBuildJob(QObject* Parent) : QObject(Parent) {}

TDeckBuildJob::~TDeckBuildJob() {
  FStop.request_stop();
  if (FThread)
    FThread->wait();
}

void TDeckBuildJob::Start(TDeckRequest Request, const QString& Name) {
  if (FRunning)
    return;
  if (FThread)
    FThread->wait(); // finished already: its last result has been delivered
  FRunning = true;
  FStop = std::stop_source();
  FThread.reset(
      QThread::create([this, request = std::move(Request), Name] { Run(request, Name); }));
  FThread->start();
}

void TDeckBuildJob::Cancel() {
  FStop.request_stop();
}

// Runs on the UI thread of this object; a result posted after the object is gone is dropped
// with it, and the destructor waits for the thread, so the job never outlives what it reports.
void TDeckBuildJob::Deliver(std::function<void()> Signal) {
  QMetaObject::invokeMethod(this, std::move(Signal), Qt::QueuedConnection);
}

void TDeckBuildJob::Run(const TDeckRequest& Request, const QString& Name) {
  const TDeckProgress progress = [this](int done, int total, const QString& step) {
    Deliver([this, done, total, step] { emit Progressed(done, total, step); });
    return !FStop.stop_requested();
  };
  try {
    const QByteArray bytes = BuildDeck(Request, progress);
    // The check has no steps to count; a bar without an end shows it is still at work.
    const QString checking = tr("Reading the set as the game will");
    Deliver([this, checking] { emit Progressed(0, 0, checking); });
    CheckBuiltDeck(bytes, Name, FStop.get_token());
    Deliver([this, bytes] {
      FRunning = false;
      emit Built(bytes);
    });
  } catch (const EDeckCancelled&) {
    Deliver([this] {
      FRunning = false;
      emit Cancelled();
    });
  } catch (const std::bad_alloc&) {
    Deliver([this] {
      FRunning = false;
      emit Failed(tr("Not enough memory to build the card set."));
    });
  } catch (const std::exception& error) {
    const QString message = QString::fromUtf8(error.what());
    Deliver([this, message] {
      FRunning = false;
      emit Failed(message);
    });
  }
}
