// Every window and dialog of the program as a screen reader meets it, through Qt's
// accessibility interface: every control has a name, and the lists tell their rows and
// columns.
//
// A new dialog is covered by one entry in kWindows: how a person gets to it.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "app/CCheckReportDlg.h"
#include "app/CDatabaseCommands.h"
#include "app/CommandTable.h"
#include "editing/SampleDatabase.h"
#include "lists/CZuzeListViewView.h"
#include "lists/ChannelListPane.h"
#include "satellites/RecordListDlg.h"

namespace {

// What a person reads, types in, chooses from or presses. Containers, labels and the cells of
// a list are left out: a list's cells are named by what they show.
bool IsControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::Dial:
        case QAccessible::ButtonDropDown:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropGrid:
        case QAccessible::PageTab:
        case QAccessible::HotkeyField:
        case QAccessible::Link:
        case QAccessible::MenuItem:
        case QAccessible::ProgressBar:
        case QAccessible::List:
        case QAccessible::Table:
        case QAccessible::Tree:
            return true;
        default:
            return false;
    }
}

bool IsList(QAccessible::Role role) {
    return role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree;
}

// "QComboBox 1010 in COM Setup": the control's class and objectName, and the named widgets
// around it.
QString Describe(const QObject* object) {
    if (object == nullptr) return QStringLiteral("(no object)");
    QString text = QString::fromLatin1(object->metaObject()->className());
    if (!object->objectName().isEmpty()) text += QLatin1Char(' ') + object->objectName();
    QStringList outer;
    for (const QObject* parent = object->parent(); parent != nullptr; parent = parent->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(parent);
        if (widget == nullptr) continue;
        if (widget->isWindow()) break;
        if (!parent->objectName().isEmpty()) outer << parent->objectName();
    }
    if (!outer.isEmpty()) text += QStringLiteral(" in ") + outer.join(QStringLiteral(" in "));
    return text;
}

// What a screen reader says a control is. A combo box's name is its value on Linux: what it
// is comes from the label it is related to, as Qt relates a label to its buddy.
QString NameOf(QAccessibleInterface& node) {
    if (node.role() != QAccessible::ComboBox) return node.text(QAccessible::Name);
    for (const auto& [label, relation] : node.relations(QAccessible::Label)) {
        const QString text = label->text(QAccessible::Name);
        if (!text.isEmpty()) return text;
    }
    return QString();
}

// Every control shown under `node` whose name is empty.
void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed) {
    if (node == nullptr || node->state().invisible) return;
    if (IsControl(node->role()) && NameOf(*node).trimmed().isEmpty()) {
        unnamed << Describe(node->object());
    }
    if (IsList(node->role())) return;
    for (int i = 0; i < node->childCount(); ++i) CollectUnnamed(node->child(i), unnamed);
}

// The rows a view shows, top to bottom: in a tree the expanded branches too.
QModelIndexList ShownRows(const QAbstractItemView& view) {
    QModelIndexList rows;
    const QAbstractItemModel& model = *view.model();
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    if (tree == nullptr) {
        for (int r = 0; r < model.rowCount(); ++r) rows << model.index(r, 0);
        return rows;
    }
    for (QModelIndex row = model.index(0, 0); row.isValid(); row = tree->indexBelow(row)) {
        rows << row;
    }
    return rows;
}

// The list's table as assistive tools read it equals what the view shows: its rows, its
// columns with their headings, and every cell's text.
void ExpectTableShowsView(QAbstractItemView& view, int expectedRows) {
    SCOPED_TRACE(view.accessibleName().toStdString());
    // The view lays out a changed model when its events are processed, as on screen.
    QCoreApplication::processEvents();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(list, nullptr);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel& model = *view.model();
    const QModelIndexList rows = ShownRows(view);
    ASSERT_EQ(rows.size(), expectedRows);
    ASSERT_EQ(table->rowCount(), expectedRows);
    ASSERT_EQ(table->columnCount(), model.columnCount());
    for (int c = 0; c < model.columnCount(); ++c) {
        if (qobject_cast<QListView*>(&view) == nullptr) {
            EXPECT_EQ(table->columnDescription(c), model.headerData(c, Qt::Horizontal).toString());
        }
        for (int r = 0; r < expectedRows; ++r) {
            QAccessibleInterface* cell = table->cellAt(r, c);
            ASSERT_NE(cell, nullptr) << "row " << r << " column " << c;
            EXPECT_EQ(cell->text(QAccessible::Name).toStdString(),
                      rows[r].siblingAtColumn(c).data().toString().toStdString())
                << "row " << r << " column " << c;
        }
    }
}

