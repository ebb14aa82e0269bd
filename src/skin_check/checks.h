#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/xml_reader.h"
#include "skin_check/skin_check.h"

// What the checks of skin.xml share with CheckSkin: the value a query selects in skin.xml
// (none when it selects nothing), and the findings they add.
inline std::optional<std::string> ValueOf(XmlDocument& doc, const std::string& query) {
  const std::unique_ptr<XmlNode> node = doc.SelectSingleNode(query);
  if (!node) return std::nullopt;
  return node->Value();
}

inline void Warn(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Warning, std::move(text)});
}

inline void Note(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Note, std::move(text)});
}

inline void Fail(std::vector<SkinProblem>& problems, std::string text) {
  problems.push_back({SkinProblem::Kind::Error, std::move(text)});
}

// "8 x 50"
inline std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

// "; did you mean "glass"?" for a name probably meant (the known name closest to `found`, when
// it is near enough to be a misspelling of it, letter case ignored), empty otherwise.
std::string Suggestion(const std::string& found, const std::vector<std::string>& known);

// Names in skin.xml that the clock does not read: elements, attributes and label or button
// ids it does not know (with the known name a misspelling probably meant), and align values
// other than the three it reads. `where` starts each message.
void CheckNames(const std::string& where, XmlDocument& doc, std::vector<SkinProblem>& problems);

// Label values the clock reads other than the author probably meant: a six-digit '$' colour
// written red first, and a title box left at its built-in size. `where` starts each message.
void CheckLabelValues(const std::string& where, XmlDocument& doc, const FaceLabels& labels,
                      std::vector<SkinProblem>& problems);

// Where a loaded skin draws what its description did not mean: label and button boxes that
// reach outside the face, hand pivots off their image and off the face, a button strip
// short of frames, and a declared face size that the face image overrides. `where` starts
// each message (skin.xml's path and ": "). Labels whose element is missing are left out:
// the read reports them, and their box is none the skin gave. A label box that `measured`
// only estimated and that reaches outside is a note: the label may fit when measured.
void CheckGeometry(const std::string& where, XmlDocument& doc, const SkinState& skin,
                   const MeasuredFonts& measured, std::vector<SkinProblem>& problems);
