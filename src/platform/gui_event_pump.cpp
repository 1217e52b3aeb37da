#include "platform/gui_event_pump.h"

#include <QCoreApplication>

void QtEventPump::yield() { QCoreApplication::processEvents(QEventLoop::AllEvents); }
