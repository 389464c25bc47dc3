#pragma once
// The pictures built into the client, by resource name: each is the GIF of that name in
// lower case in src/session/pictures (drawn by make-pictures.sh there).
namespace tavimo::picture {

inline constexpr const char* timerLogo = "TIMER_LOGO";
inline constexpr const char* minimizeNormal = "MINIMIZE_NORMAL";
inline constexpr const char* minimizePressed = "MINIMIZE_PRESSED";
inline constexpr const char* hideNormal = "HIDE_NORMAL";
inline constexpr const char* hidePressed = "HIDE_PRESSED";
inline constexpr const char* closeNormal = "CLOSE_NORMAL";
inline constexpr const char* closePressed = "CLOSE_PRESSED";
inline constexpr const char* trayClock = "TRAY_CLOCK";
inline constexpr const char* trayArea = "TRAY_AREA";

}  // namespace tavimo::picture
