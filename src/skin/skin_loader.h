#pragma once
#include <string>

#include "image/text_rasterizer.h"
#include "skin/label.h"
#include "skin/skin_button.h"
#include "skin/skin_image_source.h"
#include "skin/skin_report.h"
#include "skin/skin_surfaces.h"
#include "skin/xml_reader.h"
#include "time/format_settings.h"

// A skin folder: its path with a trailing separator, and the separator that file names
// written with backslashes in skin.xml are turned into.
struct SkinFolder {
  std::string path;
  char separator = '\\';
};

// What a load reads through.
struct SkinServices {
  XmlReader& xml;
  SkinImageSource& images;
  TextRasterizer& text;
  const FormatSettings& format;
};

// Everything one load sets. Labels and buttons start from the current ones, since a skin
// may leave the title box and the button states as they were.
struct SkinState {
  SkinSurfaces surfaces;
  FaceLabels labels;
  TSknButton left{20, 65, 30, 16};
  TSknButton right{100, 65, 30, 16};
};

// Reads skin.xml of the folder into `into` in the format's order, sending every problem to
// `report`. With a report that throws, the first problem ends the read.
void ReadSkin(const SkinFolder& folder, const SkinServices& services, SkinReport& report,
              SkinState& into);

// Loads a skin over `current`, which changes only when the whole load succeeded; otherwise
// OrmelError names the file concerned and the clock keeps the skin it had.
void LoadSkin(const SkinFolder& folder, const SkinServices& services, SkinState& current);
