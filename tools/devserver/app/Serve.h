#pragma once
// The two things the program does: run the server until it is told to stop, or send one
// remote command to a client. Each returns the process exit code.
#include <filesystem>

#include "core/Options.h"

namespace tavimo::devserver {

// 0 after a clean stop (quit, SIGINT, SIGTERM); 1 when the configuration, the log file or a
// port cannot be used.
int serve(const ServeOptions& options, const std::filesystem::path& programFolder);
// 0 when the datagram left; 1 otherwise.
int sendOnce(const SendOptions& options);

}  // namespace tavimo::devserver
