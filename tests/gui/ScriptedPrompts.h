// Answers the program's questions from a script and records what was asked.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/UiPrompts.h"

struct AskedMessage {
    QString text;
    QString caption;
    zev::MsgButtons buttons;
};

class ScriptedPrompts : public UiPrompts {
  public:
    std::deque<zev::MsgAnswer> answers;  // for questions; OK boxes need none
    QStringList fileNames;               // an empty name cancels
    std::optional<QFont> font;           // nullopt = cancelled
    std::vector<AskedMessage> messages;
    QStringList fileDialogTitles;
    QStringList fileDialogFilters;
    QStringList fileDialogStarts;  // the file or folder each dialog started at ("": none)
    // One script per modal dialog the program runs, in order: it fills in the dialog's
    // controls and returns its result (usually by calling accept() or reject() on it and
    // returning dialog.result()). A dialog with no script left is cancelled.
    std::deque<std::function<int(QDialog&)>> dialogScripts;
    QStringList dialogTitles;  // window titles of the dialogs run, in order

    zev::MsgAnswer Message(const QString& text, const QString& caption, zev::MsgIcon,
                           zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) override {
        messages.push_back({text, caption, buttons});
        if (buttons == zev::MsgButtons::Ok || answers.empty()) return defaultAnswer;
        const zev::MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString&) override {
        return NextFile(title, filter, QString());
    }
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString&) override {
        return NextFile(title, filter, QString());
    }
    std::optional<QString> OpenFileNameAt(const QString& title, const QString& filter,
                                          const QString&, const QString& start) override {
        return NextFile(title, filter, start);
    }
    std::optional<QString> SaveFileNameAt(const QString& title, const QString& filter,
                                          const QString&, const QString& start) override {
        return NextFile(title, filter, start);
    }
    std::optional<QFont> ChooseFont(const QFont&) override { return font; }
    int RunDialog(QDialog& dialog) override {
        dialogTitles << dialog.windowTitle();
        if (dialogScripts.empty()) return QDialog::Rejected;
        // Taken off the queue first: the script may run nested dialogs of its own.
        const auto script = std::move(dialogScripts.front());
        dialogScripts.pop_front();
        return script(dialog);
    }

  private:
    std::optional<QString> NextFile(const QString& title, const QString& filter,
                                    const QString& start) {
        fileDialogTitles << title;
        fileDialogFilters << filter;
        fileDialogStarts << start;
        const QString name = fileNames.isEmpty() ? QString() : fileNames.takeFirst();
        if (name.isEmpty()) return std::nullopt;
        return name;
    }
};
