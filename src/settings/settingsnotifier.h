#pragma once

#include <functional>
#include <map>

namespace zuk::settings {

// The one "settings changed" notification of a run. Whoever changes the
// settings record (the settings dialog, a colour style, a menu check mark)
// calls notify() once; everyone who shows something that depends on the
// record subscribes and applies it again. Listeners run in the order they
// subscribed.
class SettingsNotifier final {
public:
    using Listener = std::function<void()>;

    // Returns the token that unsubscribes the listener.
    int subscribe(Listener listener);
    void unsubscribe(int token);
    void notify();

private:
    std::map<int, Listener> m_listeners;
    int m_next = 1;
};

} // namespace zuk::settings
