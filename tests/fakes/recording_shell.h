#pragma once
#include <vector>

#include "platform/shell.h"

namespace namer {

class RecordingShell : public Shell {
public:
    std::vector<Text> opened;
    void open_web_address(const Text& address) override { opened.push_back(address); }
};

} // namespace namer
