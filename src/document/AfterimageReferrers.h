#pragma once
// Which objects of the project refer to a token, for removing them from the afterimages.

#include "document/AfterimageStore.h"

namespace tarlix {

class Project;

AfterimageReferrers afterimageReferrers(const Project& project, int token);

} // namespace tarlix
