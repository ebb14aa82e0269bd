#pragma once
#include <set>
#include <string>
#include <vector>

#include "skin/skin_check.h"
#include "skin/xml_reader.h"

// What the skin's files hold: images without alpha (the clock takes their alpha as given,
// so they show as nothing), and a chime file the program folder lacks (the clock then
// chimes with its own). The chime is looked for only when the skin is installed, in a
// folder under "face" beside the program, since its path is relative to the program.
// `loaded` holds the surfaces whose image loaded: the others hold no image to judge.
void CheckFiles(const SkinFolder& folder, XmlDocument& doc, const SkinState& skin,
                const std::set<const TBitmap32*>& loaded, std::vector<SkinProblem>& problems);