// What a screen reader reads as the widget's name or description.
std::string Read(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    if (node == nullptr) return "(no interface)";
    return (text == QAccessible::Name ? NameOf(*node) : node->text(text)).toStdString();
}

// The mnemonic letter of a caption ("Save &As..." -> 'a'), or a null character.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;  // "&&" is an ampersand shown as it is
    }
    return QChar();
}

// The captions among `captions` whose mnemonic another one has too.
QStringList MnemonicClashes(const QStringList& captions) {
    QMap<QChar, QStringList> byLetter;
    for (const QString& caption : captions) {
        const QChar letter = Mnemonic(caption);
        if (!letter.isNull()) byLetter[letter] << caption;
    }
    QStringList clashes;
    for (const QStringList& same : byLetter) {
        if (same.size() > 1) clashes << same.join(QStringLiteral(" / "));
    }
    return clashes;
}

// Each group of captions whose mnemonics Alt or a menu's letter tell apart: the menu bar,
// each menu, and the buttons and labels of a window.
std::vector<QStringList> MnemonicGroups(QWidget& window) {
    std::vector<QStringList> groups;
    auto captionsOf = [](const QList<QAction*>& actions) {
        QStringList captions;
        for (const QAction* action : actions) {
            if (action->isVisible() && !action->isSeparator()) captions << action->text();
        }
        return captions;
    };
    for (QMenuBar* bar : window.findChildren<QMenuBar*>())
        groups.push_back(captionsOf(bar->actions()));
    for (QMenu* menu : window.findChildren<QMenu*>()) groups.push_back(captionsOf(menu->actions()));
    QStringList controls;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible()) controls << button->text();
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && label->buddy() != nullptr) controls << label->text();
    }
    groups.push_back(controls);
    return groups;
}

class AccessibilityTest : public GuiFixture {
  public:
    using GuiFixture::Frame;
    using GuiFixture::Path;
    using GuiFixture::prompts_;
    using GuiFixture::Receiver;
    using GuiFixture::WriteFile;

    // Starts the program with the sample database open and the TV channel list shown.
    void StartWithSample() {
        StartApp();
        WriteFile(Path("sample.stc"), ImageOf(*zev::testing::SampleDatabase()));
        prompts_.fileNames = {Path("sample.stc")};
        Frame().Execute(cmd::FileOpen);
        Frame().show();
    }

    // Walks `window` through its accessibility interface and records what it holds unnamed.
    void Inspect(QWidget& window) {
        inspected_ << QString::fromLatin1(window.metaObject()->className());
        QStringList unnamed;
        CollectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed);
        for (const QString& control : unnamed) {
            ADD_FAILURE() << window.windowTitle().toStdString() << ": " << control.toStdString()
                          << " has no accessible name";
        }
        if (!checkMnemonics_) return;
        for (const QStringList& group : MnemonicGroups(window)) {
            for (const QString& clash : MnemonicClashes(group)) {
                ADD_FAILURE() << window.windowTitle().toStdString() << ": " << clash.toStdString()
                              << " share a mnemonic";
            }
        }
    }

    // The next dialog the program runs is shown as the program shows it, inspected, and
    // closed after `then` (which may open the next dialog from it).
    void InspectNextDialog(std::function<void(QDialog&)> then = {}) {
        prompts_.dialogScripts.push_back([this, then](QDialog& dialog) {
            dialog.show();
            Inspect(dialog);
            if (then) then(dialog);
            dialog.hide();
            return static_cast<int>(QDialog::Rejected);
        });
    }

    // Selects the record list's first row and presses a button of the dialog.
    static void OnFirstRecordPress(QDialog& dialog, const char* button) {
        auto& records = dynamic_cast<RecordListDlg&>(dialog);
        record_list::SelectRow(records.List(), 0);
        dialog.findChild<QPushButton*>(button)->click();
    }

    QStringList inspected_;
    bool checkMnemonics_ = false;
};

