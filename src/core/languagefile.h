#pragma once
// The numbered texts of language.info: line 1 is id 1.
#include <string>

namespace vc {

enum class LanguageLookup { Found, PastEnd, FileError };

// Reads the file anew and returns line `id` (without its line end) in `text`.
LanguageLookup ReadLanguageLine(const std::string& path, int id, std::string& text);

// The hover hint of a skin object: its text's id; any other name gives 25 (the welcome line).
int HintIdFor(const std::string& objectName);
constexpr int kWelcomeHintId = 25;

}  // namespace vc
