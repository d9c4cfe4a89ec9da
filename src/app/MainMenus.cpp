#include "app/MainMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include "core/uilanguage.h"

namespace vc {

namespace {
// Shows the key of an item beside its caption. Only shown: the application's key filter
// carries the keys, and a widget shortcut of a popup menu's item never fires on its own, so
// no key acts twice.
void ShowKeys(QAction* item, const QKeySequence& keys) {
    item->setShortcut(keys);
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setShortcutVisibleInContextMenu(true);
}
}  // namespace

void MainMenus::CreateMenus(QWidget* owner) {
    auto menu = [owner](const char* name) {
        auto* m = new QMenu(owner);
        m->setObjectName(name);
        return m;
    };
    // Items are found by their English caption; they show the translated one.
    auto add = [this](QMenu* m, const char* caption, const char* name, Command command) {
        QAction* a = m->addAction(Translate("MainMenus", caption));
        a->setObjectName(name);
        byCaption_[QString::fromUtf8(caption)] = a;
        commands_.emplace_back(a, command);
        return a;
    };
    zm_popup_file = menu("zm_popup_file");
    AddFiles2 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "&Add File(A)"), "AddFiles2",
                    Command::AddFiles);
    AddFolder2 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "A&dd Folder(D)"), "AddFolder2",
                     Command::AddFolder);
    zm_popup_file->addSeparator();
    Properties1 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "Proper&ties(T)"),
                      "Properties1", Command::Properties);
    zm_popup_file->addSeparator();
    BrowseOutput1 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "&Browse Output Folder…"),
                        "BrowseOutput1", Command::Browse);
    OpenOutput1 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "&Open Output Folder"),
                      "OpenOutput1", Command::OpenOutput);
    zm_popup_file->addSeparator();
    RunBackground1 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "&Run Background(R)"),
                         "RunBackground1", Command::RunBackground);
    zm_popup_file->addSeparator();
    Exit1 = add(zm_popup_file, QT_TRANSLATE_NOOP("MainMenus", "&Exit(E)"), "Exit1", Command::Exit);

    zm_pop_edit = menu("zm_pop_edit");
    Remove1 =
        add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "&Remove(R)"), "Remove1", Command::Remove);
    Clear2 =
        add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "&Clear(C)"), "Clear2", Command::Clear);
    Rename1 =
        add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "Re&name(N)"), "Rename1", Command::Rename);
    zm_pop_edit->addSeparator();
    SelectAll1 = add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "Select A&ll(L)"), "SelectAll1",
                     Command::CheckAll);
    UnselectAll1 = add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "&Unselect All(U)"),
                       "UnselectAll1", Command::UncheckAll);
    zm_pop_edit->addSeparator();
    UndoRemoval1 = add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "Un&do Remove"), "UndoRemoval1",
                       Command::UndoRemoval);
    MoveUp1 =
        add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "Move &Up"), "MoveUp1", Command::MoveUp);
    MoveDown1 = add(zm_pop_edit, QT_TRANSLATE_NOOP("MainMenus", "Move Do&wn"), "MoveDown1",
                    Command::MoveDown);

    zm_pop_actions = menu("zm_pop_actions");
    Convert2 = add(zm_pop_actions, QT_TRANSLATE_NOOP("MainMenus", "Con&vert(V)"), "Convert2",
                   Command::Convert);
    Pause1 =
        add(zm_pop_actions, QT_TRANSLATE_NOOP("MainMenus", "&Pause(P)"), "Pause1", Command::Pause);
    Stop2 = add(zm_pop_actions, QT_TRANSLATE_NOOP("MainMenus", "&Stop(S)"), "Stop2", Command::Stop);

    zm_pop_tools = menu("zm_pop_tools");
    settings = add(zm_pop_tools, QT_TRANSLATE_NOOP("MainMenus", "Sett&ings(I)"), "settings",
                   Command::Settings);

    zm_pop_help = menu("zm_pop_help");
    Help1 = add(zm_pop_help, QT_TRANSLATE_NOOP("MainMenus", "&Help(H)"), "Help1", Command::Help);
    zm_pop_help->addSeparator();
    Feedback1 = add(zm_pop_help, QT_TRANSLATE_NOOP("MainMenus", "&Feedback and Support(F)"),
                    "Feedback1", Command::Feedback);
    zm_pop_help->addSeparator();
    About1 = add(zm_pop_help, QT_TRANSLATE_NOOP("MainMenus", "About "), "About1", Command::About);

    pop_dvd = menu("pop_dvd");
    // Caption, shown key, command; the two disc items run none.
    const struct {
        const char* caption;
        const char* keys;
        std::optional<Command> command;
    } dvdItems[] = {{QT_TRANSLATE_NOOP("MainMenus", "Add DVD"), "", std::nullopt},
                    {QT_TRANSLATE_NOOP("MainMenus", "Add IFO"), "", std::nullopt},
                    {"-", "", std::nullopt},
                    {QT_TRANSLATE_NOOP("MainMenus", "Select All"), "Ctrl+L", Command::CheckAll},
                    {QT_TRANSLATE_NOOP("MainMenus", "Unselect ALL"), "Ctrl+U", Command::UncheckAll},
                    {"-", "", std::nullopt},
                    {QT_TRANSLATE_NOOP("MainMenus", "Convert"), "Ctrl+V", Command::Convert},
                    {QT_TRANSLATE_NOOP("MainMenus", "Stop"), "Ctrl+S", Command::Stop},
                    {"-", "", std::nullopt},
                    {QT_TRANSLATE_NOOP("MainMenus", "Exit"), "", Command::Exit}};
    for (const auto& item : dvdItems) {
        if (QString(item.caption) == "-") {
            pop_dvd->addSeparator();
            continue;
        }
        QAction* a = pop_dvd->addAction(Translate("MainMenus", item.caption));
        if (*item.keys) ShowKeys(a, QKeySequence(item.keys));
        if (item.command) commands_.emplace_back(a, *item.command);
    }

    const std::pair<QAction*, QKeySequence> keys[] = {
        {AddFiles2, QKeySequence("Ctrl+A")},     {AddFolder2, QKeySequence("Ctrl+D")},
        {Properties1, QKeySequence("Ctrl+T")},   {RunBackground1, QKeySequence("Ctrl+R")},
        {Remove1, QKeySequence(Qt::Key_Delete)}, {Clear2, QKeySequence("Ctrl+C")},
        {Rename1, QKeySequence("Ctrl+N")},       {SelectAll1, QKeySequence("Ctrl+L")},
        {UnselectAll1, QKeySequence("Ctrl+U")},  {Convert2, QKeySequence("Ctrl+V")},
        {Pause1, QKeySequence("Ctrl+P")},        {Stop2, QKeySequence("Ctrl+S")},
        {settings, QKeySequence("Ctrl+I")},      {Help1, QKeySequence(Qt::Key_F1)},
        {Feedback1, QKeySequence("Ctrl+F")},     {BrowseOutput1, QKeySequence("Ctrl+B")},
        {OpenOutput1, QKeySequence("Ctrl+O")},   {UndoRemoval1, QKeySequence("Ctrl+Z")},
        {MoveUp1, QKeySequence("Alt+Up")},       {MoveDown1, QKeySequence("Alt+Down")}};
    for (const auto& [item, sequence] : keys) ShowKeys(item, sequence);
}

QAction* MainMenus::menuItem(const QString& caption) const {
    auto it = byCaption_.find(caption);
    if (it != byCaption_.end()) return it->second;
    for (QMenu* m :
         {zm_popup_file, zm_pop_edit, zm_pop_actions, zm_pop_tools, zm_pop_help, pop_dvd})
        for (QAction* a : m->actions())
            if (a->text() == caption) return a;
    return nullptr;
}

}  // namespace vc
