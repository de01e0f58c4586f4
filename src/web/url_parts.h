#pragma once
#include "base/text.h"

namespace namer {

// Lower-case host of a URL, without scheme, path or port: every "https://" and then every "http://" removed
// wherever they stand, then what precedes the first "/" and the first ":".
Text host_from_url(const Text& url);

// The object name handed to WinInet: from the first "/" at or after the host, query string included; "/" when
// the URL has nothing after its host.
Text path_from_url(const Text& url);

// The port after the first ":" of the authority, read as a leading decimal number (0 when there is none);
// 80 when the authority has no ":".
int port_from_url(const Text& url);

} // namespace namer
