// A worker thread with an engine searcher of its own, for the analysis and the game review
// (the computer opponent has its own). Jobs run on it one after another; each job gets a stop
// flag of its own, raised when a newer job is handed over or the thread is asked to stop, so
// a job that is no longer wanted ends within milliseconds, and one handed over after it never
// waits for it longer than that. A job reports back with QMetaObject::invokeMethod on an
// object of the window's thread; nothing else is shared.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include <QObject>
#include <QThread>

#include "engine/Search.h"

namespace tamsok {

class SearchThread : public QObject {
 public:
  using Job = std::function<void(engine::Searcher& searcher, const std::atomic<bool>& stop)>;

  explicit SearchThread(const char* name, std::size_t tableMegabytes = 16);
  // Stops the running job and waits for the thread (a few milliseconds).
  ~SearchThread() override;

  // Stops any job handed over before and queues `job` after it.
  void Run(Job job);
  // Stops the running job and every job still queued.
  void Stop();

 private:
  class Worker;
  QThread thread_;
  Worker* worker_ = nullptr;                 // lives on thread_, deleted there when it finishes
  std::shared_ptr<std::atomic<bool>> stop_;  // the newest job's flag
};

}  // namespace tamsok
