// The satellite and transponder dialogs on a database of their own, answering through
// scripted prompts, with every reported change recorded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ScriptedPrompts.h"
#include "database/ChannelDatabase.h"
#include "database/FlashLayout.h"
#include "editing/ChangeSink.h"
#include "satellites/RecordList.h"
#include "satellites/SatelliteDialogs.h"

// Readable failure messages for the texts compared.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

class RecordingChanges : public zev::ChangeSink {
  public:
    std::vector<std::string> descriptions;
    void DatabaseChanged(const zev::Translatable& description) override {
        descriptions.push_back(description.English());
    }
};

// The control `id` directly inside `dialog`.
template <typename T>
T& Control(QDialog& dialog, const char* id) {
    T* control = dialog.findChild<T*>(id, Qt::FindDirectChildrenOnly);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << id << " in " << dialog.windowTitle().toStdString();
        std::abort();
    }
    return *control;
}

inline void Click(QDialog& dialog, const char* id) { Control<QPushButton>(dialog, id).click(); }
inline void Type(QDialog& dialog, const char* id, const QString& text) {
    Control<QLineEdit>(dialog, id).setText(text);
}
inline QString Text(QDialog& dialog, const char* id) {
    return Control<QLineEdit>(dialog, id).text();
}
// The list gets the keyboard focus, as the Tab key gives it.
inline void KeyboardFocus(QWidget& list) {
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list, &focus);
}
inline QComboBox& Combo(QDialog& dialog, const char* id) { return Control<QComboBox>(dialog, id); }

// The rows of a satellite or transponder list.
inline QStringList Rows(RecordListControl& list) {
    QStringList rows;
    for (int row = 0; row < record_list::RowCount(list); ++row) {
        rows << record_list::RowText(list, row);
    }
    return rows;
}

// The numbers at the start of the rows.
inline std::vector<int> RowNumbers(RecordListControl& list) {
    std::vector<int> numbers;
    for (const QString& row : Rows(list)) numbers.push_back(row.left(4).trimmed().toInt());
    return numbers;
}

class RecordDialogsTest : public ::testing::Test {
  protected:
    RecordDialogsTest() { zev::UpdateFlashLayout(db_.header, 2, 2); }

    // Queues what the person does in the next dialog that runs. The dialog's result starts as
    // Rejected, as a dialog's run does.
    void Then(std::function<void(QDialog&)> act) {
        prompts_.dialogScripts.push_back([act](QDialog& dialog) {
            dialog.setResult(QDialog::Rejected);
            act(dialog);
            return dialog.result();
        });
    }

    void AddSatellite(const std::string& name) {
        zev::SatelliteEntry& sat = db_.satellites[db_.header.SatCount++];
        sat = zev::SatelliteEntry{};
        SetName(sat.Name, name);
    }
    void AddTransponder(uint8_t sat, uint16_t frequency) {
        zev::TransponderEntry& tp = db_.transponders[db_.header.TpCount++];
        tp = zev::TransponderEntry{};
        tp.Sat = sat;
        tp.Frequency = frequency;
    }
    void AddTv(uint16_t tpNumber, const std::string& name) {
        zev::ChannelEntry& ch = db_.Tv(db_.header.TvCount++);
        ch = zev::ChannelEntry{};
        ch.TpNumber = tpNumber;
        SetName(ch.Name, name);
    }
    void AddRadio(uint16_t tpNumber, const std::string& name) {
        zev::ChannelEntry& ch = db_.Radio(db_.header.RadioCount++);
        ch = zev::ChannelEntry{};
        ch.RadioFlag = 1;
        ch.TpNumber = tpNumber;
        SetName(ch.Name, name);
    }
    std::vector<int> TransponderSats() const {
        std::vector<int> sats;
        for (std::size_t i = 0; i < db_.header.TpCount; ++i)
            sats.push_back(db_.transponders[i].Sat);
        return sats;
    }
    std::vector<int> TvTransponders() const {
        std::vector<int> numbers;
        for (std::size_t i = 0; i < db_.header.TvCount; ++i) numbers.push_back(db_.Tv(i).TpNumber);
        return numbers;
    }
    std::vector<int> RadioTransponders() const {
        std::vector<int> numbers;
        for (std::size_t i = 0; i < db_.header.RadioCount; ++i) {
            numbers.push_back(db_.Radio(i).TpNumber);
        }
        return numbers;
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const AskedMessage& m : prompts_.messages) texts << m.text;
        return texts;
    }

    template <std::size_t N>
    static void SetName(std::array<char, N>& field, const std::string& name) {
        field.fill('\0');
        std::memcpy(field.data(), name.data(), std::min(name.size(), N - 1));
    }

    std::unique_ptr<zev::ChannelDatabase> dbStorage_ = std::make_unique<zev::ChannelDatabase>();
    zev::ChannelDatabase& db_ = *dbStorage_;
    ScriptedPrompts prompts_;
    RecordingChanges changes_;
    SatelliteDialogs dialogs_{db_, prompts_, changes_};
};
