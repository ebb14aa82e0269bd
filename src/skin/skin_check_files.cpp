#include "skin/skin_check_files.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <utility>

#include "base/unicode_text.h"
#include "skin/skin_check_support.h"

namespace {

bool Transparent(const TBitmap32& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(), [](uint32_t p) { return (p >> 24) == 0; });
}

void CheckAlpha(const std::string& where, XmlDocument& doc, const SkinState& skin,
                const std::set<const TBitmap32*>& loaded, std::vector<SkinProblem>& problems) {
  const SkinSurfaces& s = skin.surfaces;
  const std::pair<const char*, const TBitmap32*> images[] = {
      {"skin/clockface", &s.face},           {"skin/buttons", &s.buttonStrip},
      {"skin/glass", &s.glass},              {"skin/pmam", &s.amPm},
      {"skin/hours/filename", &s.hours.bitmap}, {"skin/minutes/filename", &s.minutes.bitmap},
      {"skin/seconds/filename", &s.seconds.bitmap}};
  for (const auto& [element, image] : images) {
    if (!loaded.count(image) || image->Empty() || !Transparent(*image)) continue;
    Warn(problems, where + element + ": " + ValueOf(doc, std::string(element) + "/text()").value_or("") +
                       " is transparent in every pixel (an image without an alpha channel is), so the clock "
                       "shows none of it; save it with alpha");
  }
}

// The folder that holds the program, when the skin lies in its "face" folder.
std::optional<std::string> ProgramFolder(const SkinFolder& folder) {
  std::string path = folder.path;
  while (!path.empty() && (path.back() == '/' || path.back() == folder.separator)) path.pop_back();
  const size_t skinStart = path.find_last_of(std::string("/") + folder.separator);
  if (skinStart == std::string::npos) return std::nullopt;
  path.erase(skinStart);
  const size_t faceStart = path.find_last_of(std::string("/") + folder.separator);
  std::string face = path.substr(faceStart == std::string::npos ? 0 : faceStart + 1);
  for (char& c : face) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (face != "face") return std::nullopt;
  return path.substr(0, faceStart == std::string::npos ? 0 : faceStart + 1);
}

void CheckChime(const SkinFolder& folder, const std::string& where, const std::string& chime,
                std::vector<SkinProblem>& problems) {
  const std::optional<std::string> program = ProgramFolder(folder);
  if (!program || chime.empty()) return;
  std::string relative = chime;
  for (char& c : relative) c = c == '\\' ? folder.separator : c;
  if (std::ifstream(PathFromUtf8(*program + relative)).good()) return;
  Fail(problems, where + "skin/sounds/chime: " + chime + " is not in the program folder (" + *program +
                     "), so the clock chimes with its own sound\\chime.mp3");
}

}  // namespace

void CheckFiles(const SkinFolder& folder, XmlDocument& doc, const SkinState& skin,
                const std::set<const TBitmap32*>& loaded, std::vector<SkinProblem>& problems) {
  const std::string where = folder.path + "skin.xml: ";
  CheckAlpha(where, doc, skin, loaded, problems);
  CheckChime(folder, where, skin.surfaces.chimePath, problems);
}
