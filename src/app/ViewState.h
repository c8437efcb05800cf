// What the frame's client area shows (the terminal, the TV list or the radio list) and whether
// the channel list shows its numbers in hexadecimal. Commands read it for their enabling and
// for what they act on; whoever shows something else sets it.
#pragma once

#include <QObject>

enum class ShownView { Terminal, TvList, RadioList };

class ViewState : public QObject {
    Q_OBJECT
  public:
    explicit ViewState(QObject* parent = nullptr) : QObject(parent) {}

    ShownView Shown() const { return shown_; }
    bool ListShown() const { return shown_ != ShownView::Terminal; }
    bool TvListShown() const { return shown_ == ShownView::TvList; }
    // The channel list view's kind: the list shown last, TV until the radio list is shown.
    bool TvListMode() const { return tvListMode_; }
    bool HexMode() const { return hexMode_; }

    void Show(ShownView view);
    void SetHexMode(bool on);

  signals:
    // The view shown or the hex mode changed.
    void Changed();

  private:
    ShownView shown_ = ShownView::Terminal;
    bool tvListMode_ = true;
    bool hexMode_ = false;
};
