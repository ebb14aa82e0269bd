#include "skin/skin_check_names.h"

#include <algorithm>
#include <memory>

#include "skin/probably_meant.h"
#include "skin/skin_check_support.h"

namespace {

// The description as the loader reads it: each element with its attributes and children.
struct KnownElement {
  std::string name;
  std::vector<std::string> attributes;
  std::vector<KnownElement> children;
  std::vector<std::string> ids;  // the values its "id" may take
};

KnownElement Hand(const std::string& name) {
  return {name, {}, {{"filename", {}, {}, {}}, {"bitmapCenter", {"x", "y"}, {}, {}}, {"position", {"x", "y"}, {}, {}}}, {}};
}

const std::vector<std::string> kLabelIds = {"title", "weekday", "time", "timebg", "date", "ampm"};

const KnownElement& Skin() {
  static const KnownElement skin{
      "skin",
      {},
      {{"clockface", {"width", "height"}, {}, {}},
       {"buttons", {}, {}, {}},
       {"glass", {}, {}, {}},
       {"pmam", {}, {}, {}},
       Hand("hours"),
       Hand("minutes"),
       Hand("seconds"),
       {"sounds", {}, {{"chime", {}, {}, {}}}, {}},
       {"label",
        {"id", "text", "x", "y", "width", "height", "align"},
        {{"font", {"name", "size", "color"}, {}, {}}},
        kLabelIds},
       {"button", {"id", "x", "y", "width", "height"}, {}, {"left", "right"}}},
      {}};
  return skin;
}

const char* const kAlignments[] = {"center", "left", "right"};

std::vector<std::string> ChildNames(const KnownElement& element) {
  std::vector<std::string> names;
  for (const KnownElement& child : element.children) names.push_back(child.name);
  return names;
}

// `shown` names the element for the author.
void CheckElement(const std::string& where, const XmlNode& element, const KnownElement& known,
                  const std::string& shown, std::vector<SkinProblem>& problems) {
  for (const std::unique_ptr<XmlNode>& attribute : element.SelectNodes("@*")) {
    const std::string name = attribute->Name();
    if (std::find(known.attributes.begin(), known.attributes.end(), name) == known.attributes.end())
      Warn(problems, where + shown + ": the clock reads no attribute \"" + name + "\"" +
                         Suggestion(name, known.attributes));
  }
  for (const std::unique_ptr<XmlNode>& child : element.SelectNodes("*")) {
    const std::string name = child->Name();
    const auto rule = std::find_if(known.children.begin(), known.children.end(),
                                   [&](const KnownElement& e) { return e.name == name; });
    if (rule == known.children.end()) {
      Warn(problems, where + shown + ": the clock reads no element <" + name + ">" +
                         Suggestion(name, ChildNames(known)));
      continue;
    }
    std::string childShown = shown + "/" + name;
    if (!rule->ids.empty()) {
      const std::optional<std::string> id = child->Attribute("id");
      if (id) childShown += "[@id=\"" + *id + "\"]";
      if (id && std::find(rule->ids.begin(), rule->ids.end(), *id) == rule->ids.end()) {
        Warn(problems, where + childShown + ": the clock reads no " + name + " with this id" +
                           Suggestion(*id, rule->ids));
        continue;
      }
    }
    CheckElement(where, *child, *rule, childShown, problems);
  }
}

void CheckAlignments(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems) {
  const std::vector<std::string> alignments(std::begin(kAlignments), std::end(kAlignments));
  for (const std::string& id : kLabelIds) {
    const std::string query = "skin/label[@id=\"" + id + "\"]/@align";
    const std::optional<std::string> align = ValueOf(doc, query);
    if (!align || std::find(alignments.begin(), alignments.end(), *align) != alignments.end()) continue;
    Warn(problems, where + query + ": '" + *align +
                       "' is not read, so the label keeps the alignment it had; the clock reads "
                       "\"center\", \"left\" or \"right\", in lower case" + Suggestion(*align, alignments));
  }
}

}  // namespace

void CheckNames(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems) {
  const std::unique_ptr<XmlNode> skin = doc.SelectSingleNode("skin");
  if (!skin) return;  // the read reports a description without it
  CheckElement(where, *skin, Skin(), "skin", problems);
  CheckAlignments(where, doc, problems);
}