struct ProgramWindow {
    const char* id;         // the test's name
    const char* className;  // the window's class, which the test must have reached
    std::function<void(AccessibilityTest&)> open;
};

void PrintTo(const ProgramWindow& window, std::ostream* out) { *out << window.id; }

const ProgramWindow kWindows[] = {
    {"MainWindowWithChannelList", "CMainFrame",
     [](AccessibilityTest& t) {
         // Too narrow for the toolbar, whose last buttons go behind its extension button,
         // and with the filter box's clear button shown.
         t.Frame().resize(360, 480);
         t.Frame().ListPane()->FilterBox().setText("R");
         QCoreApplication::processEvents();
         t.Inspect(t.Frame());
     }},
    {"MainWindowWithTerminalAndLineMonitor", "CMainFrame",
     [](AccessibilityTest& t) {
         t.Frame().Execute(cmd::EditText);
         t.Frame().Execute(cmd::LineMonitor);
         t.Receiver().TransferProgress(2, 5);
         t.Inspect(t.Frame());
     }},
    {"ChannelEdit", "CChannelEditDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().ListView()->EditRow(0);
     }},
    {"TransponderPick", "CTransponderPickDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog([](QDialog& edit) { edit.findChild<QPushButton*>("1025")->click(); });
         t.InspectNextDialog();
         t.Frame().ListView()->EditRow(0);
     }},
    {"SatelliteList", "CSatelliteListDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::SatelliteList);
     }},
    {"SatelliteEdit", "CSatelliteEditDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog(
             [](QDialog& list) { AccessibilityTest::OnFirstRecordPress(list, "1030"); });
         t.InspectNextDialog();
         t.Frame().Execute(cmd::SatelliteList);
     }},
    {"TranspondersOfSatellite", "CSttpListDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog(
             [](QDialog& list) { AccessibilityTest::OnFirstRecordPress(list, "1025"); });
         t.InspectNextDialog();
         t.Frame().Execute(cmd::SatelliteList);
     }},
    {"TransponderList", "CTransponderListDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::TransponderList);
     }},
    {"TransponderEdit", "CTransponderEditDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog(
             [](QDialog& list) { AccessibilityTest::OnFirstRecordPress(list, "1030"); });
         t.InspectNextDialog();
         t.Frame().Execute(cmd::TransponderList);
     }},
    {"ChannelsOfTransponder", "CTpchListDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog(
             [](QDialog& list) { AccessibilityTest::OnFirstRecordPress(list, "1011"); });
         t.InspectNextDialog();
         t.Frame().Execute(cmd::TransponderList);
     }},
    {"ComSetting", "CComSettingDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::ComSetup);
     }},
    {"SettingFlash", "CFlashSettingDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::FlashSelect);
     }},
    {"About", "CAboutDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::AppAbout);
     }},
    {"CheckReport", "CCheckReportDlg",
     [](AccessibilityTest& t) {
         t.Frame().Execute(cmd::CheckDatabase);
         t.Inspect(*t.Frame().DatabaseCommands().Report());
     }},
    {"CompareWindow", "CCompareDlg",
     [](AccessibilityTest& t) {
         auto other = zev::testing::SampleDatabase();
         other->Tv(0).APID = 999;
         t.WriteFile(t.Path("other.stc"), ImageOf(*other));
         t.prompts_.fileNames = {t.Path("other.stc")};
         t.InspectNextDialog();
         t.Frame().Execute(cmd::CompareWithFile);
     }},
    {"SortChannels", "CSortChannelsDlg",
     [](AccessibilityTest& t) {
         t.InspectNextDialog();
         t.Frame().Execute(cmd::SortChannels);
     }},
    {"UpdateTransponders", "CUpdateTranspondersDlg",
     [](AccessibilityTest& t) {
         t.WriteFile(t.Path("sats.xml"),
                     "<satellites><sat name=\"ASTRA 1\" position=\"192\">"
                     "<transponder frequency=\"11778000\" "
                     "symbol_rate=\"27500000\" polarization=\"1\"/>"
                     "</sat></satellites>");
         t.prompts_.fileNames = {t.Path("sats.xml")};
         t.InspectNextDialog();
         t.Frame().Execute(cmd::UpdateTransponders);
     }},
};

