#pragma once
// File names on Linux are bytes; QString and the program's UTF-8 strings hold text. A name
// byte that is not part of valid UTF-8 (a name from an old disk in Latin-1, say) travels
// through the text as one stand-in code point, U+10FF00 + the byte (U+10FF80..U+10FFFF), and
// becomes that byte again where the name meets the system: the encoder's arguments, file
// checks, folder listings. Both directions are exact for every byte string.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class QUrl;

namespace vc {

// The raw bytes of a name as UTF-8 text with stand-ins for the bytes that are not UTF-8.
std::string PathTextFromBytes(std::string_view bytes);
// The raw bytes of a name written as such text.
std::string PathBytesFromText(std::string_view text);

// The same at the QString border.
QString PathToQString(std::string_view bytes);
std::string PathFromQString(const QString& text);

// The program's arguments (without its name) as such text: the system hands them over as
// bytes, and a name that is not UTF-8 must reach the encoder as it came.
QStringList ArgumentsAsText(int argc, char** argv);
// The working folder as such text; empty when it cannot be read.
QString CurrentFolderText();
// The local path a "file:" address names, as such text: its percent-escapes are bytes of the
// name, which need not be UTF-8 ("file:///caf%FF.mp4"). Empty for any other address.
QString LocalPathFromUrl(const QUrl& url);
// Whether a path (as such text) names a folder.
bool IsFolderPath(const QString& pathText);

// The names in a folder (as text, see above), sorted by their bytes, without "." and "..".
// Unlike QDir, it leaves out no name that is not valid UTF-8. Empty when the folder cannot be
// read.
std::vector<std::string> ListFolderNames(const std::string& folderText);

}  // namespace vc
