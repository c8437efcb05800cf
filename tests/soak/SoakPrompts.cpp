#include "SoakPrompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "Dice.h"
#include "Input.h"
#include "lists/CChannelEditDlg.h"
#include "satellites/CSatelliteEditDlg.h"
#include "satellites/CSatelliteListDlg.h"
#include "satellites/CTransponderEditDlg.h"
#include "satellites/CTransponderListDlg.h"
#include "satellites/CTransponderPickDlg.h"
#include "satellites/LineListBox.h"
#include "satellites/RecordList.h"
#include "satellites/SubListDlg.h"

namespace soak {
namespace {

const std::vector<QString> kNames = {
    "BBC One",  "Kanal 5", "Zwölf Zeichen", "ÄÖÜ äöü", "x",    "",          "A very long name",
    "=SUM(A1)", "News",    "SAT 1E",        "tp",      "€uro", "Das Erste", "  spaced  "};

QString NumberText(Dice& dice) {
    const std::size_t roll = dice.Below(100);
    if (roll < 30) return QString::number(dice.Below(100));
    if (roll < 60) return QString::number(dice.Below(8192));
    if (roll < 70) return QString::number(dice.Below(65536));
    if (roll < 78) return "65535";
    if (roll < 83) return "65536";
    if (roll < 88) return "70000";
    if (roll < 93) return "";
    if (roll < 96) return "99999999999";
    return "007";
}

QPushButton* Button(QDialog& dialog, const char* id) { return dialog.findChild<QPushButton*>(id); }

void Press(QDialog& dialog, const char* id) {
    if (QPushButton* button = Button(dialog, id)) button->click();
}

// Replaces a box's text as typing does, through its validator.
void TypeInto(QLineEdit& box, const QString& text) {
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    input::Type(box, text);
}

void ClickLine(QListView& list, int row) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualRect(index).center());
}

QStringList ListRows(RecordListControl& list) {
    QStringList rows;
    for (int row = 0; row < record_list::RowCount(list); ++row) {
        rows << record_list::RowText(list, row);
    }
    return rows;
}

}  // namespace

void SoakPrompts::Attach(zev::ChannelDatabase& db, zev::ChangeSink& changes) {
    db_ = &db;
    changes_ = &changes;
}

SoakPrompts::Notes SoakPrompts::TakeNotes() {
    Notes notes = std::move(notes_);
    notes_ = Notes{};
    return notes;
}

zev::MsgAnswer SoakPrompts::Message(const QString& text, const QString& caption, zev::MsgIcon,
                                    zev::MsgButtons buttons, zev::MsgAnswer defaultAnswer) {
    notes_.messages << caption + ": " + text;
    if (dice_ == nullptr || buttons == zev::MsgButtons::Ok) return defaultAnswer;
    const std::size_t roll = dice_->Below(100);
    if (buttons == zev::MsgButtons::YesNo) {
        return roll < 50 ? zev::MsgAnswer::Yes : zev::MsgAnswer::No;
    }
    if (roll < 35) return zev::MsgAnswer::Yes;
    return roll < 80 ? zev::MsgAnswer::No : zev::MsgAnswer::Cancel;
}

std::optional<QString> SoakPrompts::OpenFileName(const QString&, const QString&, const QString&) {
    if (dice_ == nullptr || dice_->Percent(8)) return std::nullopt;
    const QDir dir = QDir::current();
    if (dice_->Percent(4)) return dir.filePath("missing.stc");
    // The box's settings saved before a send are named by the clock: never chosen, so that a
    // replay chooses the same files.
    QStringList images = dir.entryList({"*.stc", "*.def", "*.all"}, QDir::Files, QDir::Name);
    QStringList all = dir.entryList(QDir::Files, QDir::Name);
    const auto timed = [](const QString& name) { return name.contains("-box-"); };
    images.removeIf(timed);
    all.removeIf(timed);
    const QStringList& from = !images.isEmpty() && dice_->Percent(80) ? images : all;
    if (from.isEmpty()) return std::nullopt;
    return dir.filePath(from[static_cast<qsizetype>(dice_->Below(from.size()))]);
}

std::optional<QString> SoakPrompts::SaveFileName(const QString&, const QString&,
                                                 const QString& defaultSuffix) {
    if (dice_ == nullptr || dice_->Percent(8)) return std::nullopt;
    std::vector<QString> names = {"list.csv", "other.csv"};
    if (defaultSuffix == "stc") {
        names = {"mine.stc", "copy.stc", "start.stc", "mine.def", "mine.all", "mine.txt"};
    } else if (defaultSuffix == "txt") {
        names = {"terminal.txt", "other.txt"};
    }
    return QDir::current().filePath(dice_->Pick(names));
}

std::optional<QFont> SoakPrompts::ChooseFont(const QFont&) { return std::nullopt; }

int SoakPrompts::RunDialog(QDialog& dialog) {
    // A dialog run again starts without the result of its last run, as exec() does.
    dialog.setResult(QDialog::Rejected);
    if (dice_ == nullptr) return QDialog::Rejected;
    dialog.show();
    if (dynamic_cast<CChannelEditDlg*>(&dialog) != nullptr) {
        EditBoxes(dialog, "1020");
    } else if (dynamic_cast<CTransponderEditDlg*>(&dialog) != nullptr) {
        EditBoxes(dialog, "1001");
    } else if (dynamic_cast<CSatelliteEditDlg*>(&dialog) != nullptr) {
        EditBoxes(dialog, nullptr);
    } else if (auto* satellites = dynamic_cast<CSatelliteListDlg*>(&dialog)) {
        RecordList(*satellites, true);
    } else if (auto* transponders = dynamic_cast<CTransponderListDlg*>(&dialog)) {
        RecordList(*transponders, false);
    } else if (auto* pick = dynamic_cast<CTransponderPickDlg*>(&dialog)) {
        Pick(*pick);
    } else if (auto* sub = dynamic_cast<SubListDlg*>(&dialog)) {
        SubList(*sub);
    }
    // The comparison, and any dialog a script left open, is closed.
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
}