class EveryWindow : public AccessibilityTest,
                    public ::testing::WithParamInterface<ProgramWindow> {};

TEST_P(EveryWindow, NamesEveryControl) {
    StartWithSample();
    GetParam().open(*this);
    EXPECT_TRUE(inspected_.contains(QLatin1String(GetParam().className)))
        << "reached " << inspected_.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<ProgramWindow>& info) {
                             return std::string(info.param.id);
                         });

// The same windows in German: every control still named, and the mnemonics of each menu and
// each window still tell its items apart.
class EveryWindowInGerman : public EveryWindow {
  protected:
    void SetUp() override {
        EveryWindow::SetUp();
        german_ =
            std::make_unique<ProgramLanguageScope>(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(german_->Found());
        checkMnemonics_ = true;
    }
    void TearDown() override {
        EveryWindow::TearDown();
        german_.reset();
    }

  private:
    std::unique_ptr<ProgramLanguageScope> german_;
};

TEST_P(EveryWindowInGerman, NamesEveryControlWithMnemonicsApart) {
    StartWithSample();
    GetParam().open(*this);
    EXPECT_TRUE(inspected_.contains(QLatin1String(GetParam().className)))
        << "reached " << inspected_.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindowInGerman, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<ProgramWindow>& info) {
                             return std::string(info.param.id);
                         });

TEST_F(AccessibilityTest, ListsTellTheirRowsAndColumns) {
    StartWithSample();
    CZuzeListViewView& channels = *Frame().ListView();
    ExpectTableShowsView(channels, 6);
    // A filter narrows what is read as it narrows what is shown.
    Frame().ListPane()->FilterBox().setText("RAI");
    ExpectTableShowsView(channels, 2);
    Frame().ListPane()->FilterBox().clear();
    Frame().Execute(cmd::RadioChannelList);
    ExpectTableShowsView(channels, 2);

    // The satellite list and the list of a satellite's transponders.
    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.show();
        auto& satellites = dynamic_cast<RecordListDlg&>(dialog);
        ExpectTableShowsView(satellites.List(), 2);
        OnFirstRecordPress(dialog, "1025");
        return static_cast<int>(QDialog::Rejected);
    });
    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.show();
        ExpectTableShowsView(*dialog.findChild<QListView*>("1011"), 2);
        return static_cast<int>(QDialog::Rejected);
    });
    Frame().Execute(cmd::SatelliteList);
    EXPECT_TRUE(prompts_.dialogScripts.empty());

    // The check report's findings, and the comparison's groups with their records.
    auto other = zev::testing::SampleDatabase();
    other->Tv(0).APID = 999;
    other->Tv(5) = other->Tv(4);
    WriteFile(Path("other.stc"), ImageOf(*other));
    prompts_.fileNames = {Path("other.stc")};
    Frame().Execute(cmd::FileOpen);
    Frame().Execute(cmd::CheckDatabase);
    QTreeView& findings = *Frame().DatabaseCommands().Report()->findChild<QTreeView*>();
    ExpectTableShowsView(findings, 1);

    WriteFile(Path("sample.stc"), ImageOf(*zev::testing::SampleDatabase()));
    prompts_.fileNames = {Path("sample.stc")};
    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.show();
        // One group with two changed channels: Das Erste's APID, and RAI 2 in the place of
        // the second RAI 1.
        ExpectTableShowsView(*dialog.findChild<QTreeView*>(), 3);
        return static_cast<int>(QDialog::Rejected);
    });
    Frame().Execute(cmd::CompareWithFile);
    EXPECT_TRUE(prompts_.dialogScripts.empty());
}

