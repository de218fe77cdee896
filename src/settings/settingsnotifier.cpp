#include "settings/settingsnotifier.h"

#include <vector>

namespace zuk::settings {

int SettingsNotifier::subscribe(Listener listener)
{
    const int token = m_next++;
    m_listeners.emplace(token, std::move(listener));
    return token;
}

void SettingsNotifier::unsubscribe(int token)
{
    m_listeners.erase(token);
}

void SettingsNotifier::notify()
{
    // A listener may unsubscribe itself or others while the rest run.
    std::vector<int> tokens;
    for (const auto& entry : m_listeners)
        tokens.push_back(entry.first);
    for (int token : tokens) {
        auto it = m_listeners.find(token);
        if (it != m_listeners.end()) {
            const Listener listener = it->second;
            listener();
        }
    }
}

} // namespace zuk::settings