void SoakPrompts::ChooseIndex(QComboBox& box, int index) {
    QTest::keyClick(&box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(&box, Qt::Key_Down);
}

void SoakPrompts::EditBoxes(QDialog& dialog, const char* referenceBox) {
    Dice& dice = *dice_;
    for (int attempt = 0; attempt < 3; ++attempt) {
        for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
            if (!box->isEnabled() || box->isReadOnly() || !dice.Percent(45)) continue;
            TypeInto(*box, box->objectName() == "1019" ? dice.Pick(kNames) : NumberText(dice));
        }
        for (QComboBox* box : dialog.findChildren<QComboBox*>()) {
            if (box->isEnabled() && box->count() > 0 && dice.Percent(35)) {
                ChooseIndex(*box,
                            static_cast<int>(dice.Below(static_cast<std::size_t>(box->count()))));
            }
        }
        if (dynamic_cast<CChannelEditDlg*>(&dialog) != nullptr && dice.Percent(15)) {
            Press(dialog, "1025");  // the transponder picker
        }
        if (!dice.Percent(80)) {
            Press(dialog, "2");
            return;
        }
        const auto* reference =
            referenceBox != nullptr ? dialog.findChild<QComboBox*>(referenceBox) : nullptr;
        const bool unchosen = reference != nullptr && reference->currentIndex() < 0;
        Press(dialog, "1");
        if (!dialog.isVisible()) {
            if (unchosen && dialog.result() == QDialog::Accepted) ++notes_.danglingAllowed;
            return;
        }
        // Still open: a number box held no integer; the next attempt types again.
    }
}

void SoakPrompts::RecordList(RecordListDlg& dialog, bool satellites) {
    Dice& dice = *dice_;
    RecordListControl& list = dialog.List();
    const char* deleteId = satellites ? "1032" : "1012";
    const char* subListId = satellites ? "1025" : "1011";
    const auto maybeSelect = [&] {
        if (list.RowCount() > 0 && dice.Percent(75)) {
            input::Click(list,
                         static_cast<int>(dice.Below(static_cast<std::size_t>(list.RowCount()))));
        }
    };
    for (int steps = dice.Between(1, 4); steps > 0; --steps) {
        const std::size_t roll = dice.Below(100);
        const int rows = list.RowCount();
        if (roll < 15) {
            maybeSelect();
        } else if (roll < 32) {
            maybeSelect();
            Press(dialog, "1030");  // Edit
        } else if (roll < 52) {
            maybeSelect();
            Press(dialog, "1031");  // New
        } else if (roll < 67) {
            maybeSelect();
            Press(dialog, deleteId);
        } else if (roll < 76) {
            maybeSelect();
            Press(dialog, subListId);
        } else if (roll < 84) {
            if (rows > 0)
                input::DoubleClick(list,
                                   static_cast<int>(dice.Below(static_cast<std::size_t>(rows))));
        } else if (rows > 0) {
            const int from = static_cast<int>(dice.Below(static_cast<std::size_t>(rows)));
            input::Click(list, from);
            input::Drag(list, from, static_cast<int>(dice.Below(static_cast<std::size_t>(rows))));
        }
        QCoreApplication::processEvents();
        CompareWithFreshList(dialog, satellites);
    }
    Press(dialog, "2");
}

void SoakPrompts::CompareWithFreshList(RecordListDlg& dialog, bool satellites) {
    std::unique_ptr<RecordListDlg> fresh;
    if (satellites) {
        fresh = std::make_unique<CSatelliteListDlg>(*db_, *this, *changes_);
    } else {
        fresh = std::make_unique<CTransponderListDlg>(*db_, *this, *changes_);
    }
    const QStringList shown = ListRows(dialog.List());
    const QStringList expected = ListRows(fresh->List());
    if (shown == expected) return;
    const char* name = satellites ? "Satellite List" : "Transponder List";
    for (qsizetype row = 0; row < std::max(shown.size(), expected.size()); ++row) {
        const QString a = row < shown.size() ? shown[row] : QStringLiteral("(no row)");
        const QString b = row < expected.size() ? expected[row] : QStringLiteral("(no row)");
        if (a == b) continue;
        Finding(std::string("record list rows: the ") + name + " shows row " +
                std::to_string(row + 1) + " as \"" + a.trimmed().toStdString() +
                "\" where a freshly opened one shows \"" + b.trimmed().toStdString() + "\"");
        return;
    }
}

void SoakPrompts::Pick(CTransponderPickDlg& dialog) {
    Dice& dice = *dice_;
    auto* lines = dialog.findChild<LineListBox*>("1010");
    if (lines == nullptr) return;
    const auto anyLine = [&] {
        return static_cast<int>(dice.Below(static_cast<std::size_t>(lines->RowCount())));
    };
    if (lines->RowCount() > 0 && dice.Percent(35)) {
        ClickLine(*lines, anyLine());
        Press(dialog, "1030");  // Edit
        QCoreApplication::processEvents();
    }
    if (lines->RowCount() > 0 && dice.Percent(60)) {
        input::DoubleClickLine(*lines, anyLine());
    } else {
        Press(dialog, "2");
    }
}

void SoakPrompts::SubList(SubListDlg& dialog) {
    if (dice_->Percent(35)) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "&Delete All") {
                button->click();
                return;
            }
        }
    }
    Press(dialog, "2");
}

}  // namespace soak