// Where Qt by itself would read something else: a drop-down list by its value instead of its
// label, the list of a dialog that shows another record each time by the record it showed
// first, a toolbar button without its status-bar prompt.
TEST_F(AccessibilityTest, ControlsAreReadByWhatTheWindowShowsForThem) {
    StartWithSample();
    EXPECT_EQ(Read(Frame().ListView()), "TV Channel List");
    EXPECT_EQ(Read(Frame().ListView(), QAccessible::Description),
              CZuzeListViewView::ToolTip().toStdString());
    Frame().Execute(cmd::RadioChannelList);
    EXPECT_EQ(Read(Frame().ListView()), "Radio Channel List");
    QWidget* stop = Frame().ToolBar()->widgetForAction(Frame().Action(cmd::StopUpdate));
    EXPECT_EQ(Read(stop), "Stop Update");
    EXPECT_EQ(Read(stop, QAccessible::Description), "Download Stop");

    prompts_.dialogScripts.push_back([](QDialog& dialog) {
        dialog.show();
        auto* port = dialog.findChild<QComboBox*>("1010");
        EXPECT_EQ(Read(port), "Port");
        EXPECT_EQ(port->accessibleName().toStdString(), "Port");  // what Windows reads
        EXPECT_EQ(Read(port->lineEdit()), "Port");
        dialog.hide();
        return static_cast<int>(QDialog::Rejected);
    });
    Frame().Execute(cmd::ComSetup);

    // The Satellite List runs the one list of a satellite's transponders for each satellite.
    std::vector<std::string> titles;
    std::vector<std::string> names;
    const auto readSubList = [&](QDialog& dialog) {
        dialog.show();
        titles.push_back(dialog.windowTitle().simplified().toStdString());
        names.push_back(Read(dialog.findChild<QListView*>("1011")));
        dialog.hide();
        return static_cast<int>(QDialog::Rejected);
    };
    prompts_.dialogScripts.push_back([&](QDialog& dialog) {
        dialog.show();
        for (int satellite : {0, 1}) {
            prompts_.dialogScripts.push_back(readSubList);
            record_list::SelectRow(dynamic_cast<RecordListDlg&>(dialog).List(), satellite);
            dialog.findChild<QPushButton*>("1025")->click();
        }
        return static_cast<int>(QDialog::Rejected);
    });
    Frame().Execute(cmd::SatelliteList);
    ASSERT_EQ(titles.size(), 2);
    EXPECT_NE(titles[0], titles[1]);
    EXPECT_EQ(names, titles);

    // A dialog added later needs no code of its own where its controls have captions: a form
    // row's label (made without a buddy), a group box's title, the window's title for a list.
    QDialog later(&Frame());
    later.setWindowTitle("Later Dialog");
    auto* form = new QFormLayout(&later);
    auto* flavour = new QComboBox(&later);
    flavour->addItems({"sweet", "sour"});
    form->addRow(new QLabel("&Flavour:", &later), flavour);
    auto* group = new QGroupBox("Amount", &later);
    auto* amount = new QLineEdit(group);
    (new QVBoxLayout(group))->addWidget(amount);
    form->addRow(group);
    auto* items = new QListView(&later);
    items->setModel(new QStringListModel({"one"}, &later));
    form->addRow(items);
    later.show();
    Inspect(later);
    EXPECT_EQ(Read(flavour), "Flavour:");
    EXPECT_EQ(flavour->accessibleName().toStdString(), "Flavour");
    EXPECT_EQ(Read(amount), "Amount");
    EXPECT_EQ(Read(items), "Later Dialog");
}

}  // namespace
