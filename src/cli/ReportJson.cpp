#include "cli/ReportJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace zev::cli {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

const char* KindName(RecordKind kind) {
    switch (kind) {
        case RecordKind::Header:
            return "header";
        case RecordKind::Satellite:
            return "satellite";
        case RecordKind::Transponder:
            return "transponder";
        case RecordKind::TvChannel:
            return "tv";
        case RecordKind::RadioChannel:
            return "radio";
    }
    return "";
}

bool IsChannel(RecordKind kind) {
    return kind == RecordKind::TvChannel || kind == RecordKind::RadioChannel;
}

QJsonObject RecordToJson(const RecordRef& record) {
    QJsonObject object{{"kind", KindName(record.kind)}};
    if (record.kind != RecordKind::Header) {
        object.insert("number", static_cast<double>(record.Number()));
    }
    if (IsChannel(record.kind)) object.insert("slot", static_cast<double>(record.slot));
    return object;
}

QJsonArray ChangesToJson(const std::vector<FieldChange>& changes) {
    QJsonArray array;
    for (const FieldChange& change : changes) {
        array.append(QJsonObject{{"field", Text(change.field)},
                                 {"before", Text(change.before)},
                                 {"after", Text(change.after)}});
    }
    return array;
}

const char* ChangeName(DiffChange change) {
    switch (change) {
        case DiffChange::Added:
            return "added";
        case DiffChange::Removed:
            return "removed";
        case DiffChange::Kept:
            break;
    }
    return "kept";
}

std::string Indented(const QJsonObject& root) {
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

std::string CheckToJson(const CheckResult& result) {
    QJsonArray findings;
    for (const CheckFinding& finding : result.findings) {
        QJsonArray related;
        for (const RecordRef& record : finding.related) related.append(RecordToJson(record));
        findings.append(QJsonObject{
            {"severity", finding.Severity() == CheckSeverity::Error ? "error" : "warning"},
            {"problem", ProblemName(finding.problem)},
            {"record", RecordToJson(finding.record)},
            {"related", related},
            {"message", Text(finding.message.English())},
        });
    }
    return Indented(QJsonObject{{"errors", static_cast<double>(result.errors)},
                                {"warnings", static_cast<double>(result.warnings)},
                                {"findings", findings}});
}

std::string DiffToJson(const DatabaseDiff& diff) {
    QJsonArray records;
    for (const RecordDiff& record : diff.records) {
        QJsonObject object{{"kind", KindName(record.kind)},
                           {"change", ChangeName(record.change)},
                           {"name", Text(record.name)}};
        if (record.before) object.insert("before", static_cast<double>(*record.before + 1));
        if (record.after) object.insert("after", static_cast<double>(*record.after + 1));
        if (record.change == DiffChange::Kept) {
            object.insert("moved", record.moved);
            object.insert("fields", ChangesToJson(record.fields));
        }
        records.append(object);
    }
    return Indented(QJsonObject{
        {"equal", diff.Equal()}, {"header", ChangesToJson(diff.header)}, {"records", records}});
}

}  // namespace zev::cli
