#include "skin_check/skin_check.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <utility>

#include "base/unicode_text.h"
#include "skin_check/carried_fonts.h"
#include "skin_check/checks.h"

namespace {

// Notes which surfaces an image was loaded into, so that a surface left as it was after a
// failed load is not judged as an image.
class LoadedImages : public SkinImageSource {
 public:
  explicit LoadedImages(SkinImageSource& images) : images_(images) {}
  void Load(TBitmap32& target, const std::string& path, uint32_t background) override {
    images_.Load(target, path, background);
    loaded.insert(&target);
  }
  std::set<const TBitmap32*> loaded;

 private:
  SkinImageSource& images_;
};

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

// What the skin's files hold: images without alpha (the clock takes their alpha as given,
// so they show as nothing), and a chime file the program folder lacks (the clock then
// chimes with its own). The chime is looked for only when the skin is installed, in a
// folder under "face" beside the program, since its path is relative to the program.
// `loaded` holds the surfaces whose image loaded: the others hold no image to judge.
void CheckFiles(const SkinFolder& folder, XmlDocument& doc, const SkinState& skin,
                const std::set<const TBitmap32*>& loaded, std::vector<SkinProblem>& problems) {
  const std::string where = folder.path + "skin.xml: ";
  CheckAlpha(where, doc, skin, loaded, problems);
  CheckChime(folder, where, skin.surfaces.chimePath, problems);
}

// Fonts and the ids of their labels (quoted), for labels that `concerned` picks.
using LabelsOfFonts = std::vector<std::pair<std::string, std::vector<std::string>>>;

LabelsOfFonts ByFont(const FaceLabels& labels, const std::function<bool(const TLabel&)>& concerned) {
  LabelsOfFonts fonts;
  for (const auto& [id, label] : LabelsById(labels)) {
    const std::string& face = label->font.name;
    if (face.empty() || !concerned(*label)) continue;
    auto same = fonts.begin();
    while (same != fonts.end() && !SameFaceName(same->first, face)) ++same;
    if (same == fonts.end()) same = fonts.insert(fonts.end(), {face, {}});
    same->second.push_back(std::string("\"") + id + "\"");
  }
  return fonts;
}

// `label "time"`, `labels "time", "timebg"`
std::string Named(const std::vector<std::string>& ids) {
  std::string named = ids.size() == 1 ? "label " : "labels ";
  for (size_t i = 0; i < ids.size(); ++i) named += (i ? ", " : "") + ids[i];
  return named;
}

// The family names of the carried fonts, each once, as Windows shows them, in order.
std::vector<std::string> Families(const std::vector<CarriedFont>& carried) {
  std::vector<std::string> families;
  for (const CarriedFont& font : carried)
    for (const std::string& family : font.families)
      if (std::none_of(families.begin(), families.end(), [&](const std::string& f) { return SameFaceName(f, family); }))
        families.push_back(family);
  std::sort(families.begin(), families.end());
  return families;
}

// An author on Linux cannot see the family name a font file has for Windows.
std::string Carried(const std::vector<std::string>& families) {
  if (families.empty()) return "the skin folder carries no font";
  std::string text = "the skin folder carries ";
  for (size_t i = 0; i < families.size(); ++i) text += (i ? ", \"" : "\"") + families[i] + "\"";
  return text;
}

// The font problems of a skin: label fonts that the skin folder does not carry and that
// not every Windows has (the label would silently show in another font on users'
// machines), and font files of the folder that are no font the clock can use. Labels with
// an empty font name are left out: their missing name is reported by the read. A note names
// the fonts whose labels' sizes `measured` could only estimate.
void CheckSkinFonts(const SkinFolder& folder, const FaceLabels& labels, FolderLister& lister,
                    const MeasuredFonts& measured, std::vector<SkinProblem>& problems) {
  const std::vector<CarriedFont> carried = ReadCarriedFonts(folder.path, lister);
  for (const CarriedFont& font : carried)
    if (font.families.empty())
      Fail(problems, folder.path + font.file + ": not a TrueType or OpenType font the clock can use");

  const std::string where = folder.path + "skin.xml: font \"";
  const std::vector<std::string> families = Families(carried);
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) {
         return !FontNamed(carried, l.font.name) && !IsFontOfEveryWindows(l.font.name);
       }))
    Fail(problems, where + face + "\" (" + Named(ids) + ") is neither in the skin folder nor a font every " +
                       "Windows has, so " + (ids.size() == 1 ? "the label" : "these labels") +
                       " would show in another font; " + Carried(families) + Suggestion(face, families));
  for (const auto& [face, ids] : ByFont(labels, [&](const TLabel& l) { return BoxEstimated(l, measured); })) {
    const bool one = ids.size() == 1;
    const std::string instead = measured.MeasuredInstead(face);
    if (!instead.empty()) {
      Note(problems, where + face + "\" (" + Named(ids) + ") is not on this machine, so this check measured " +
                         (one ? "its text" : "their text") + " in \"" + instead + "\" instead: " +
                         (one ? "the box is" : "their boxes are") + " approximate");
      continue;
    }
    Note(problems, where + face + "\" (" + Named(ids) + ") is not in the skin folder, so this check only " +
                       "estimates the size of " + (one ? "its text: the box is" : "their text: their boxes are") +
                       " approximate; ormel-skin.exe on Windows measures " + (one ? "it" : "them") +
                       " as the clock draws " + (one ? "it" : "them"));
  }
}

}  // namespace

std::vector<SkinProblem> CheckSkin(const SkinFolder& folder, const SkinServices& services,
                                   FolderLister& lister, const MeasuredFonts& measured,
                                   std::optional<SkinState>* read) {
  std::vector<SkinProblem> problems;
  CollectProblems report;
  SkinState skin;
  // A label whose font name is missing keeps this; the read reports that already.
  for (TLabel* label : {&skin.labels.lTitle, &skin.labels.lWeekDay, &skin.labels.lTime,
                        &skin.labels.lTimeBg, &skin.labels.lDate, &skin.labels.lAmPm})
    label->font.name.clear();
  LoadedImages images(services.images);
  try {
    ReadSkin(folder, SkinServices{services.xml, images, services.text, services.format}, report, skin);
  } catch (...) {
    // What the read cannot go on from, such as running out of memory.
    Fail(problems, folder.path + ": " + LoadFailureText());
    return problems;
  }
  for (std::string& p : report.problems) Fail(problems, std::move(p));
  // The read has reported a description that does not open; the rest judge one that does.
  std::unique_ptr<XmlDocument> doc;
  try {
    doc = services.xml.Open(folder.path + "skin.xml");
  } catch (...) {
    return problems;
  }
  const std::string where = folder.path + "skin.xml: ";
  CheckNames(where, *doc, problems);
  CheckLabelValues(where, *doc, skin.labels, problems);
  CheckGeometry(where, *doc, skin, measured, problems);
  CheckFiles(folder, *doc, skin, images.loaded, problems);
  CheckSkinFonts(folder, skin.labels, lister, measured, problems);
  if (read) *read = std::move(skin);
  return problems;
}
