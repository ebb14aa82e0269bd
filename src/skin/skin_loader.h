#pragma once
#include <functional>
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

// The largest face, and skin image, the clock shows: at most this many pixels a side. Each
// face-sized surface of a 2048 x 2048 skin takes 16 MiB, and a load holds five of them
// (face, overlay, frame, zoom, the window's copy) twice while it replaces the old skin;
// the frame composer keeps one more where the glass is stretched.
inline constexpr int kMaxSkinSide = 2048;

// Reads skin.xml of the folder into `into` in the format's order, sending every problem to
// `report`. With a report that throws, the first problem ends the read.
void ReadSkin(const SkinFolder& folder, const SkinServices& services, SkinReport& report,
              SkinState& into);

// Asked once a skin is built and before it replaces the current one: whether the platform
// can present frames of this size.
using FrameSizeCheck = std::function<bool(int width, int height)>;

// Loads a skin over `current`, which changes only when the whole load succeeded. Whatever
// stops the load (a problem of the skin, too little memory, a frame size `canPresent`
// refuses) comes out as OrmelError in words, naming the file concerned when there is one,
// and the clock keeps the skin it had.
void LoadSkin(const SkinFolder& folder, const SkinServices& services, SkinState& current,
              const FrameSizeCheck& canPresent = nullptr);

// What a failed load tells the user, whatever was thrown: the skin's own problem, or what
// running out of memory means. Call it only inside a catch block.
std::string LoadFailureText();

// The message of a skin that cannot be shown: its name, then what is wrong.
std::string CannotShowSkin(const std::string& name, const std::string& problem);
