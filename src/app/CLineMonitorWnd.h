// View "Line Monitor": a window beside the terminal that shows every byte sent and received,
// each piece with its time, in hexadecimal and as text side by side, sent and received told
// apart by colour. It can be paused (the picture stands still while the bytes are still
// recorded), searched, cleared and saved as text in the form zev-cli writes with --log. It
// listens on the link only while it is open, and never changes what is sent or what the
// terminal shows. What it keeps is a LineLog of fixed size; rows are drawn only for the part
// in sight.
#pragma once

#include <QDockWidget>
#include <memory>

namespace zev {
class LineLog;
class LineMonitorModel;
class SerialLink;
}  // namespace zev

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class UiPrompts;

class CLineMonitorWnd : public QDockWidget {
    Q_OBJECT
  public:
    // How often the rows catch up with the line while the window is open and not paused.
    static constexpr int kRefreshMs = 200;

    CLineMonitorWnd(zev::SerialLink& link, UiPrompts& prompts, QWidget* parent = nullptr);
    ~CLineMonitorWnd() override;

    // Shows the window and starts listening; close() stops both.
    void Open();
    bool IsOpen() const { return listening_; }

    void SetPaused(bool paused);
    bool Paused() const;
    // Selects the next row, after the selected one, where `query` is found; false when none.
    bool FindNext(const QString& query);
    // Writes everything recorded, as text; false (after a message) when it cannot.
    bool SaveAs(const QString& path);
    void Clear();
    // Brings the rows up to date now (the timer does it every kRefreshMs).
    void Refresh();

    // Wide enough for every column without scrolling.
    int PreferredWidth() const;

    const zev::LineLog& Log() const { return *log_; }
    const zev::LineMonitorModel& Model() const { return *model_; }
    QTableView* Table() const { return table_; }

  signals:
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnSaveAs();
    void ShowCounts();

    zev::SerialLink& link_;
    UiPrompts& prompts_;
    std::unique_ptr<zev::LineLog> log_;
    zev::LineMonitorModel* model_;
    QTableView* table_;
    QPushButton* pauseButton_;
    QLineEdit* searchField_;
    QLabel* status_;
    QTimer* refresh_;
    bool listening_ = false;
};
