#pragma once
// The kinds of file the program takes in: the open dialog's filters and start folder, the
// extensions a folder is searched for, and the files that named or dropped paths stand for.
#include <QStringList>
#include <string>
#include <vector>

namespace vc {

struct OpenFilter {
    std::string label;     // "AVI Format(*.avi;)"
    std::string patterns;  // "*.avi;"
};

// One kind of file the program reads, by its extension (lower case, without the dot), with the
// MIME types a desktop gives such files: first the one its MIME database names for the
// extension, then other names that files of the kind are announced under. Raw streams and
// playlists have none.
struct MediaType {
    const char* extension;
    std::vector<const char*> mimeTypes;
    bool inFolders = true;  // false: too common a name to search folders for ("dat")
};

// Every kind the program reads (the probe decides about each file in the end): the open
// dialog's "All Support Format", Add Folder and the desktop entry's MimeType all come from it.
const std::vector<MediaType>& ReadableMediaTypes();
// The MIME types of ReadableMediaTypes, each once, in the list's order.
std::vector<std::string> ReadableMimeTypes();

// The open dialog's filters in order, the first being "All Support Format".
const std::vector<OpenFilter>& OpenFilters();
// Extensions (with the dot, lower case) that adding a folder takes.
const std::vector<std::string>& FolderExtensions();
// True when a file name's extension, in any case, is one a folder is searched for.
bool IsFolderMediaName(const std::string& fileName);

// The entries of a folder that adding the folder takes (by name only, so a sub-folder named
// like a media file is tried as a file and then refused), in name order.
QStringList FolderMediaEntries(const QString& folder);
// The files that paths named on the command line or dropped on the window stand for: a folder
// gives FolderMediaEntries, anything else is taken as a file (the probe decides).
QStringList ExpandMediaPaths(const QStringList& paths);

// Where the open dialog starts: the folder used last while it exists, else the videos folder,
// else the home folder.
QString OpenDialogStartFolder(const QString& lastUsed, const QString& videos, const QString& home);

}  // namespace vc
