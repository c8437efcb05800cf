// Every question the program puts to the person at the screen goes through this seam: message
// boxes, file dialogs and the font dialog. The desktop program shows real Qt dialogs; tests
// give scripted answers.
#pragma once

#include <QFont>
#include <QString>
#include <optional>

#include "core/MessageBox.h"

class QDialog;
class QWidget;

class UiPrompts {
  public:
    virtual ~UiPrompts() = default;

    virtual zev::MsgAnswer Message(const QString& text, const QString& caption, zev::MsgIcon icon,
                                   zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) = 0;
    // File dialogs; nullopt when cancelled. `filter` uses Qt's notation ("a (*.a);;b (*.b)").
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix) = 0;
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix) = 0;
    // The same dialogs starting at `start`: the file to suggest, or a folder to show (empty:
    // where the dialog would start anyway).
    virtual std::optional<QString> OpenFileNameAt(const QString& title, const QString& filter,
                                                  const QString& defaultSuffix,
                                                  const QString& /*start*/) {
        return OpenFileName(title, filter, defaultSuffix);
    }
    virtual std::optional<QString> SaveFileNameAt(const QString& title, const QString& filter,
                                                  const QString& defaultSuffix,
                                                  const QString& /*start*/) {
        return SaveFileName(title, filter, defaultSuffix);
    }
    virtual std::optional<QFont> ChooseFont(const QFont& current) = 0;
    // Runs one of the program's own modal dialogs (Channel Edit, Satellite List, ...) and
    // returns QDialog::Accepted or QDialog::Rejected. Tests fill in and close the dialog
    // from a script instead of an event loop.
    virtual int RunDialog(QDialog& dialog) = 0;

    // A plain message box with an OK button.
    void Inform(const QString& text, const QString& caption,
                zev::MsgIcon icon = zev::MsgIcon::Exclamation) {
        Message(text, caption, icon, zev::MsgButtons::Ok, zev::MsgAnswer::Ok);
    }

    // Dialogs are shown over this window.
    void SetParentWindow(QWidget* parent) { parent_ = parent; }
    QWidget* ParentWindow() const { return parent_; }

  protected:
    QWidget* parent_ = nullptr;
};

// The real dialogs.
class QtUiPrompts : public UiPrompts {
  public:
    zev::MsgAnswer Message(const QString& text, const QString& caption, zev::MsgIcon icon,
                           zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    std::optional<QString> OpenFileNameAt(const QString& title, const QString& filter,
                                          const QString& defaultSuffix,
                                          const QString& start) override;
    std::optional<QString> SaveFileNameAt(const QString& title, const QString& filter,
                                          const QString& defaultSuffix,
                                          const QString& start) override;
    std::optional<QFont> ChooseFont(const QFont& current) override;
    int RunDialog(QDialog& dialog) override;
};
