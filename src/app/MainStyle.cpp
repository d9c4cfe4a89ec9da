#include "app/MainStyle.h"

#include <QApplication>
#include <QStringList>

#include "core/appinfo.h"

namespace vc {

QString MainStyleSheet() {
    // The check boxes are drawn by the picture generator, with a double-size set that Qt takes
    // on high-density screens.
    const QString pictures = QString::fromStdString(ProgramDirectory()) + "images/list/";
    const QStringList rules = {
        // Long rules run over two literals on purpose.
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
        "QLineEdit { background: #2d333d; color: #e8ebf0; border: none;"
        " selection-background-color: #3d9bf4; }",
        // The rename editor covers the title cell.
        "QLineEdit#edt_tit { border: 1px solid #3d9bf4; padding: 0 4px; }",
        "QToolTip { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d;"
        " padding: 1px 3px; }",
        "QTreeView::item { height: 24px; }",
        "QTreeView::indicator { width: 16px; height: 16px; }",
        "QTreeView::indicator:unchecked { image: url(\"" + pictures + "unchecked.png\"); }",
        "QTreeView::indicator:checked { image: url(\"" + pictures + "checked.png\"); }",
        "QTreeView { background: #252a32; alternate-background-color: #2a3039; color: #e8ebf0;"
        " border: none; border-radius: 6px; gridline-color: #3a414d;"
        " selection-background-color: #2f7fce; }",
        "QHeaderView::section { background: #2d333d; color: #9aa4b2; border: none;"
        " border-right: 1px solid #3a414d; padding: 4px 6px; }",
        "QMenu { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d; padding: 4px; }",
        "QMenu::item { padding: 5px 22px 5px 14px; border-radius: 4px; }",
        "QMenu::item:selected { background: #3d9bf4; color: white; }",
        "QMenu::item:disabled { color: #6b7480; }",
        "QMenu::separator { height: 1px; background: #3a414d; margin: 4px 6px; }",
        "QScrollBar:vertical { background: #252a32; width: 10px; }",
        "QScrollBar::handle:vertical { background: #3a414d; border-radius: 4px;"
        " min-height: 24px; }",
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0; }",
        "QComboBox { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d;"
        " border-radius: 4px; padding: 2px 6px; }",
        "QComboBox:disabled { color: #6b7480; }",
        "QComboBox:focus, QTreeView:focus { border: 1px solid #3d9bf4; }",
        "QLineEdit#ed_output:focus { background: #363d49; }",
        // The menu titles lie on the title bar and look like its other texts.
        "QMenuBar#menubar { background: #1d2127; font-size: 13px; spacing: 4px; }",
        "QMenuBar#menubar::item { color: #9aa4b2; background: transparent; padding: 4px 8px;"
        " border-radius: 6px; }",
        "QMenuBar#menubar::item:selected { background: #2d333d; color: #e8ebf0; }",
        "QMenuBar#menubar::item:pressed { background: #3a414d; color: #e8ebf0; }",
        "QComboBox QAbstractItemView { background: #2d333d; color: #e8ebf0;"
        " selection-background-color: #3d9bf4; }",
        // The dialogs are children of the main window and share its palette.
        "QDialog { background: #1d2127; color: #e8ebf0; }",
        "QDialog QLabel, QDialog QRadioButton, QDialog QCheckBox { color: #e8ebf0; }",
        "QGroupBox { color: #9aa4b2; border: 1px solid #3a414d; border-radius: 6px;"
        " margin-top: 18px; padding: 10px 8px 8px 8px; }",
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }",
        "QDialog QPushButton { background: #2d333d; color: #e8ebf0; border: 1px solid #3a414d;"
        " border-radius: 6px; padding: 5px 18px; }",
        "QDialog QPushButton:hover { background: #3a414d; }",
        "QDialog QPushButton:default { background: #3d9bf4; border-color: #3d9bf4;"
        " color: white; }",
        "QDialog QTreeView { background: #252a32; color: #e8ebf0; border: 1px solid #3a414d; }",
        "QDialog QLineEdit { padding: 3px 6px; border-radius: 4px; }",
    };
    return rules.join(' ');
}

void SetApplicationAttributes() {
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

}  // namespace vc
