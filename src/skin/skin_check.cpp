#include "skin/skin_check.h"

#include <memory>
#include <set>
#include <utility>

#include "skin/skin_check_files.h"
#include "skin/skin_check_fonts.h"
#include "skin/skin_check_geometry.h"
#include "skin/skin_check_labels.h"
#include "skin/skin_check_names.h"
#include "skin/skin_check_support.h"

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
