#pragma once
// Editions: the executable's file name restricts the profile picker and picks the default
// profile. Keywords are plain substrings of the lower-cased name.
#include <string>

namespace vc {

enum class PickerKind {
    Full,         // the whole picker with its category list
    SinglePanel,  // one category panel alone, laid out flat
    SubPanel,     // one of the four video sub-panels alone
    ClosedOnly,   // the picker never opens; it is only closed
};

struct PickerChoice {
    PickerKind kind = PickerKind::Full;
    std::string panel;    // "pl_ipod", "pl_avi", ...; empty for Full and ClosedOnly
    std::string keyword;  // the keyword that decided, empty for Full
};

// The picker of the edition, by the picker's keyword order (ipod, psp, iphone, 3gp, gphone,
// mp3/audio, avi, mpeg, mp4, mkv, wmv, rm, flv). The name may be in any case.
PickerChoice PickerEdition(const std::string& exeFileName);

// Default profile of the edition, by its own keyword order (avi first); 1 for no keyword.
int DefaultProfileFor(const std::string& exeFileName);

// The brand keyword that moves single panels to a fixed left edge.
bool IsKavrin(const std::string& exeFileName);

// The audio edition ("mp3" or "audio" in the name): its two audio pages are single panels.
bool IsAudioEdition(const std::string& exeFileName);

// Left edge of an edition's single panel or sub-panel: 88 for the brand, else that of pl_main.
int EditionPanelLeft(const std::string& exeFileName, int mainPanelLeft);

std::string LowerAscii(std::string text);

}  // namespace vc
