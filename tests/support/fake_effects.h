#pragma once
// Side effects for tests: records every message and shell call and answers dialogs
// from queued answers.
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "shell/SideEffects.h"

namespace vc::test {

class FakeEffects : public SideEffects {
  public:
    struct Message {
        QString kind, text;
    };
    std::vector<Message> messages;
    QStringList opened;   // folders and addresses
    QStringList started;  // programs started detached (program + args)
    int shutdowns = 0;
    std::deque<bool> yesNoAnswers;  // answers for Confirm/AskYesNo; default Yes
    std::deque<QStringList> fileAnswers;
    // When set, answers the open dialog instead of fileAnswers (a test may show a real one).
    std::function<QStringList(QWidget*, const QString& caption, const QString& filter,
                              const QString& folder)>
        onOpenFiles;
    // Called for every modal dialog instead of showing it; returns the result code.
    std::function<int(QDialog*)> onDialog = [](QDialog*) { return int(QDialog::Rejected); };

    void Warning(QWidget*, const QString& t) override { messages.push_back({"warning", t}); }
    void Information(QWidget*, const QString& t) override {
        messages.push_back({"information", t});
    }
    bool Confirm(QWidget*, const QString& t) override {
        messages.push_back({"confirm", t});
        return Next();
    }
    bool AskYesNo(QWidget*, const QString& t) override {
        messages.push_back({"askyesno", t});
        return Next();
    }
    void Error(QWidget*, const QString& t) override { messages.push_back({"error", t}); }
    QStringList OpenFiles(QWidget* parent, const QString& caption, const QString& filter,
                          const QString& folder) override {
        lastFilter = filter;
        lastFolder = folder;
        if (onOpenFiles) return onOpenFiles(parent, caption, filter, folder);
        if (fileAnswers.empty()) return {};
        QStringList f = fileAnswers.front();
        fileAnswers.pop_front();
        return f;
    }
    int ExecDialog(QDialog* d) override { return onDialog(d); }
    void OpenFolder(const QString& p) override { opened << "folder:" + p; }
    void OpenUrl(const QString& u) override { opened << "url:" + u; }
    void ShowHelp(const QString& page) override { opened << "help:" + page; }
    void StartDetached(const QString& p, const QStringList& a) override {
        started << (p + (a.isEmpty() ? QString() : QString(" " + a.join(' '))));
    }
    void Shutdown() override { ++shutdowns; }
    bool Notify(const QString& title, const QString& text, const QString& folder) override {
        messages.push_back(
            {"notify",
             title + ": " + text + (folder.isEmpty() ? QString() : QString(" | " + folder))});
        return true;
    }

    QString lastFilter;
    QString lastFolder;  // where the last open dialog started
    QStringList Texts(const QString& kind) const {
        QStringList out;
        for (const auto& m : messages)
            if (m.kind == kind) out << m.text;
        return out;
    }

  private:
    bool Next() {
        if (yesNoAnswers.empty()) return true;
        bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
};

}  // namespace vc::test
