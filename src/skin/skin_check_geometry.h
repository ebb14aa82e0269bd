#pragma once
#include <string>
#include <vector>

#include "skin/skin_check.h"
#include "skin/xml_reader.h"

// Where a loaded skin draws what its description did not mean: label and button boxes that
// reach outside the face, hand pivots off their image and off the face, a button strip
// short of frames, and a declared face size that the face image overrides. `where` starts
// each message (skin.xml's path and ": "). Labels whose element is missing are left out:
// the read reports them, and their box is none the skin gave. A label box that `measured`
// only estimated and that reaches outside is a note: the label may fit when measured.
void CheckGeometry(const std::string& where, XmlDocument& doc, const SkinState& skin,
                   const MeasuredFonts& measured, std::vector<SkinProblem>& problems);
