#include "app/CLineMonitorWnd.h"

#include <QCloseEvent>
#include <QColor>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/FileReplacement.h"
#include "link/LineDumpText.h"
#include "link/LineLog.h"
#include "link/LineMonitorModel.h"
#include "link/SerialLink.h"
#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

namespace {

// Sent bytes in blue, received ones in green.
class DirectionColours : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::ForegroundRole) return QIdentityProxyModel::data(index, role);
        const QVariant direction =
            QIdentityProxyModel::data(index, zev::LineMonitorModel::DirectionRole);
        if (!direction.isValid()) return QColor(Qt::gray);
        return direction.toInt() == static_cast<int>(zev::LineDirection::Sent)
                   ? QColor(0x1f, 0x4f, 0xbf)
                   : QColor(0x1a, 0x7f, 0x37);
    }
};

QString MiB(std::size_t bytes) {
    return QString::number(static_cast<double>(bytes) / (1 << 20), 'f', 1);
}

}  // namespace

CLineMonitorWnd::CLineMonitorWnd(zev::SerialLink& link, UiPrompts& prompts, QWidget* parent)
    : QDockWidget(tr("Line Monitor"), parent),
      link_(link),
      prompts_(prompts),
      log_(std::make_unique<zev::LineLog>()) {
    setObjectName(QStringLiteral("LineMonitor"));
    model_ = new zev::LineMonitorModel(*log_, this);
    auto* colours = new DirectionColours(this);
    colours->setSourceModel(model_);

    table_ = new QTableView;
    table_->setModel(colours);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    table_->setFont(fixed);
    table_->setShowGrid(false);
    table_->setWordWrap(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows of one height and columns of fixed width: the view never measures the rows.
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(fixed).height() + 2);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setStretchLastSection(true);
    const QFontMetrics metrics(fixed);
    const auto width = [&metrics](int characters) {
        return metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + 12;
    };
    // Wide enough for the cells and for the heading, which may be longer in another language.
    const auto fit = [this, columns, &width](int column, int characters) {
        table_->setColumnWidth(column,
                               std::max(width(characters), columns->sectionSizeHint(column)));
    };
    fit(zev::LineMonitorModel::TimeColumn, 12);
    fit(zev::LineMonitorModel::DirectionColumn, 2);
    fit(zev::LineMonitorModel::HexColumn, 47);
    fit(zev::LineMonitorModel::TextColumn, 16);

    pauseButton_ = new QPushButton(tr("Pause"));
    pauseButton_->setCheckable(true);
    connect(pauseButton_, &QPushButton::toggled, this, &CLineMonitorWnd::SetPaused);
    searchField_ = new QLineEdit;
    searchField_->setPlaceholderText(tr("Find bytes (02 16 03) or text"));
    searchField_->setAccessibleName(tr("Find"));
    auto* findButton = new QPushButton(tr("Find Next"));
    const auto find = [this] { FindNext(searchField_->text()); };
    connect(searchField_, &QLineEdit::returnPressed, this, find);
    connect(findButton, &QPushButton::clicked, this, find);
    auto* saveButton = new QPushButton(tr("Save As..."));
    connect(saveButton, &QPushButton::clicked, this, &CLineMonitorWnd::OnSaveAs);
    auto* clearButton = new QPushButton(tr("Clear"));
    connect(clearButton, &QPushButton::clicked, this, &CLineMonitorWnd::Clear);
    status_ = new QLabel;
    status_->setWordWrap(true);

    // Two rows of controls, so that the window can be as narrow as a third of the main window:
    // the search, then the buttons that act on the whole record.
    auto* search = new QHBoxLayout;
    search->addWidget(searchField_, 1);
    search->addWidget(findButton);
    auto* controls = new QHBoxLayout;
    controls->addWidget(pauseButton_);
    controls->addStretch();
    controls->addWidget(saveButton);
    controls->addWidget(clearButton);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(search);
    layout->addLayout(controls);
    layout->addWidget(table_, 1);
    layout->addWidget(status_);
    setWidget(body);

    refresh_ = new QTimer(this);
    connect(refresh_, &QTimer::timeout, this, &CLineMonitorWnd::Refresh);
    ShowCounts();
}

