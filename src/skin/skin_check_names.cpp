#include "skin/skin_check_names.h"

#include <algorithm>
#include <cctype>
#include <memory>

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

size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The known name closest to `found` when it is near enough to be a misspelling of it;
// empty otherwise.
std::string ProbablyMeant(const std::string& found, const std::vector<std::string>& known) {
  // Near enough: a slip of one letter in a short name, of two in a longer one.
  const size_t nearEnough = found.size() <= 4 ? 1 : 2;
  std::string best;
  size_t bestDistance = nearEnough + 1;
  for (const std::string& name : known) {
    const size_t d = EditDistance(found, name);
    if (d < bestDistance) {
      best = name;
      bestDistance = d;
    }
  }
  return best;
}

std::string Suggestion(const std::string& found, const std::vector<std::string>& known) {
  const std::string meant = ProbablyMeant(found, known);
  return meant.empty() ? "" : "; did you mean \"" + meant + "\"?";
}

std::vector<std::string> ChildNames(const KnownElement& element) {
  std::vector<std::string> names;
  for (const KnownElement& child : element.children) names.push_back(child.name);
  return names;
}

// `path` selects the element by position; `shown` names it for the author.
void CheckElement(const std::string& where, XmlDocument& doc, const KnownElement& known, const std::string& path,
                  const std::string& shown, std::vector<SkinProblem>& problems) {
  for (int j = 1;; ++j) {
    const std::unique_ptr<XmlNode> attribute = doc.SelectSingleNode(path + "/@*[" + std::to_string(j) + "]");
    if (!attribute) break;
    const std::string name = attribute->Name();
    if (std::find(known.attributes.begin(), known.attributes.end(), name) == known.attributes.end())
      Warn(problems, where + shown + ": the clock reads no attribute \"" + name + "\"" +
                         Suggestion(name, known.attributes));
  }
  for (int k = 1;; ++k) {
    const std::string childPath = path + "/*[" + std::to_string(k) + "]";
    const std::unique_ptr<XmlNode> child = doc.SelectSingleNode(childPath);
    if (!child) break;
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
    CheckElement(where, doc, *rule, childPath, childShown, problems);
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
  if (!doc.SelectSingleNode("skin")) return;  // the read reports a description without it
  CheckElement(where, doc, Skin(), "skin", "skin", problems);
  CheckAlignments(where, doc, problems);
}
