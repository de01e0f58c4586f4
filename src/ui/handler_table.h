#pragma once
#include <functional>
#include <map>
#include <string>

namespace namer {

// Event handlers take no arguments and return nothing.
using Handler = std::function<void()>;

// The program's handlers by the names the window definitions bind them with. The toolkits run events through it;
// a name nothing is bound to runs nothing.
class HandlerTable {
public:
    // Binds `name`, replacing what it was bound to; an empty handler unbinds it.
    void bind(const std::string& name, Handler handler);
    bool is_bound(const std::string& name) const;
    // Runs the handler bound to `name`. Returns whether one ran.
    bool run(const std::string& name) const;

private:
    std::map<std::string, Handler> handlers_;
};

} // namespace namer
