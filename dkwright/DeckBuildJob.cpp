#include "DeckBuildJob.h"

#include "DeckBuilder.h"
#include "DeckError.h"

#include <QThread>

#include <new>

TDeckBuildJob::TDeckBuildJob(QObject* Parent) : QObject(Parent) {}

TDeckBuildJob::~TDeckBuildJob() {
  FCancel = true;
  if (FThread)
    FThread->wait();
}

void TDeckBuildJob::Start(TDeckRequest Request) {
  if (FRunning)
    return;
  if (FThread)
    FThread->wait(); // finished already: its last result has been delivered
  FRunning = true;
  FCancel = false;
  FThread.reset(QThread::create([this, request = std::move(Request)] { Run(request); }));
  FThread->start();
}

void TDeckBuildJob::Cancel() {
  FCancel = true;
}

// Runs on the UI thread of this object; a result posted after the object is gone is dropped
// with it, and the destructor waits for the thread, so the job never outlives what it reports.
void TDeckBuildJob::Deliver(std::function<void()> Signal) {
  QMetaObject::invokeMethod(this, std::move(Signal), Qt::QueuedConnection);
}

void TDeckBuildJob::Run(const TDeckRequest& Request) {
  const TDeckProgress progress = [this](int done, int total, const QString& step) {
    Deliver([this, done, total, step] { emit Progressed(done, total, step); });
    return !FCancel;
  };
  try {
    const QByteArray bytes = BuildDeck(Request, progress);
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
