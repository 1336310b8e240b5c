#pragma once
// The events of the components, and the guard every handler is bound under. A window's handlers
// run only while it is open, from the creation of the surfaces they paint on to their freeing: a
// closing window may still hear the pupil's clicks and keys, and they must not reach freed pages.
// An event takes its handler with a guard or not at all, so that no component added later can
// reach a closing window by being bound without one.

#include <functional>
#include <memory>
#include <utility>

// Whether a window hears its events; it starts closed. Copies share one state, so that the events
// keep it past the window that opens and closes it.
class Garde {
public:
    bool ouverte() const { return *ouverte_; }
    void ouvrir() { *ouverte_ = true; }
    void fermer() { *ouverte_ = false; }

private:
    std::shared_ptr<bool> ouverte_ = std::make_shared<bool>(false);
};

template <class... Arguments>
class Evenement {
public:
    // The action replaces the one bound before; it runs at each event while the guard is open.
    void lier(const Garde& garde, std::function<void(Arguments...)> action)
    {
        garde_ = garde;
        action_ = std::move(action);
    }
    explicit operator bool() const { return static_cast<bool>(action_); }
    // A component that its own action may free calls a copy.
    void operator()(Arguments... arguments) const
    {
        if (action_ && garde_.ouverte()) action_(std::forward<Arguments>(arguments)...);
    }

private:
    Garde garde_;
    std::function<void(Arguments...)> action_;
};
