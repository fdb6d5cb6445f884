// Reads VSTGUI's XML description format (root <vstgui-ui-description>).
#pragma once

#include "uidescriptioncontent.h"

#include <cstddef>

namespace VSTGUI {
namespace Detail {

// False when the text is not well-formed XML or lacks the root element;
// content is then left empty.
bool readUIDescription(const void* xmlText, size_t size, UIDescriptionContent& content);

} // namespace Detail
} // namespace VSTGUI
