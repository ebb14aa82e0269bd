#include "skin/label_autosize.h"

void AutoSizeLabel(TLabel& label, TextRasterizer& text) {
  if (!label.autoSize) return;
  const TextExtent extent = text.Measure(label.font, label.text);
  if (label.alignment == LabelAlignment::Right) label.left += label.width - extent.width;
  label.width = extent.width;
  label.height = extent.height;
}
