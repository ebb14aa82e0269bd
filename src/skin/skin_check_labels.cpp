#include "skin/skin_check_labels.h"

#include "skin/colour_text.h"
#include "skin/skin_check_support.h"

void CheckLabelValues(const std::string& where, XmlDocument& doc, const FaceLabels& labels,
                      std::vector<SkinProblem>& problems) {
  for (const auto& [id, label] : LabelsById(labels)) {
    const std::string query = std::string("skin/label[@id=\"") + id + "\"]";
    const std::unique_ptr<XmlNode> node = doc.SelectSingleNode(query);
    if (!node) continue;  // the read reports it
    // The title's box is the one that does not follow its text: without a size it keeps
    // the one it had, the built-in 89 x 11 in a fresh clock.
    if (label == &labels.lTitle) {
      const bool width = node->Attribute("width").has_value(), height = node->Attribute("height").has_value();
      const std::string missing = !width && !height ? "\"width\" and \"height\"" : !width ? "\"width\"" : "\"height\"";
      if (!width || !height)
        Warn(problems, where + query + ": without " + missing + " the title keeps the size it had, " +
                           SizeText(label->width, label->height) +
                           " here; its box does not follow its text, so give it both");
    }
    const std::optional<std::string> colour = ValueOf(doc, query + "/font/@color");
    if (!colour) continue;
    if (const std::optional<std::string> hint = RedFirstColourHint(*colour))
      Warn(problems, where + query + "/font/@color: " + *hint);
  }
}
