// Posted tasks on Qt: each task becomes a queued call on the application object, which lives
// in the user-interface thread, so the event loop (a modal form's nested loop included) runs it
// there between two events.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

#include "platform/post.h"

namespace platform {

void PostToUiThread(std::function<void()> task) {
  // Qt posts the queued call under its own lock, so this is safe from any thread.
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
  }
}

void RunPostedTasks() {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    QCoreApplication::sendPostedEvents(app, QEvent::MetaCall);
  }
}

}  // namespace platform
