// The Channel Edit dialog: one channel's name, transponder and PIDs. It works on a copy of the
// channel's record, so every byte it does not show is carried through unchanged; the caller
// reads the record back after OK. It reads the transponder and satellite tables, never writes
// them. Every control's objectName is its control id ("1019" for the name box, ...).
#pragma once

#include <QDialog>
#include <array>

#include "database/ChannelDatabase.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class RecordDialogs;
class UiPrompts;

class CChannelEditDlg : public QDialog {
    Q_OBJECT
  public:
    // Control ids.
    static constexpr int kName = 1019;
    static constexpr int kTpNumber = 1020;
    static constexpr int kSatellite = 1021;
    static constexpr int kFrequency = 1022;
    static constexpr int kPolarisation = 1023;
    static constexpr int kSymbolRate = 1005;
    static constexpr int kTransId = 1024;
    static constexpr int kTransponderList = 1025;
    static constexpr int kVideoPid = 1009;
    static constexpr int kAudioPid = 1010;
    static constexpr int kPcrPid = 1011;
    static constexpr int kTtxPid = 1012;
    static constexpr int kAc3Pid = 1013;
    static constexpr int kServiceId = 1014;
    static constexpr int kNetworkId = 1015;

    // `records` opens the Transponder Pick; without it the button does nothing.
    CChannelEditDlg(const zev::ChannelDatabase& db, const zev::ChannelEntry& record,
                    UiPrompts& prompts, RecordDialogs* records, QWidget* parent = nullptr);

    const zev::ChannelEntry& Record() const { return record_; }

    // Stores the boxes into the record and closes, or says which number box holds no integer or
    // a number the image cannot keep, and stays open with that box active.
    void accept() override;

  private:
    static constexpr std::size_t kPidBoxes = 7;
    struct PidBox {
        int id;
        const char* label;
        const char* field;  // the record field, by its name in the field tables
    };
    static const std::array<PidBox, kPidBoxes>& PidBoxes();

    QLineEdit* AddBox(QFormLayout& form, int id, const char* label);
    void ShowTransponder();
    void OnTransponderChanged(int index);
    void OnTransponderList();
    // The PID and ID fields in the order of the boxes.
    std::array<uint16_t*, kPidBoxes> PidFields();

    const zev::ChannelDatabase& db_;
    zev::ChannelEntry record_;
    UiPrompts& prompts_;
    RecordDialogs* records_;

    QLineEdit* name_ = nullptr;
    QComboBox* tpNumber_ = nullptr;
    QLineEdit* satellite_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QLineEdit* polarisation_ = nullptr;
    QLineEdit* symbolRate_ = nullptr;
    QLineEdit* transId_ = nullptr;
    std::array<QLineEdit*, kPidBoxes> pids_{};
};
