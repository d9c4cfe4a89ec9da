#include "shell/LogDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "jobs/JobList.h"
#include "shell/SideEffects.h"

namespace vc {

LogDialog::LogDialog(QWidget* parent, const QString& caption, const QStringList& lines)
    : QDialog(parent) {
    setObjectName("fm_log");
    setWindowTitle(tr("Encoder Log - %1").arg(caption));
    resize(640, 360);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(lines.isEmpty() ? tr("This job has no log yet.") : lines.join('\n'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(text_);
    lay->addWidget(buttons);
}

QString LogDialog::Text() const {
    return text_->toPlainText();
}

void JobListContextMenu(QTreeView* view, const JobList& jobs, const QList<QAction*>& items,
                        QPoint at, SideEffects* effects) {
    const QModelIndex index = view->indexAt(at);
    const Job* job = index.isValid() ? jobs.At(index.row()) : nullptr;
    QMenu menu(view);
    menu.addActions(items);
    menu.addSeparator();
    QAction* log = menu.addAction(QCoreApplication::translate("LogDialog", "Show Encoder &Log"));
    log->setEnabled(job && !job->log.isEmpty());
    if (menu.exec(view->viewport()->mapToGlobal(at)) != log || !job) return;
    LogDialog dialog(view->window(), job->caption, job->log);
    effects->ExecDialog(&dialog);
}

}  // namespace vc
