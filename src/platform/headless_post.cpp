// Posted tasks without a message loop: a locked queue that the test (or whoever drives the
// headless program) empties with RunPostedTasks.
#include <mutex>
#include <vector>

#include "platform/post.h"

namespace platform {

namespace {

std::mutex& QueueLock() {
  static std::mutex lock;
  return lock;
}

std::vector<std::function<void()>>& Queue() {
  static std::vector<std::function<void()>> queue;
  return queue;
}

}  // namespace

void PostToUiThread(std::function<void()> task) {
  if (!task) return;
  std::lock_guard<std::mutex> hold(QueueLock());
  Queue().push_back(std::move(task));
}

void RunPostedTasks() {
  // The batch is taken out under the lock and run without it, so a task may post again (and
  // another thread may post meanwhile) without waiting on the lock it would hold.
  std::vector<std::function<void()>> batch;
  {
    std::lock_guard<std::mutex> hold(QueueLock());
    batch.swap(Queue());
  }
  for (auto& task : batch) task();
}

}  // namespace platform
