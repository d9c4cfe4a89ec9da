#pragma once
// The profile picker: the backdrop, the category list, one panel of profile picture buttons
// per category page and the sub-panels, with their pointer states. A click on a profile
// button reports the profile; the window selects it.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "core/appsettings.h"
#include "core/layoutfile.h"

class QWidget;

namespace vc {

class PictureLabel;
class SkinDisplay;

class ProfilePicker : public QObject {
    Q_OBJECT
  public:
    // Creates the picker's widgets on the main window (hidden).
    ProfilePicker(QWidget* window, SkinDisplay* display, QWidget* videoPanel);

    // The edition (the executable's name), the picture folder and the sub-panel offset.
    void Configure(const std::string& exeFileName, const QString& pictureDir, int leftMoveInt);
    // The category and the pages the picker opens on, from and into the stored settings.
    void TakeSettings(const AppSettings& s);
    void PutSettings(AppSettings& s) const;
    // Moves the picker and its profile panels where the layout file puts them.
    void Place(const LayoutFile& layout);
    // Loads the pictures of every button, category and page link.
    void LoadPictures();

    // Opens the picker on the panel of the selected profile.
    void Open(int selectedProfile);
    // Closes the picker (hides backdrop, category list and every panel).
    void Close();
    void PlaceBackdrop(bool show, int left, int top, int width, int height);

    void RestoreButtonPicture(int n);
    void RestoreCategoryPicture(int k);
    void PointCategory(int k);
    void PointButton(int n);
    void FoldSubPanelHover();
    void PageLink(const QString& name);
    void ProfileButtonClick(int n);

    int CategoryIndex = -1;
    bool VideoFirstPage = true;
    bool AudioFirstPage = true;
    int HoverButtonId = -1;

    bool IsOpen() const;
    // The widget that holds the keyboard while the picker is open; screen readers hear the
    // category or profile the keys are on through its name.
    QWidget* KeyboardHolder() const { return keys_; }
    // The profile the keys are on, or -1 while they are on the categories.
    int KeyboardProfile() const { return keyProfile_; }

    QWidget* pl_main = nullptr;
    QWidget* pl_back = nullptr;
    PictureLabel* Image13 = nullptr;
    std::map<std::string, QWidget*> panels;         // the 19 profile panels by name
    std::map<int, PictureLabel*> btim;              // btim_1 .. btim_132
    std::map<int, PictureLabel*> categoryPictures;  // by CategoryIndex
    PictureLabel* Image94 = nullptr;                // video page 1 -> 2
    PictureLabel* Image93 = nullptr;                // video page 2 -> 1
    PictureLabel* Image2 = nullptr;                 // audio page 1 -> 2
    PictureLabel* Image5 = nullptr;                 // audio page 2 -> 1

  signals:
    // A profile button was clicked (the picker is closed already).
    void profileChosen(int n);
    // The open picker closed, by a choice, a key or a click elsewhere.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The keyboard: Up and Down step within the categories or the profiles, Right, Left and
    // Tab go between them, Return chooses and Escape closes.
    void CreateKeyboard(QWidget* window);
    void ShowPanels(int selectedProfile);
    void KeysOpened(int selectedProfile);
    void KeysClosed();
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    std::vector<int> KeyStops() const;
    void KeysToCategory(int k);
    void KeysToProfile(int n);
    void MarkCurrent(int selectedProfile);
    void AnnounceKeys();
    void CreateWidgets(QWidget* window);
    void Wire();
    void ShowPanel(QWidget* panel);
    // Spreads the backdrop under the category list and every open panel, so that nothing
    // of the window shows between them; the second only while the backdrop is shown.
    void FitBackdrop();
    void RefitBackdrop();

    SkinDisplay* display_;
    QWidget* videoPanel_;
    std::string exe_;
    QString pictures_;
    int leftMoveInt_ = 6;
    // Where the window placed the backdrop; null while it is hidden.
    QRect backdrop_;
    QWidget* keys_ = nullptr;
    QPointer<QWidget> focusBefore_;
    int keyProfile_ = -1;
    int keySubOpener_ = 0;  // the opener whose sub-panel the keys are in
    int markedProfile_ = -1;
};

}  // namespace vc
