#pragma once
// The window's event pump: a long run yields so that keys, mouse presses and a
// close of the window reach their handlers.
#include "platform/event_pump.h"

class QtEventPump : public EventPump {
public:
    void yield() override;
};
