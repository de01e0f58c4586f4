#pragma once
#include "base/text.h"

namespace namer {

// "http://" and the naming service's host, fixed when the program is built (NAMER_SERVICE_BASE).
extern const Text service_base;

// The service's request paths.
namespace service_path {
constexpr const char* free_naming = "/showName.php";
constexpr const char* reduplicated = "/showDiezi.php";
constexpr const char* five_elements = "/showWuxing.php";
constexpr const char* nickname = "/showXiaoming.php";
constexpr const char* novel_names = "/showXiaoshuo.php";
constexpr const char* meaning = "/showMeaning.php?name=";
} // namespace service_path

} // namespace namer
