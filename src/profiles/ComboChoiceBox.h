#pragma once
// A drop-down box of the settings dialog seen through the core's box model. The box shows
// its entries translated; the model sees the English entry behind each.
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

#include "core/choicebox.h"

namespace vc {

class ComboChoiceBox : public ChoiceBox {
  public:
    explicit ComboChoiceBox(QComboBox* box) : box_(box) {}
    int count() const override { return box_->count(); }
    std::string itemText(int i) const override {
        const QVariant english = box_->itemData(i);
        return (english.isValid() ? english.toString() : box_->itemText(i)).toStdString();
    }
    void clear() override { box_->clear(); }
    void addItem(const std::string& t) override {
        // QComboBox chooses the first item added to an empty box; the box model never
        // chooses on adding.
        const bool wasEmpty = box_->count() == 0;
        AddTranslated(box_, t.c_str());
        if (wasEmpty) setCurrentIndex(-1);
    }
    void removeItem(int i) override {
        const bool wasChosen = box_->currentIndex() == i;
        box_->removeItem(i);
        if (wasChosen) setCurrentIndex(-1);
    }
    int currentIndex() const override {
        // Typed text that is not the chosen entry counts as no entry.
        int i = box_->currentIndex();
        if (i >= 0 && box_->isEditable() && box_->currentText() != box_->itemText(i)) return -1;
        return i;
    }
    void setCurrentIndex(int i) override {
        box_->setCurrentIndex(i >= 0 && i < box_->count() ? i : -1);
        if (box_->currentIndex() < 0 && box_->isEditable()) box_->setEditText(QString());
    }
    std::string currentText() const override {
        const int i = currentIndex();
        return i >= 0 ? itemText(i) : box_->currentText().toStdString();
    }
    void setEditText(const std::string& t) override {
        if (box_->isEditable()) box_->setEditText(QString::fromStdString(t));
    }
    void setEnabled(bool e) override { box_->setEnabled(e); }
    bool isEnabled() const override { return box_->isEnabled(); }

    // An entry shown in the interface's language, its English text kept as the item's data.
    static void AddTranslated(QComboBox* box, const char* english) {
        box->addItem(QCoreApplication::translate("ChoiceBox", english), QString::fromUtf8(english));
    }

    // The width of the box's longest entry in its font, without the arrow.
    static int WidestItemWidth(const QComboBox* box) {
        int widest = 0;
        for (int i = 0; i < box->count(); ++i)
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        return widest;
    }

  private:
    QComboBox* box_;
};

}  // namespace vc
