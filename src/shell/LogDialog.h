#pragma once
// Shows the encoder's output of a job's last run, to read or copy.
#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace vc {

class LogDialog : public QDialog {
    Q_OBJECT
  public:
    LogDialog(QWidget* parent, const QString& caption, const QStringList& lines);
    QString Text() const;

  private:
    QPlainTextEdit* text_;
};

}  // namespace vc
