#pragma once
#include "image/text_rasterizer.h"
#include "skin/label.h"

// Sizes a label's box to the extent of its text in its font, as every change of text or font
// does for the labels that size themselves. The box keeps its left edge, or its right edge
// when the label is right-aligned. Fixed-size labels (the title) are left as they are.
void AutoSizeLabel(TLabel& label, TextRasterizer& text);
