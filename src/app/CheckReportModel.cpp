#include "app/CheckReportModel.h"

#include <QApplication>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QStyle>

#include "app/PaletteTint.h"
#include "ui/TranslatedText.h"

namespace {

// The hues of errors and warnings, laid over the palette the program runs with.
const QColor kErrorHue(0xE0, 0x20, 0x20);
const QColor kWarningHue(0xE0, 0x90, 0x00);

}  // namespace

CheckReportModel::CheckReportModel(zev::CheckResult result, QObject* parent)
    : QAbstractTableModel(parent), result_(std::move(result)) {
    // Looked up once: the view asks for an icon for every row it paints.
    QStyle* style = QApplication::style();
    errorIcon_ = style->standardIcon(QStyle::SP_MessageBoxCritical);
    warningIcon_ = style->standardIcon(QStyle::SP_MessageBoxWarning);
}

void CheckReportModel::SetResult(zev::CheckResult result) {
    beginResetModel();
    result_ = std::move(result);
    endResetModel();
}

int CheckReportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(result_.findings.size());
}

int CheckReportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CheckReportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const zev::CheckFinding& finding = Finding(index.row());
    const bool error = finding.Severity() == zev::CheckSeverity::Error;
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case SeverityColumn:
                    return error ? tr("Error") : tr("Warning");
                case RecordColumn:
                    return Translated(zev::RecordLabel(finding.record));
                case ProblemColumn:
                    return Translated(finding.message);
                default:
                    return {};
            }
        case Qt::DecorationRole:
            if (index.column() != SeverityColumn) return {};
            return error ? errorIcon_ : warningIcon_;
        case Qt::ForegroundRole:
            if (index.column() == ProblemColumn) return {};
            return TintOf(QGuiApplication::palette(), error ? kErrorHue : kWarningHue).text;
        case Qt::ToolTipRole:
            return Translated(finding.message);
        default:
            return {};
    }
}

QVariant CheckReportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case SeverityColumn:
            return tr("Severity");
        case RecordColumn:
            return tr("Record");
        case ProblemColumn:
            return tr("Problem");
        default:
            return {};
    }
}
