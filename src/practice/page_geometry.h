#pragma once

#include "controls.h"

// Where the pages and the welcome picture stand in the window, in twips.
inline constexpr Rect pageRect{3900, 1700, 11340, 6700};
inline constexpr Rect welcomePictureRect{3825, 1650, 11400, 6675};
inline constexpr Rect dictionaryTextRect{50, 270, 11250, 6405};

// Page 0's rows of questions.
inline constexpr int page0QuestionLeft = 600;
inline constexpr int page0FirstRowTop = 360;
inline constexpr int page0RowPitch = 500;
inline constexpr int page0RowHeight = 420;
