#pragma once
// The four drop-down boxes of the format settings dialog are the live format settings.
// Core logic works on this small box model so that it runs without widgets; the dialog
// wraps its real boxes in adapters, tests and headless code use PlainChoiceBox.
#include <QtGlobal>
#include <string>
#include <vector>

namespace vc {

// Contract every implementation keeps, so that core logic behaves the same on all of them:
// - addItem never changes the chosen entry (an empty box stays without a chosen entry);
// - removing the chosen entry leaves the box without a chosen entry; removing an entry before
//   it keeps the same entry chosen;
// - clear leaves no entries, no chosen entry and an empty text;
// - setCurrentIndex with an index outside the list (or -1) leaves no chosen entry and an
//   empty text;
// - currentText is the chosen entry's text; an editable box may instead hold typed text that
//   is no entry (currentIndex -1).
class ChoiceBox {
  public:
    virtual ~ChoiceBox() = default;
    virtual int count() const = 0;
    virtual std::string itemText(int index) const = 0;
    virtual void clear() = 0;
    virtual void addItem(const std::string& text) = 0;
    virtual void removeItem(int index) = 0;
    virtual int currentIndex() const = 0;
    virtual void setCurrentIndex(int index) = 0;
    virtual std::string currentText() const = 0;
    // Text typed into an editable box; it chooses no entry. Ignored by a pick-only box.
    virtual void setEditText(const std::string& text) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    // Index of the first entry with this exact text, -1 when none.
    int findText(const std::string& text) const;
};

// Makes `to` show what `from` shows: the same entries (rebuilt only when they differ), the
// same chosen entry or typed text, the same enabled state. Binds the settings dialog's boxes
// to the session's values, both ways.
void CopyChoice(const ChoiceBox& from, ChoiceBox& to);

// In-memory box for tests and headless use.
class PlainChoiceBox : public ChoiceBox {
  public:
    explicit PlainChoiceBox(bool editable = false) : editable_(editable) {}
    explicit PlainChoiceBox(std::vector<std::string> items, int current = -1,
                            bool editable = false);

    int count() const override { return static_cast<int>(items_.size()); }
    std::string itemText(int index) const override;
    void clear() override;
    void addItem(const std::string& text) override { items_.push_back(text); }
    void removeItem(int index) override;
    int currentIndex() const override { return current_; }
    void setCurrentIndex(int index) override;
    std::string currentText() const override { return text_; }
    void setEditText(const std::string& text) override;
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }

    bool isEditable() const { return editable_; }
    const std::vector<std::string>& items() const { return items_; }

  private:
    std::vector<std::string> items_;
    int current_ = -1;
    std::string text_;
    bool enabled_ = true;
    bool editable_ = false;
};

struct FormatBoxes {
    ChoiceBox* size = nullptr;     // cb_size (editable)
    ChoiceBox* video = nullptr;    // cb_videobitrate
    ChoiceBox* audio = nullptr;    // cb_audiobitrate
    ChoiceBox* channel = nullptr;  // cb_channel
};

// CopyChoice for each of the four boxes.
void CopyChoices(const FormatBoxes& from, const FormatBoxes& to);

// Entry texts of the boxes.
// The box model's fixed entries; the dialog's boxes show them translated.
inline constexpr const char* kQualityNames[5] = {
    QT_TRANSLATE_NOOP("ChoiceBox", "Higher Quality"),
    QT_TRANSLATE_NOOP("ChoiceBox", "High Quality"), QT_TRANSLATE_NOOP("ChoiceBox", "Normal"),
    QT_TRANSLATE_NOOP("ChoiceBox", "Low Quality"), QT_TRANSLATE_NOOP("ChoiceBox", "Lower Quality")};
inline constexpr const char* kKeepSourceSize =
    QT_TRANSLATE_NOOP("ChoiceBox", "The original width and height");
inline constexpr const char* kKeepSourceVideo =
    QT_TRANSLATE_NOOP("ChoiceBox", "The Original Video Quliay");
inline constexpr const char* kKeepSourceAudio =
    QT_TRANSLATE_NOOP("ChoiceBox", "The Original Audio Quliay");
inline constexpr const char* kNoVideo = QT_TRANSLATE_NOOP("ChoiceBox", "No Video");
inline constexpr const char* kChannelNames[2] = {QT_TRANSLATE_NOOP("ChoiceBox", "Mono"),
                                                 QT_TRANSLATE_NOOP("ChoiceBox", "Stereo")};

// The boxes as the dialog creates them: the five qualities in both quality boxes, "Mono" and
// "Stereo" with "Stereo" chosen; the size box empty.
void InitFormatBoxes(FormatBoxes& boxes);

// Owns four plain boxes wired into a FormatBoxes (headless use and tests).
struct PlainFormatBoxes {
    PlainChoiceBox size{true};
    PlainChoiceBox video;
    PlainChoiceBox audio;
    PlainChoiceBox channel;
    FormatBoxes boxes() { return {&size, &video, &audio, &channel}; }
};

}  // namespace vc
