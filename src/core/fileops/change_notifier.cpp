#include "core/fileops/change_notifier.h"

#include <algorithm>

int TChangeNotifier::Listen(TListener listener) {
    listeners_.emplace_back(nextId_, std::move(listener));
    return nextId_++;
}

void TChangeNotifier::Forget(int id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

// A listener's re-read processes events and may add or forget listeners:
// the announcement goes to those listening when it was made and still
// listening when their turn comes.
template <class Call>
static void Announce(const std::vector<std::pair<int, TChangeNotifier::TListener>>& listeners,
                     const Call& call) {
    std::vector<int> ids;
    for (const auto& l : listeners) ids.push_back(l.first);
    for (int id : ids) {
        auto it = std::find_if(listeners.begin(), listeners.end(), [id](const auto& l) { return l.first == id; });
        if (it == listeners.end()) continue;
        const TChangeNotifier::TListener listener = it->second;
        call(listener);
    }
}

void TChangeNotifier::PathChanged(const std::string& path) const {
    Announce(listeners_, [&](const TListener& l) {
        if (l.PathChanged) l.PathChanged(path);
    });
}

void TChangeNotifier::TreeChanged(char drive) const {
    Announce(listeners_, [&](const TListener& l) {
        if (l.TreeChanged) l.TreeChanged(drive);
    });
}

TChangeNotifier& ChangeNotifier() {
    static TChangeNotifier notifier;
    return notifier;
}
