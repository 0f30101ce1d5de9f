#include "ui/dirwin/commands.h"

void TCommandRegistry::Register(TCommand command, Handler handler) {
    if (handler)
        handlers_[command] = std::move(handler);
    else
        handlers_.erase(command);
}

bool TCommandRegistry::Run(TCommand command, const TCommandTarget& target) const {
    auto it = handlers_.find(command);
    if (it == handlers_.end()) return false;
    // A copy: the handler may register commands anew while it runs.
    const Handler handler = it->second;
    handler(target);
    return true;
}
