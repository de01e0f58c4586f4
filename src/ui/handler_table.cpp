#include "ui/handler_table.h"

namespace namer {

void HandlerTable::bind(const std::string& name, Handler handler) {
    if (handler)
        handlers_[name] = std::move(handler);
    else
        handlers_.erase(name);
}

bool HandlerTable::is_bound(const std::string& name) const {
    return handlers_.count(name) != 0;
}

bool HandlerTable::run(const std::string& name) const {
    auto it = handlers_.find(name);
    if (it == handlers_.end())
        return false;
    // A copy, so that a handler that rebinds its own name does not destroy itself while it runs.
    Handler handler = it->second;
    handler();
    return true;
}

} // namespace namer
