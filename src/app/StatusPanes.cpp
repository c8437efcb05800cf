#include "app/StatusPanes.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

namespace {

QLabel* MakePane(QStatusBar* bar, const QString& widthText, int stretch) {
    auto* label = new QLabel(bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widthText) + 8);
    bar->addPermanentWidget(label, stretch);
    return label;
}

}  // namespace

StatusPanes::StatusPanes(QStatusBar* bar) : QObject(bar) {
    panes_[Connection] = MakePane(bar, tr("Disconnect:"), 0);
    panes_[Elapsed] = MakePane(bar, "00:00:00", 0);
    panes_[PortSettings] = MakePane(bar, "0000-000000-0000-0-000", 1);
    // The list shown takes the place of the port settings, which are blank while it is shown,
    // so that the bar needs no more room than before on a small screen.
    panes_[ShownList] = MakePane(bar, tr("TV list: 0000 channels"), 1);
    panes_[ShownList]->hide();
    panes_[MessageArea] = MakePane(bar, QString(), 0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) panes_[MessageArea]->setMinimumWidth(screen->size().width() / 4);
    // Qt offers no portable way to read the lock keys' states, so these panes show their
    // names greyed out rather than a state that could be wrong.
    panes_[Caps] = MakePane(bar, tr("CAP"), 0);
    panes_[Num] = MakePane(bar, tr("NUM"), 0);
    panes_[Scroll] = MakePane(bar, tr("SCRL"), 0);
    panes_[Clock] = MakePane(bar, "00:00:00", 0);

    panes_[Connection]->setText(tr("Disconnect"));
    panes_[Elapsed]->setText("00:00:00");
    panes_[PortSettings]->setText("0000-000000-0000-0-000");
    panes_[Caps]->setText(tr("CAP"));
    panes_[Num]->setText(tr("NUM"));
    panes_[Scroll]->setText(tr("SCRL"));
    for (Pane lock : {Caps, Num, Scroll}) panes_[lock]->setEnabled(false);
    panes_[Clock]->setText("00:00:00");
    ShowPrompt(QString());

    progress_ = new QProgressBar(bar);
    progress_->setMaximumWidth(160);
    progress_->setFormat("%v/%m");
    progress_->setAccessibleName(tr("Transfer progress"));
    progress_->hide();
    // Right after the message pane, the fifth widget of the bar (the list pane is the fourth).
    bar->insertPermanentWidget(5, progress_);
}

void StatusPanes::SetText(Pane pane, const QString& text) {
    if (panes_[pane]->text() != text) panes_[pane]->setText(text);
}

QString StatusPanes::Text(Pane pane) const { return panes_[pane]->text(); }

void StatusPanes::ShowPrompt(const QString& prompt) {
    prompt_ = prompt;
    if (!prompt.isEmpty()) {
        SetText(MessageArea, prompt);
    } else {
        SetText(MessageArea, resting_.isEmpty() ? tr("Ready") : resting_);
    }
}

void StatusPanes::ShowMessage(const QString& message) {
    resting_ = message;
    // On a narrow screen the pane may cut a long message: the whole of it is its tool tip.
    panes_[MessageArea]->setToolTip(message);
    // A message answers what the person just did: it shows now, over a menu prompt too.
    prompt_.clear();
    ShowPrompt(prompt_);
}

void StatusPanes::SetNotice(const QString& notice) {
    resting_ = notice;
    ShowPrompt(prompt_);
}

void StatusPanes::SetShownList(const QString& text) {
    SetText(ShownList, text);
    panes_[ShownList]->setVisible(!text.isEmpty());
    panes_[PortSettings]->setVisible(text.isEmpty());
}

void StatusPanes::ShowProgress(unsigned done, unsigned total) {
    if (total == 0) {
        progress_->hide();
        return;
    }
    progress_->setRange(0, static_cast<int>(total));
    progress_->setValue(static_cast<int>(std::min(done, total)));
    progress_->show();
}
