#pragma once

class QWidget;

// The environment variable that switches the timing report on.
inline constexpr char timingReportVariable[] = "TALLOWBY_TIMINGS";

// With TALLOWBY_TIMINGS set, the program tells on standard output when it
// paints its first frame and how quickly it answers a click, so that a
// benchmark can time it from outside as a user starts it. Without the variable
// this does nothing and start-up is untouched. Lines, one event each:
//   window <id>                   the native window, for a tool that clicks into it
//   tab <n> <x> <y>               the centre of tab n (from 1), in window coordinates
//   first-paint                   the first frame of the window has been flushed
//   click-frame <ms>              after a mouse press, the next frame has been flushed
//   page-loaded <ms> <stall ms>   a web page finished loading, time since the press and
//                                 the longest the window was unresponsive in between
void reportTimingsIfAsked(QWidget& window);
