#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTreeView>

namespace {

// What this file gave a control, so that the next show gives it again from the caption as it
// is then, while a name or description the control's own code set stays.
const char* const kGivenName = "zevGivenAccessibleName";
const char* const kGivenDescription = "zevGivenAccessibleDescription";
const char* const kNamerName = "zevShownControlNamer";

// The widgets a person reads, types in, chooses from or presses. Labels are read by their
// text, windows by their title; a view's header and scroll bars belong to the view.
bool IsControl(const QWidget& widget) {
    if (widget.isWindow()) return false;
    if (qobject_cast<const QHeaderView*>(&widget) != nullptr ||
        qobject_cast<const QScrollBar*>(&widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QProgressBar*>(&widget) != nullptr;
}

// A caption as it is read: without the mnemonic's '&' ("&&" is one '&'), without a closing
// colon, spaces run together.
QString CaptionText(const QString& shown) {
    QString text;
    text.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1Char('&')) {
            if (i + 1 < shown.size() && shown[i + 1] == QLatin1Char('&')) text += shown[++i];
            continue;
        }
        text += shown[i];
    }
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

QString LabelText(const QLabel& label) {
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    return CaptionText(rich ? QTextDocumentFragment::fromHtml(label.text()).toPlainText()
                            : label.text());
}

// A window's title without the placeholder Qt replaces with the modified mark.
QString TitleText(const QWidget& window) {
    QString title = window.windowTitle();
    title.remove(QStringLiteral("[*]"));
    return CaptionText(title);
}

// The form layout, at any depth of `layout`, that holds `widget`.
const QFormLayout* FormHolding(const QLayout* layout, const QWidget& widget) {
    if (layout == nullptr) return nullptr;
    if (const auto* form = qobject_cast<const QFormLayout*>(layout);
        form != nullptr && form->indexOf(&widget) >= 0) {
        return form;
    }
    for (int i = 0; i < layout->count(); ++i) {
        if (const QFormLayout* form = FormHolding(layout->itemAt(i)->layout(), widget)) {
            return form;
        }
    }
    return nullptr;
}

// The label that names `control`: one whose buddy it is, or its form row's label. A form row's
// label without a buddy becomes the field's buddy: Qt relates a label to its buddy for screen
// readers (on Linux that is how a drop-down list is labelled), and its mnemonic then works.
QLabel* LabelOf(QWidget& control) {
    for (QLabel* label : control.window()->findChildren<QLabel*>()) {
        if (label->buddy() == &control) return label;
    }
    QWidget* parent = control.parentWidget();
    const QFormLayout* form = parent != nullptr ? FormHolding(parent->layout(), control) : nullptr;
    auto* label = form != nullptr ? qobject_cast<QLabel*>(form->labelForField(&control)) : nullptr;
    if (label != nullptr && label->buddy() == nullptr) label->setBuddy(&control);
    return label;
}

bool HeaderShown(const QAbstractItemView& view) {
    if (const auto* tree = qobject_cast<const QTreeView*>(&view)) return !tree->isHeaderHidden();
    if (const auto* table = qobject_cast<const QTableView*>(&view)) {
        return !table->horizontalHeader()->isHidden();
    }
    return false;
}

// A list is named by its one column's heading when the header shows it, else by the title of
// the window or dock it fills.
QString ListCaption(const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (model != nullptr && model->columnCount(view.rootIndex()) == 1 && HeaderShown(view)) {
        const QString heading = CaptionText(model->headerData(0, Qt::Horizontal).toString());
        if (!heading.isEmpty()) return heading;
    }
    for (const QWidget* outer = view.parentWidget(); outer != nullptr;
         outer = outer->parentWidget()) {
        if (qobject_cast<const QDockWidget*>(outer) != nullptr || outer->isWindow()) {
            return TitleText(*outer);
        }
    }
    return QString();
}

// The combo box or spin box whose text box or drop-down list `widget` is.
QWidget* OwningControl(const QWidget& widget) {
    if (qobject_cast<const QLineEdit*>(&widget) == nullptr &&
        qobject_cast<const QAbstractItemView*>(&widget) == nullptr) {
        return nullptr;
    }
    // A drop-down list sits in a popup window of its own, whose parent is the combo box.
    QWidget* outer = widget.parentWidget();
    for (int hops = 0; outer != nullptr && hops < 2; ++hops, outer = outer->parentWidget()) {
        if (qobject_cast<const QComboBox*>(outer) != nullptr ||
            qobject_cast<const QAbstractSpinBox*>(outer) != nullptr) {
            return outer;
        }
    }
    return nullptr;
}

// Whether the control's own code set this text (not this file, and not left empty).
bool SetByCode(const QString& text, const QWidget& control, const char* given) {
    return !text.isEmpty() && text != control.property(given).toString();
}

QString Caption(QWidget& control);

QString NameOf(QWidget& control) {
    const QString name = control.accessibleName();
    return SetByCode(name, control, kGivenName) ? name : Caption(control);
}

// Qt's own buttons that show only a picture.
QString PictureButtonCaption(const QAbstractButton& button) {
    if (qobject_cast<const QLineEdit*>(button.parentWidget()) != nullptr) {
        return QCoreApplication::translate("AccessibleNames", "Clear");
    }
    const QString id = button.objectName();
    if (id == QLatin1String("qt_toolbar_ext_button") ||
        id == QLatin1String("qt_menubar_ext_button")) {
        return QCoreApplication::translate("AccessibleNames", "More");
    }
    return QString();
}

// What the window shows for `control`; empty when Qt names it well itself (a button by its
// text, which it follows as the text changes) or when nothing names it.
QString Caption(QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (!button->text().isEmpty()) return QString();
        if (!button->toolTip().isEmpty()) return CaptionText(button->toolTip());
        return PictureButtonCaption(*button);
    }
    if (QWidget* owner = OwningControl(control)) return NameOf(*owner);
    if (const QLabel* label = LabelOf(control)) {
        const QString text = LabelText(*label);
        if (!text.isEmpty()) return text;
    }
    if (const auto* view = qobject_cast<const QAbstractItemView*>(&control)) {
        const QString caption = ListCaption(*view);
        if (!caption.isEmpty()) return caption;
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control.parentWidget())) {
        return CaptionText(group->title());
    }
    return QString();
}

