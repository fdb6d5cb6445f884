#pragma once

#include <string>

namespace artwork {

// Composes the editor as a host would show it, from the pictures already
// written to folder: the face with every knob and switch at a preset's
// settings. Returns false when a picture is missing or the file cannot be written.
bool writePreview(const std::string& folder, const std::string& file);

}  // namespace artwork
