#include "shell/LogDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vc {

LogDialog::LogDialog(QWidget* parent, const QString& caption, const QStringList& lines)
    : QDialog(parent) {
    setObjectName("fm_log");
    setWindowTitle("Encoder Log - " + caption);
    resize(640, 360);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(lines.isEmpty() ? QString("This job has no log yet.") : lines.join('\n'));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(text_);
    lay->addWidget(buttons);
}

QString LogDialog::Text() const {
    return text_->toPlainText();
}

}  // namespace vc