CLineMonitorWnd::~CLineMonitorWnd() { link_.RemoveTap(log_.get()); }

int CLineMonitorWnd::PreferredWidth() const {
    int columns = 0;
    for (int column = 0; column < zev::LineMonitorModel::ColumnCount; ++column) {
        columns += table_->columnWidth(column);
    }
    // The last column stretches: give it its text, the scroll bar and the frames their room.
    return columns + table_->verticalScrollBar()->sizeHint().width() + 32;
}

void CLineMonitorWnd::Open() {
    if (!listening_) {
        link_.AddTap(log_.get());
        listening_ = true;
    }
    if (!Paused()) refresh_->start(kRefreshMs);
    show();
    raise();
}

void CLineMonitorWnd::closeEvent(QCloseEvent* event) {
    link_.RemoveTap(log_.get());
    listening_ = false;
    refresh_->stop();
    QDockWidget::closeEvent(event);
    emit Closed();
}

void CLineMonitorWnd::SetPaused(bool paused) {
    if (pauseButton_->isChecked() != paused) pauseButton_->setChecked(paused);
    pauseButton_->setText(paused ? tr("Resume") : tr("Pause"));
    if (paused) {
        refresh_->stop();
    } else if (listening_) {
        Refresh();
        refresh_->start(kRefreshMs);
    }
}

bool CLineMonitorWnd::Paused() const { return pauseButton_->isChecked(); }

void CLineMonitorWnd::Refresh() {
    QScrollBar* scroll = table_->verticalScrollBar();
    const bool following = scroll->value() == scroll->maximum();
    model_->Sync();
    if (following) table_->scrollToBottom();
    ShowCounts();
}

void CLineMonitorWnd::ShowCounts() {
    QString text = tr("%1 pieces, %2 bytes (at most %3 MiB)")
                       .arg(log_->ChunksHeld())
                       .arg(log_->BytesHeld())
                       .arg(MiB(zev::LineLog::kDefaultByteCapacity));
    if (log_->DroppedBytes() > 0) {
        text += tr("; %1 older bytes dropped").arg(log_->DroppedBytes());
    }
    if (Paused()) text += tr("; paused");
    status_->setText(text);
}

bool CLineMonitorWnd::FindNext(const QString& query) {
    const QModelIndex current = table_->currentIndex();
    const int from = current.isValid() ? current.row() + 1 : 0;
    const std::optional<int> row = model_->FindNext(query, from);
    if (!row) {
        status_->setText(tr("Not found: %1").arg(query));
        return false;
    }
    const QModelIndex index = table_->model()->index(*row, zev::LineMonitorModel::HexColumn);
    table_->setCurrentIndex(index);
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void CLineMonitorWnd::Clear() {
    log_->Clear();
    model_->Sync();
    ShowCounts();
}

void CLineMonitorWnd::OnSaveAs() {
    const std::optional<QString> path = prompts_.SaveFileName(
        tr("Save Line Monitor"), tr("txt files (*.txt);;All Files (*.*)"), QStringLiteral("txt"));
    if (path) SaveAs(*path);
}

bool CLineMonitorWnd::SaveAs(const QString& path) {
    zev::FileReplacement file(QFile::encodeName(path).toStdString());
    zev::FileError error;
    bool ok = file.Begin(error);
    std::vector<uint8_t> bytes;
    for (uint64_t sequence = log_->FirstSequence(); ok && sequence < log_->EndSequence();
         ++sequence) {
        const zev::LineLog::Chunk chunk = log_->ChunkAt(sequence);
        bytes.resize(chunk.size);
        log_->CopyBytes(sequence, 0, bytes);
        const std::string text = zev::DumpChunkText(chunk.direction, chunk.time, bytes, true);
        ok = file.Write({reinterpret_cast<const uint8_t*>(text.data()), text.size()}, error);
    }
    if (ok && file.Finish(error) && file.Replace(error)) return true;
    prompts_.Inform(SentenceOf(error), tr("Warning"));
    return false;
}
