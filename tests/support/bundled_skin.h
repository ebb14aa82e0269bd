#pragma once
// A skin of skins/ in the sources, loaded natively as the clock holds it (labels measured by
// the stand-in text rasterizer).
#include <string>

#include "skin/skin_loader.h"

SkinState LoadBundledSkin(const std::string& name);
