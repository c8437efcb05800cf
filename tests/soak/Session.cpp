#include "Session.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "Dice.h"
#include "Input.h"
#include "StartingImages.h"
#include "app/CCheckReportDlg.h"
#include "app/CDatabaseCommands.h"
#include "app/CMainFrame.h"
#include "app/CZevApp.h"
#include "app/CZevDoc.h"
#include "app/CZevView.h"
#include "app/CheckReportModel.h"
#include "app/CommandTable.h"
#include "app/DataFileState.h"
#include "app/ReceiverController.h"
#include "app/ViewState.h"
#include "core/FileName.h"
#include "database/ChannelDatabase.h"
#include "formats/ParameterImage.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"

namespace soak {
namespace {

constexpr int kRunTimeoutMs = 60000;

// Events the action left posted, objects it deleted later: handled before the checks look.
void Flush() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int AnyRow(Dice& dice, const ListControl& list) {
    return static_cast<int>(dice.Below(static_cast<std::size_t>(list.RowCount())));
}

// A filter text a person would type: part of a channel's name, a number the list shows, or
// something nothing matches.
QString FilterText(Dice& dice, const CZuzeListViewView& list) {
    const std::size_t roll = dice.Below(100);
    if (list.RowCount() > 0 && roll < 60) {
        const QString name = list.CellText(AnyRow(dice, list), 1);
        if (!name.isEmpty()) {
            const int from = static_cast<int>(dice.Below(static_cast<std::size_t>(name.size())));
            return name.mid(from, dice.Between(1, 4));
        }
    }
    if (list.RowCount() > 0 && roll < 85) {
        // A PID, an ID or the frequency, as the row shows it.
        return list.CellText(AnyRow(dice, list), dice.Percent(30) ? 4 : dice.Between(7, 14));
    }
    const std::vector<QString> odd = {"qqq", "€", "0", " ", "1"};
    return dice.Pick(odd);
}

bool IsImageName(const QString& name) {
    return name.endsWith(".stc") || name.endsWith(".def") || name.endsWith(".all");
}

std::vector<std::pair<QString, QByteArray>> ImageFiles() {
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir dir = QDir::current();
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (!IsImageName(name)) continue;
        QFile file(dir.filePath(name));
        files.emplace_back(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

}  // namespace

Session::Session(uint64_t runSeed) : runSeed_(runSeed) {}

Session::~Session() {
    prompts_.SetDice(nullptr);
    fresh_.reset();
    app_.reset();
    if (!previousDir_.isEmpty()) QDir::setCurrent(previousDir_);
}

zev::Result<void, std::string> Session::Start() {
    if (!dir_.isValid()) return zev::Failure(std::string("no temporary folder"));
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    if (auto written = WriteStartingImages(runSeed_, dir_.path()); !written) return written;
    app_ = std::make_unique<CZevApp>(prompts_);
    // Started as a file manager starts it on an image, so that the first actions have channels
    // to work on; undo goes back to the empty list.
    if (!app_->Start({"--simulate", "--open", QDir(dir_.path()).filePath("start.stc")})) {
        return zev::Failure(std::string("the program did not start against the simulator"));
    }
    prompts_.Attach(app_->Database(), app_->Doc().Changes());
    fresh_ = std::make_unique<CZuzeListViewView>(app_->Database(), false, prompts_);
    Frame().show();
    if (!QTest::qWaitForWindowExposed(&Frame())) {
        return zev::Failure(std::string("the main window was not shown"));
    }
    history_.Remember(app_->Doc().Changes().History(), DatabaseHash(app_->Database()));
    return {};
}

CMainFrame& Session::Frame() { return app_->Frame(); }

CZuzeListViewView& Session::EnsureList(Dice& dice) {
    if (!app_->View().ListShown()) {
        Frame().Execute(cmd::TvChannelList);
        if (dice.Percent(35)) Frame().Execute(cmd::RadioChannelList);
    }
    return *Frame().ListView();
}

void Session::SelectRows(Dice& dice, CZuzeListViewView& list) {
    if (list.RowCount() == 0 || dice.Percent(8)) {
        input::ClickBesideRows(list);
        return;
    }
    input::Click(list, AnyRow(dice, list));
    for (int more = dice.Between(0, 2); more > 0; --more) {
        input::Click(list, AnyRow(dice, list),
                     dice.Percent(60) ? Qt::ControlModifier : Qt::ShiftModifier);
    }
}

void Session::Popup(CZuzeListViewView& list, int command) {
    for (QAction* action : list.PopupMenu().actions()) {
        if (action->data().toInt() == command) {
            action->trigger();
            return;
        }
    }
}

std::vector<std::string> Session::Play(const Action& action) {
    Dice dice(action.seed);
    zev::ChannelDatabase& db = app_->Database();
    DatabaseChanges& changes = app_->Doc().Changes();
    const uint64_t hashBefore = DatabaseHash(db);
    const uint64_t besideDefaultsBefore = HashBesideDefaultCounts(db);
    const DanglingCount danglingBefore = CountDangling(db);
    const bool movePending = Frame().ListView() != nullptr && Frame().ListView()->MovePending();
    std::vector<std::pair<QString, QByteArray>> imagesBefore;
    if (action.kind == ActionKind::Save) imagesBefore = ImageFiles();

    prompts_.SetDice(&dice);
    std::vector<std::string> findings;
    switch (action.kind) {
        case ActionKind::ShowView:
            ShowView(dice);
            break;
        case ActionKind::Select:
            SelectRows(dice, EnsureList(dice));
            break;
        case ActionKind::Edit:
            EditChannel(dice);
            break;
        case ActionKind::New: {
            CZuzeListViewView& list = EnsureList(dice);
            if (dice.Percent(60)) SelectRows(dice, list);
            Popup(list, CZuzeListViewView::kNewChannel);
            break;
        }
        case ActionKind::Move:
            MoveChannels(dice);
            break;
        case ActionKind::Delete: {
            CZuzeListViewView& list = EnsureList(dice);
            if (dice.Percent(90)) SelectRows(dice, list);
            Popup(list, CZuzeListViewView::kDeleteChannel);
            break;
        }
        case ActionKind::Drag:
            DragChannels(dice);
            break;
        case ActionKind::Filter:
            Filter(dice);
            break;
        case ActionKind::Satellites:
        case ActionKind::Transponders: {
            const bool satellites = action.kind == ActionKind::Satellites;
            CZuzeListViewView& list = EnsureList(dice);
            if (dice.Percent(35)) {
                Popup(list, satellites ? CZuzeListViewView::kSatelliteList
                                       : CZuzeListViewView::kTransponderList);
            } else {
                Frame().Execute(satellites ? cmd::SatelliteList : cmd::TransponderList);
            }
            break;
        }
        case ActionKind::Undo:
        case ActionKind::Redo:
            if (dice.Percent(80)) EnsureList(dice);
            for (int times = dice.Between(1, 3); times > 0; --times) {
                Frame().Execute(action.kind == ActionKind::Undo ? cmd::EditUndo : cmd::EditRedo);
            }
            break;
        case ActionKind::Save:
            if (dice.Percent(70)) EnsureList(dice);
            Frame().Execute(dice.Percent(60) ? cmd::FileSave : cmd::FileSaveAs);
            break;
        case ActionKind::Open:
            if (dice.Percent(70)) EnsureList(dice);
            Frame().Execute(cmd::FileOpen);
            break;
        case ActionKind::Check:
            Check(dice);
            break;
        case ActionKind::Compare:
            Frame().Execute(cmd::CompareWithFile);
            break;
        case ActionKind::Export:
            Frame().Execute(cmd::ExportList);
            break;
        case ActionKind::Load:
            Frame().Execute(dice.Percent(80) ? cmd::LoadSettingFromBox : cmd::VerifyBoxSettings);
            if (!WaitForIdle()) findings.push_back("receiver: a load did not end" + TerminalTail());
            break;
        case ActionKind::Send:
            // Now and then the box's settings are saved before the send, or no longer.
            if (dice.Percent(15)) Frame().Execute(cmd::BackupBeforeSend);
            Frame().Execute(cmd::SendSettingToBox);
            // The terminal reads the box's answers only while it is shown.
            if (app_->View().ListShown()) Frame().Execute(cmd::EditText);
            if (!WaitForIdle()) findings.push_back("receiver: a send did not end" + TerminalTail());
            break;
    }
    Flush();
    // Paints every part of the window as it is now.
    Frame().grab();
    prompts_.SetDice(nullptr);

    SoakPrompts::Notes notes = prompts_.TakeNotes();
    findings.insert(findings.end(), notes.findings.begin(), notes.findings.end());
    if (DatabaseHash(db) != hashBefore) ++changes_;
    const zev::DatabaseHeader& h = db.header;
    const ViewState& view = app_->View();
    trace_ = std::string(view.ListShown() ? (view.TvListShown() ? "tv" : "radio") : "terminal") +
             " rows " + std::to_string(Frame().ListView() ? Frame().ListView()->RowCount() : 0) +
             " sat " + std::to_string(h.SatCount) + " tp " + std::to_string(h.TpCount) + " tv " +
             std::to_string(h.TvCount) + " radio " + std::to_string(h.RadioCount) + " steps " +
             std::to_string(changes.History().UndoCount()) + " \"" +
             changes.History().UndoName().English() + "\"";
    if (app_->Doc().PortConnected()) trace_ += " port open";
    if (action.kind == ActionKind::Load || action.kind == ActionKind::Send) {
        trace_ +=
            " terminal: " + Frame().Terminal().toPlainText().right(200).simplified().toStdString();
    }
    if (Frame().ListView() != nullptr && Frame().ListView()->Filtered()) {
        trace_ += " filter \"" + Frame().ListView()->FilterText().toStdString() + "\"";
    }
    for (const QString& message : notes.messages) {
        trace_ += " | " + message.simplified().left(60).toStdString();
    }

    const bool readsOnly = action.kind == ActionKind::ShowView ||
                           action.kind == ActionKind::Filter || action.kind == ActionKind::Save ||
                           action.kind == ActionKind::Check || action.kind == ActionKind::Compare ||
                           action.kind == ActionKind::Export ||
                           (action.kind == ActionKind::Select && !movePending);
    if (readsOnly && DatabaseHash(db) != hashBefore) {
        findings.push_back(std::string("unchanged database: ") + KindName(action.kind) +
                           " changed the channel database");
    }
    if (action.kind == ActionKind::Send && HashBesideDefaultCounts(db) != besideDefaultsBefore) {
        findings.push_back("unchanged database: Send changed more than the default counts");
    }

    const bool replaces = action.kind == ActionKind::Open || action.kind == ActionKind::Load ||
                          action.kind == ActionKind::Undo || action.kind == ActionKind::Redo;
    const DanglingCount dangling = CountDangling(db);
    const auto allowed = static_cast<std::size_t>(notes.danglingAllowed);
    if (!replaces && (dangling.transponders > danglingBefore.transponders + allowed ||
                      dangling.channels > danglingBefore.channels + allowed)) {
        findings.push_back("references: " + std::to_string(dangling.transponders) +
                           " transponders and " + std::to_string(dangling.channels) +
                           " channels name no record, where " +
                           std::to_string(danglingBefore.transponders) + " and " +
                           std::to_string(danglingBefore.channels) + " did before");
    }

    if (app_->View().ListShown() && Frame().ListView() != nullptr) {
        const QString box = Frame().ListPane()->FilterBox().text();
        if (auto difference = CompareRows(*Frame().ListView(), app_->View(), box, *fresh_)) {
            findings.push_back(*difference);
        }
    }

    if (action.kind == ActionKind::Save) CheckWrittenImages(imagesBefore, findings);

    zev::DatabaseHistory& history = changes.History();
    if (action.kind == ActionKind::Send) {
        // A send may write the default counts into the header, taken as they are (no step).
        if (auto finding = history_.Relearn(history, db)) findings.push_back(*finding);
    } else if (auto finding = history_.UndoEverything(history, db)) {
        findings.push_back(*finding);
    }
    history_.Remember(history, DatabaseHash(db));
    return findings;
}

void Session::ShowView(Dice& dice) {
    const std::size_t roll = dice.Below(100);
    if (roll < 25) {
        Frame().Execute(cmd::EditText);
    } else if (roll < 50) {
        Frame().Execute(cmd::TvChannelList);
    } else if (roll < 75) {
        Frame().Execute(cmd::TvChannelList);
        Frame().Execute(cmd::RadioChannelList);
    } else {
        EnsureList(dice);
        Frame().Execute(cmd::ToggleHexMode);
    }
}

void Session::EditChannel(Dice& dice) {
    CZuzeListViewView& list = EnsureList(dice);
    if (dice.Percent(50)) SelectRows(dice, list);
    if (list.RowCount() > 0 && dice.Percent(50)) {
        input::DoubleClick(list, AnyRow(dice, list));
    } else {
        Popup(list, CZuzeListViewView::kEditChannel);
    }
}

void Session::MoveChannels(Dice& dice) {
    CZuzeListViewView& list = EnsureList(dice);
    if (dice.Percent(85)) SelectRows(dice, list);
    Popup(list, CZuzeListViewView::kMoveChannel);
    if (!list.MovePending()) return;
    const std::size_t roll = dice.Below(100);
    if (roll < 70 && list.RowCount() > 0) {
        input::Click(list, AnyRow(dice, list));  // the target row
    } else if (roll < 80) {
        input::ClickBesideRows(list);
    } else if (roll < 90) {
        QTest::keyClick(&list, Qt::Key_Escape);
    }
    // Otherwise the move waits for the next click, whatever action makes it.
}

void Session::DragChannels(Dice& dice) {
    CZuzeListViewView& list = EnsureList(dice);
    if (list.RowCount() == 0) return;
    input::Click(list, AnyRow(dice, list));
    if (dice.Percent(40)) input::Click(list, AnyRow(dice, list), Qt::ControlModifier);
    // The press that begins the drag is on a selected row, so that all of them move.
    const int from = std::max(list.FirstSelectedRow(), 0);
    const int to = AnyRow(dice, list);
    if (dice.Percent(15)) {
        input::Drag(list, from, to, dice.Percent(50) ? input::Hold::Above : input::Hold::Below,
                    dice.Between(1, 3), dice.Percent(50));
    } else {
        input::Drag(list, from, to);
    }
}

void Session::Filter(Dice& dice) {
    CZuzeListViewView& list = EnsureList(dice);
    QLineEdit& box = Frame().ListPane()->FilterBox();
    const std::size_t roll = dice.Below(100);
    if (roll < 20) {
        Frame().Execute(cmd::EditFind);
        QTest::keyClick(&box, Qt::Key_Escape);
    } else if (roll < 35) {
        QTest::keyClick(&list, Qt::Key_Escape);
    } else {
        // Ctrl+F selects the box's text, so the typing replaces it.
        Frame().Execute(cmd::EditFind);
        input::Type(box, FilterText(dice, list));
        if (dice.Percent(20)) QTest::keyClick(&box, Qt::Key_Backspace);
    }
}

void Session::Check(Dice& dice) {
    Frame().Execute(cmd::CheckDatabase);
    CCheckReportDlg* report = Frame().DatabaseCommands().Report();
    if (report == nullptr) return;
    const std::size_t roll = dice.Below(100);
    const int findings = report->Model().rowCount();
    if (roll < 35 && findings > 0) {
        // A double click on a finding points the list at its channel.
        QTreeView& tree = report->Findings();
        const QModelIndex index = report->Model().index(
            static_cast<int>(dice.Below(static_cast<std::size_t>(findings))), 0);
        tree.scrollTo(index);
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier,
                           tree.visualRect(index).center());
    } else if (roll < 55) {
        report->SelectDuplicatesButton().click();
    } else if (roll < 65) {
        // The person comes back to the report after changing the list.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(report, &activate);
    } else if (roll < 80) {
        report->close();
    }
}

std::string Session::TerminalTail() {
    const QString text = Frame().Terminal().toPlainText().right(300).simplified();
    return " within a minute; the terminal ends: " + text.toStdString();
}

bool Session::WaitForIdle() {
    ReceiverController& receiver = Frame().Receiver();
    const auto idle = [&receiver] { return receiver.Session().Mode() == zev::ProtocolMode::Idle; };
    QTimer limit;
    limit.setSingleShot(true);
    limit.start(kRunTimeoutMs);
    for (;;) {
        if (!idle()) {
            QEventLoop loop;
            QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
            QObject::connect(&receiver, &ReceiverController::StateChanged, &loop, [&] {
                if (idle()) loop.quit();
            });
            loop.exec();
            if (!idle()) return false;
        }
        // A run may start the next one later (a send after the backup load before it).
        Flush();
        if (idle()) return true;
        if (!limit.isActive()) return false;
    }
}

void Session::CheckWrittenImages(const std::vector<std::pair<QString, QByteArray>>& before,
                                 std::vector<std::string>& findings) {
    const zev::ChannelDatabase& db = app_->Database();
    for (const auto& [name, bytes] : ImageFiles()) {
        const auto old = std::find_if(before.begin(), before.end(),
                                      [&name](const auto& file) { return file.first == name; });
        if (old != before.end() && old->second == bytes) continue;
        const std::optional<zev::ImageKind> kind =
            ImageKindOfExtension(zev::FileExtension(name.toStdString()));
        if (!kind) continue;
        std::vector<uint8_t> image(zev::kOutputImageSize);
        const zev::ImageResult packed = zev::PackImage(db, *kind, image);
        const auto size = static_cast<qsizetype>(zev::ImageSize(db.header, *kind));
        if (!packed.ok) {
            findings.push_back("saved files: " + name.toStdString() +
                               " was written although the channels do not fit its image");
        } else if (bytes.size() < size ||
                   QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()), size) !=
                       bytes.left(size)) {
            findings.push_back("saved files: " + name.toStdString() +
                               " does not hold the channels as they are");
        }
    }
}

}  // namespace soak
