// The findings of a database check as a table: severity (with an icon and a colour), the
// record, and the sentence that says what is wrong. Errors come first, as the check orders
// them.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include "editing/DatabaseCheck.h"

class CheckReportModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { SeverityColumn = 0, RecordColumn, ProblemColumn, ColumnCount };

    explicit CheckReportModel(zev::CheckResult result, QObject* parent = nullptr);

    const zev::CheckResult& Result() const { return result_; }
    void SetResult(zev::CheckResult result);
    const zev::CheckFinding& Finding(int row) const {
        return result_.findings[static_cast<std::size_t>(row)];
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    zev::CheckResult result_;
    QIcon errorIcon_;
    QIcon warningIcon_;
};
