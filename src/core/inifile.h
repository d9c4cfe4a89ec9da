#pragma once
// The one ini reader and writer of the program, over SimpleIni: section and key names
// compare without case, keys may hold blanks, integers may be written as 0x.. or $.. hex.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vc {

class IniFile {
  public:
    IniFile();
    explicit IniFile(const std::string& path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; a missing file gives an empty document. False when the file exists
    // but cannot be read.
    bool Load(const std::string& path);
    bool LoadFromText(const std::string& text);
    // Writes the document to its path (creating the folder); false when that fails.
    bool Save() const;
    const std::string& Path() const { return path_; }

    bool HasSection(const std::string& section) const;
    bool HasKey(const std::string& section, const std::string& key) const;
    std::vector<std::string> Sections() const;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def = std::string()) const;
    // Decimal, or hex after "0x"/"0X"/"$"; anything else (or missing) gives def.
    int64_t ReadInt(const std::string& section, const std::string& key, int64_t def) const;
    // Any non-zero integer is true.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInt(const std::string& section, const std::string& key, int64_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Parses an ini integer value the way ReadInt does.
    static bool ParseIniInt(const std::string& text, int64_t& out);

  private:
    std::string path_;
    struct Doc;
    std::unique_ptr<Doc> doc_;
};

}  // namespace vc