// Sets what is given only when it differs from what the control has: each change is an event
// for the screen reader.
void Give(QWidget& control, const char* given, const QString& now, const QString& text,
          void (QWidget::*set)(const QString&)) {
    if (now != text) (control.*set)(text);
    control.setProperty(given, text);
}

void NameControl(QWidget& control) {
    if (!IsControl(control)) return;
    if (!SetByCode(control.accessibleName(), control, kGivenName)) {
        Give(control, kGivenName, control.accessibleName(), Caption(control),
             &QWidget::setAccessibleName);
    }
    if (!SetByCode(control.accessibleDescription(), control, kGivenDescription)) {
        // The status-bar prompt; without one Qt reads the tool tip (or a text box's
        // placeholder text).
        QString description = control.statusTip();
        if (description == control.accessibleName() || description == control.toolTip()) {
            description.clear();
        }
        Give(control, kGivenDescription, control.accessibleDescription(), description,
             &QWidget::setAccessibleDescription);
    }
}

class ShownControlNamer : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt shows a window's widgets before the window itself, each with an event of its own,
        // and every widget shown later (a list created on first need) gets one too.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            NameControl(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

}  // namespace

void NameControlsWhenShown(QCoreApplication& application) {
    if (application.findChild<QObject*>(kNamerName, Qt::FindDirectChildrenOnly) != nullptr) return;
    auto* namer = new ShownControlNamer(&application);
    namer->setObjectName(kNamerName);
    application.installEventFilter(namer);
}
