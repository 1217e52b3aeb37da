#pragma once
// Long runs (drawing, sending, area selection) call yield() so that keys, mouse
// presses and the window's close reach their handlers.
#include <QList>
#include <functional>

class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void yield() = 0;
};

// For tests and the command-line tool: each yield runs the next queued step
// (typically "press this key"); with nothing queued it runs the idle action.
class ScriptedPump : public EventPump {
public:
    void yield() override {
        ++yields_;
        if (!steps_.isEmpty()) {
            auto f = steps_.takeFirst();
            f();
        } else if (idle_) {
            idle_();
        }
    }
    void queue(std::function<void()> f) { steps_.append(std::move(f)); }
    void setIdle(std::function<void()> f) { idle_ = std::move(f); }
    int yields() const { return yields_; }
    bool pending() const { return !steps_.isEmpty(); }

private:
    QList<std::function<void()>> steps_;
    std::function<void()> idle_;
    int yields_ = 0;
};
