// The channel list with its filter box above it. Typing in the box narrows the list to the
// channels that match; Escape clears the box and gives the list the focus, and Down or Enter
// move to the list. Beside the box, how many channels the filter shows.
#pragma once

#include <QWidget>

class CZuzeListViewView;
class QLabel;
class QLineEdit;
class QVBoxLayout;

class ChannelListPane : public QWidget {
    Q_OBJECT
  public:
    explicit ChannelListPane(QWidget* parent = nullptr);

    // Shows `view` below the box and takes it; the view gets the box's text. The view shown
    // before is deleted. Null leaves the pane without a view.
    void SetView(CZuzeListViewView* view);
    CZuzeListViewView* View() const { return view_; }
    QLineEdit& FilterBox() const { return *box_; }
    QLabel& CountLabel() const { return *count_; }
    // Ctrl+F: the box takes the focus with its text selected.
    void FocusFilter();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowCount(int shown, int total);

    QVBoxLayout* layout_;
    QLineEdit* box_;
    QLabel* count_;
    CZuzeListViewView* view_ = nullptr;
};
