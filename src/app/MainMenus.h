#pragma once
// The main window's popup menus and their items, with the captions the user sees.
#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/command.h"

class QAction;
class QMenu;
class QWidget;

namespace vc {

struct MainMenus {
    // Creates every menu as a child of owner.
    void CreateMenus(QWidget* owner);
    // An item by the caption it was created with ("&Pause(P)" reads "Continue" while a batch
    // is paused), or by its present caption.
    QAction* menuItem(const QString& caption) const;
    // Each item that runs a command, with its command.
    const std::vector<std::pair<QAction*, Command>>& ItemCommands() const { return commands_; }

    QMenu* zm_popup_file = nullptr;
    QMenu* zm_pop_edit = nullptr;
    QMenu* zm_pop_actions = nullptr;
    QMenu* zm_pop_tools = nullptr;
    QMenu* zm_pop_help = nullptr;
    QMenu* pop_dvd = nullptr;
    QAction *AddFiles2 = nullptr, *AddFolder2 = nullptr, *Properties1 = nullptr,
            *RunBackground1 = nullptr, *Exit1 = nullptr, *BrowseOutput1 = nullptr,
            *OpenOutput1 = nullptr;
    QAction *UndoRemoval1 = nullptr, *MoveUp1 = nullptr, *MoveDown1 = nullptr;
    QAction *Remove1 = nullptr, *Clear2 = nullptr, *Rename1 = nullptr, *SelectAll1 = nullptr,
            *UnselectAll1 = nullptr;
    QAction *Convert2 = nullptr, *Pause1 = nullptr, *Stop2 = nullptr;
    QAction* settings = nullptr;
    QAction *Help1 = nullptr, *Feedback1 = nullptr, *About1 = nullptr;

  private:
    std::map<QString, QAction*> byCaption_;
    std::vector<std::pair<QAction*, Command>> commands_;
};

}  // namespace vc
