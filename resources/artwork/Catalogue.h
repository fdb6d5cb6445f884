#pragma once

#include "Picture.h"

#include <vector>

namespace artwork {

// Every picture the editor description names, once per file.
const std::vector<Picture>& catalogue();

}  // namespace artwork
