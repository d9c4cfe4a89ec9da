#include "core/choicebox.h"

namespace vc {

int ChoiceBox::findText(const std::string& text) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text) return i;
    return -1;
}

PlainChoiceBox::PlainChoiceBox(std::vector<std::string> items, int current, bool editable)
    : items_(std::move(items)), editable_(editable) {
    setCurrentIndex(current);
}

std::string PlainChoiceBox::itemText(int index) const {
    if (index < 0 || index >= count()) return std::string();
    return items_[static_cast<size_t>(index)];
}

void PlainChoiceBox::clear() {
    items_.clear();
    current_ = -1;
    text_.clear();
}

void PlainChoiceBox::removeItem(int index) {
    if (index < 0 || index >= count()) return;
    items_.erase(items_.begin() + index);
    if (index == current_) {
        current_ = -1;
        text_.clear();
    } else if (index < current_) {
        --current_;
    }
}

void PlainChoiceBox::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) {
        current_ = -1;
        text_.clear();
        return;
    }
    current_ = index;
    text_ = items_[static_cast<size_t>(index)];
}

void PlainChoiceBox::setEditText(const std::string& text) {
    if (!editable_) return;
    current_ = -1;
    text_ = text;
}

void CopyChoice(const ChoiceBox& from, ChoiceBox& to) {
    bool sameEntries = from.count() == to.count();
    for (int i = 0; sameEntries && i < from.count(); ++i)
        sameEntries = from.itemText(i) == to.itemText(i);
    if (!sameEntries) {
        to.clear();
        for (int i = 0; i < from.count(); ++i) to.addItem(from.itemText(i));
    }
    const int chosen = from.currentIndex();
    if (chosen >= 0) {
        to.setCurrentIndex(chosen);
    } else {
        to.setCurrentIndex(-1);
        if (!from.currentText().empty()) to.setEditText(from.currentText());
    }
    to.setEnabled(from.isEnabled());
}

void CopyChoices(const FormatBoxes& from, const FormatBoxes& to) {
    CopyChoice(*from.size, *to.size);
    CopyChoice(*from.video, *to.video);
    CopyChoice(*from.audio, *to.audio);
    CopyChoice(*from.channel, *to.channel);
}

void InitFormatBoxes(FormatBoxes& boxes) {
    boxes.size->clear();
    for (ChoiceBox* q : {boxes.video, boxes.audio}) {
        q->clear();
        for (const char* name : kQualityNames) q->addItem(name);
    }
    boxes.channel->clear();
    for (const char* name : kChannelNames) boxes.channel->addItem(name);
    boxes.channel->setCurrentIndex(1);
}

}  // namespace vc
