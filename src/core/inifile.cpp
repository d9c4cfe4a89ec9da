#include "core/inifile.h"

// Plain 8-bit/UTF-8 text: no wide-character conversion layer needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>

#include "core/numeric.h"

namespace vc {

struct IniFile::Doc {
    CSimpleIniA ini{/*utf8*/ true, /*multikey*/ false, /*multiline*/ false};
    Doc() { ini.SetSpaces(false); }
};

namespace {

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}
}  // namespace

IniFile::IniFile() : doc_(std::make_unique<Doc>()) {}

IniFile::IniFile(const std::string& path) : doc_(std::make_unique<Doc>()) {
    Load(path);
}

IniFile::~IniFile() = default;

bool IniFile::Load(const std::string& path) {
    path_ = path;
    doc_ = std::make_unique<Doc>();
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) return true;
    // A folder or device under the name is not an ini file (and would be read as one huge).
    if (!info.isFile()) return false;
    return doc_->ini.LoadFile(path.c_str()) >= 0;
}

bool IniFile::LoadFromText(const std::string& text) {
    doc_ = std::make_unique<Doc>();
    return doc_->ini.LoadData(text) >= 0;
}

bool IniFile::Save() const {
    if (path_.empty()) return false;
    std::string text;
    if (doc_->ini.Save(text, false) < 0) return false;
    const QFileInfo fi(QString::fromStdString(path_));
    QDir().mkpath(fi.absolutePath());
    // Written to a new file beside the old one, synced, then renamed over it: a full disk, a
    // crash or a power cut leaves either the old settings or the new ones, never half.
    QSaveFile file(fi.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(text.size());
    // Flushed here: commit() would rename the file into place even when the flush inside it
    // ran out of space (Qt 6.4).
    if (file.write(text.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool IniFile::HasSection(const std::string& section) const {
    return doc_->ini.GetSection(section.c_str()) != nullptr;
}

bool IniFile::HasKey(const std::string& section, const std::string& key) const {
    return doc_->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

std::vector<std::string> IniFile::Sections() const {
    CSimpleIniA::TNamesDepend names;
    doc_->ini.GetAllSections(names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> out;
    for (const auto& n : names) out.emplace_back(n.pItem);
    return out;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const char* v = doc_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return v ? std::string(v) : def;
}

bool IniFile::ParseIniInt(const std::string& raw, int64_t& out) {
    std::string t = Trim(raw);
    if (t.empty()) return false;
    std::string hex;
    bool neg = false;
    std::string body = t;
    if (body[0] == '-') {
        neg = true;
        body = body.substr(1);
    }
    if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X'))
        hex = body.substr(2);
    else if (body.size() > 1 && body[0] == '$')
        hex = body.substr(1);
    if (!hex.empty()) {
        for (char c : hex)
            if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        errno = 0;
        unsigned long long v = std::strtoull(hex.c_str(), nullptr, 16);
        if (errno == ERANGE) return false;
        out = neg ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
        return true;
    }
    return ParseInt(t, out);
}

int64_t IniFile::ReadInt(const std::string& section, const std::string& key, int64_t def) const {
    const char* v = doc_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    int64_t out = 0;
    if (!v || !ParseIniInt(v, out)) return def;
    return out;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInt(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    doc_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

void IniFile::WriteInt(const std::string& section, const std::string& key, int64_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace vc
