// The person at the screen, as the soak plays them: every message box, file dialog and modal
// dialog of the program comes here (the program's one dialog seam) and is answered with the
// current action's random choices. The record lists are worked on with real clicks and drags,
// and after each step in them their rows are compared with those of a freshly opened list.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "ui/UiPrompts.h"

class CChannelEditDlg;
class QComboBox;
class RecordListDlg;
class SubListDlg;
class CTransponderPickDlg;

namespace zev {
class ChangeSink;
class ChannelDatabase;
}  // namespace zev

namespace soak {

class Dice;

class SoakPrompts : public UiPrompts {
  public:
    // What the dialogs work on, to open a fresh list beside one for comparison.
    void Attach(zev::ChannelDatabase& db, zev::ChangeSink& changes);
    // The choices of the action now playing; null between actions (every question is then
    // answered with its default and every dialog cancelled).
    void SetDice(Dice* dice) { dice_ = dice; }

    // What happened while the action played.
    struct Notes {
        std::vector<std::string> findings;
        // References that an edit dialog may leave naming no record: OK pressed while its
        // transponder or satellite box had no selection (the record it copied named none).
        int danglingAllowed = 0;
        QStringList messages;
    };
    Notes TakeNotes();

    zev::MsgAnswer Message(const QString& text, const QString& caption, zev::MsgIcon icon,
                           zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    std::optional<QFont> ChooseFont(const QFont& current) override;
    int RunDialog(QDialog& dialog) override;

  private:
    void EditBoxes(QDialog& dialog, const char* referenceBox);
    void RecordList(RecordListDlg& dialog, bool satellites);
    void Pick(CTransponderPickDlg& dialog);
    void SubList(SubListDlg& dialog);
    void ChooseIndex(QComboBox& box, int index);
    // The rows of `dialog` beside those of the same list opened afresh.
    void CompareWithFreshList(RecordListDlg& dialog, bool satellites);
    void Finding(std::string text) { notes_.findings.push_back(std::move(text)); }

    Dice* dice_ = nullptr;
    zev::ChannelDatabase* db_ = nullptr;
    zev::ChangeSink* changes_ = nullptr;
    Notes notes_;
};

}  // namespace soak
