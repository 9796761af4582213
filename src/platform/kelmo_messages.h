// The user messages exchanged by the windows of the program, within one process and between
// the desktop program and its background Timer process. Each is known by its number alone.
#pragma once

namespace kelmo {

inline constexpr int kWmUser = 0x400;                // first number free for the program
inline constexpr int WM_KELMO_TRAY = kWmUser + 0;    // activity over the tray icon
inline constexpr int WM_KELMO_RELOAD = kWmUser + 1;  // re-read Kelmo.cfg; answer 1 ok, 0 failed
inline constexpr int WM_KELMO_QUIT = kWmUser + 2;    // end the background process; answer 1
inline constexpr int WM_KELMO_DONE = kWmUser + 5;    // a worker has finished

}  // namespace kelmo
