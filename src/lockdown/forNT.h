#pragma once
// Shutting down and restarting Windows on the server's command. The NT family lets a
// program do that only with the shutdown privilege enabled in its token.
namespace tavimo {

// True on the NT family (Windows 2000 and later), false on Windows 95, 98 and ME.
bool isWindowsNT();
// Enables "SeShutdownPrivilege" in the client's own token.
void enableShutdownPrivilege();
// Ask the system to shut down or restart; force ends programs without asking them. On the
// NT family the privilege is enabled first, and the request is made even if that failed.
void shutdownWindows(bool force);
void restartWindows(bool force);

}  // namespace tavimo
