#pragma once

// Without a screen (offscreen), the browser engine announces at its start that
// it has no sandbox as root and no graphics to draw with, over some twenty
// lines. Both are expected there and change nothing for the pupil; this drops
// those notices and lets every other message through.
void quietenEngineNoticesOffscreen();
