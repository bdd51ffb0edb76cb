#include "ui/SearchThread.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tamsok {

namespace {

// The worker's nice value, and the batch policy: the window's thread always runs first and
// wakes without waiting for the worker's time slice; the searches take the processor time
// that is left.
constexpr int kWorkerNice = 10;

}  // namespace

// Owns the searcher, made on the worker thread at its first job.
class SearchThread::Worker : public QObject {
 public:
  explicit Worker(std::size_t tableMegabytes) : tableMegabytes_(tableMegabytes) {}

  void Run(const Job& job, const std::atomic<bool>& stop) {
    if (stop.load()) return;  // handed over and already replaced
    if (!searcher_) {
      const sched_param none{};
      sched_setscheduler(0, SCHED_BATCH, &none);  // this thread only, on Linux
      setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNice);
      searcher_ = std::make_unique<engine::Searcher>(tableMegabytes_);
    }
    job(*searcher_, stop);
  }

 private:
  std::size_t tableMegabytes_;
  std::unique_ptr<engine::Searcher> searcher_;
};

SearchThread::SearchThread(const char* name, std::size_t tableMegabytes)
    : worker_(new Worker(tableMegabytes)) {
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.setObjectName(QString::fromUtf8(name));
  thread_.start();
}

SearchThread::~SearchThread() {
  Stop();
  thread_.quit();
  thread_.wait();
}

void SearchThread::Run(Job job) {
  Stop();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  Worker* worker = worker_;
  QMetaObject::invokeMethod(
      worker, [worker, job = std::move(job), stop = stop_] { worker->Run(job, *stop); },
      Qt::QueuedConnection);
}

void SearchThread::Stop() {
  if (stop_) *stop_ = true;
}

}  // namespace tamsok
