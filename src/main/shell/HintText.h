#pragma once
#include <functional>
#include <string>
#include <vector>

#include "archive/Rect.h"

constexpr int HintWrapWidth = 300;
constexpr int HintLineHeight = 20;

using TTextMeasure = std::function<int(const std::string&)>;

// Breaks a hint into lines no wider than maxWidth: a text narrower than maxWidth stays one
// line; otherwise words (split at blanks) are appended, each measured with a blank after it,
// while the line stays within maxWidth. A single word wider than maxWidth keeps a line of its
// own.
std::vector<std::string> WrapHintText(const std::string& text, const TTextMeasure& width,
                                      int maxWidth = HintWrapWidth);

// The skill hint label under the pointer between levels, or "" outside every skill area.
std::string SkillHintLabelAt(TPoint pointer);

// Where a skill hint box goes so that it stays on the screen next to the pointer.
TPoint SkillHintCorner(TPoint pointer, int lineCount, int textWidth);
