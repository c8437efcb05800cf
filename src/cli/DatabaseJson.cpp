#include "cli/DatabaseJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QString>
#include <cmath>

#include "database/FieldTables.h"
#include "formats/ImageLayout.h"
#include "formats/ImageRecords.h"

namespace zev::cli {

namespace {

constexpr std::size_t kNameLength = 12;

// The name's 12 bytes as characters U+0000..U+00FF, without the NUL padding at its end.
QString NameToJson(const std::array<char, kNameFieldSize>& name) {
    std::size_t length = kNameLength;
    while (length > 0 && name[length - 1] == '\0') --length;
    QString text;
    for (std::size_t i = 0; i < length; ++i) text += QChar(static_cast<uint8_t>(name[i]));
    return text;
}

template <typename Record>
QJsonObject NumbersToJson(const Record& record, std::span<const FieldOf<Record>> fields) {
    QJsonObject object;
    for (const auto& field : fields) {
        object.insert(QLatin1String(field.name), static_cast<double>(field.get(record)));
    }
    return object;
}

template <typename Record>
QJsonObject RecordToJson(const Record& record, std::span<const FieldOf<Record>> fields) {
    QJsonObject object = NumbersToJson(record, fields);
    if constexpr (requires { record.Name; }) object.insert("Name", NameToJson(record.Name));
    return object;
}

// A record as the image gives it back after storing it. The image keeps several fields in
// fewer bits than their type has (a PID in 13, a flag in 1).
SatelliteEntry Stored(const SatelliteEntry& record) {
    std::array<uint8_t, image::kSatelliteBytes> bytes{};
    image::EncodeSatellite(record, bytes, 0);
    return image::DecodeSatellite(bytes, 0);
}
TransponderEntry Stored(const TransponderEntry& record) {
    std::array<uint8_t, image::kTransponderBytes> bytes{};
    image::EncodeTransponder(record, bytes, 0);
    return image::DecodeTransponder(bytes, 0);
}
ChannelEntry Stored(const ChannelEntry& record) {
    std::array<uint8_t, image::kChannelBytes> bytes{};
    image::EncodeChannel(record, bytes, 0);
    ChannelEntry stored = image::DecodeChannel(bytes, 0);
    // A transponder number beyond the image's is refused when the block is packed, with the
    // channel's name.
    stored.TpNumber = record.TpNumber;
    return stored;
}

// Reads JSON input, remembering the first problem with the place it was found at.
class Reader {
  public:
    bool failed() const { return !error.empty(); }
    std::string error;

    void Fail(const QString& where, const std::string& what) {
        if (!failed()) error = where.toStdString() + ": " + what;
    }

    template <typename Record>
    void ReadRecord(const QJsonValue& value, const QString& where,
                    std::span<const FieldOf<Record>> fields, Record& record) {
        if (!value.isObject()) return Fail(where, "expected an object");
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end() && !failed(); ++it) {
            const QString place = where + "." + it.key();
            if constexpr (requires { record.Name; }) {
                if (it.key() == "Name") {
                    ReadName(it.value(), place, record.Name);
                    continue;
                }
            }
            const FieldOf<Record>* field = Find(fields, it.key());
            if (field == nullptr) {
                Fail(where, "unknown field \"" + it.key().toStdString() + "\"");
            } else {
                ReadNumber(it.value(), place, *field, record);
            }
        }
        // The header's fields are stored whole; the records' are checked against the image.
        if constexpr (requires { Stored(record); }) CheckStored(record, where, fields);
    }

    // A value that fits its field but not the image would be cut without a word when the
    // database is packed: refused here, with the largest value the image holds.
    template <typename Record>
    void CheckStored(const Record& record, const QString& where,
                     std::span<const FieldOf<Record>> fields) {
        if (failed()) return;
        const Record stored = Stored(record);
        if (stored == record) return;
        for (const auto& field : fields) {
            if (field.get(stored) == field.get(record)) continue;
            Record widest{};
            field.set(widest, field.most);
            return Fail(where + "." + QLatin1String(field.name),
                        std::to_string(field.get(record)) + " is out of range 0.." +
                            std::to_string(field.get(Stored(widest))) +
                            " (the image holds no more)");
        }
        Fail(where, "does not fit the image");
    }

  private:
    template <typename Record>
    static const FieldOf<Record>* Find(std::span<const FieldOf<Record>> fields,
                                       const QString& key) {
        for (const auto& field : fields) {
            if (key == QLatin1String(field.name)) return &field;
        }
        return nullptr;
    }

    template <typename Record>
    void ReadNumber(const QJsonValue& value, const QString& where, const FieldOf<Record>& field,
                    Record& record) {
        const std::string range = "0.." + std::to_string(field.most);
        if (!value.isDouble()) return Fail(where, "expected a whole number " + range);
        const double number = value.toDouble();
        if (std::floor(number) != number || number < 0 || number > field.most) {
            return Fail(where, QString::number(number, 'g', 17).toStdString() +
                                   " is out of range " + range);
        }
        field.set(record, static_cast<uint32_t>(number));
    }

    void ReadName(const QJsonValue& value, const QString& where,
                  std::array<char, kNameFieldSize>& name) {
        if (!value.isString()) return Fail(where, "expected a string");
        const QString text = value.toString();
        if (text.size() > static_cast<qsizetype>(kNameLength)) {
            return Fail(where, "longer than 12 characters");
        }
        name.fill('\0');
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c > 0xFF) {
                return Fail(
                    where,
                    "character U+" +
                        QString::number(c, 16).toUpper().rightJustified(4, '0').toStdString() +
                        " is not a byte (U+0000..U+00FF)");
            }
            name[static_cast<std::size_t>(i)] = static_cast<char>(c);
        }
    }
};

constexpr const char* kArrays[] = {"satellites", "transponders", "tv", "radio"};

}  // namespace

std::string DatabaseToJson(const ChannelDatabase& db) {
    const DatabaseHeader& h = db.header;
    QJsonArray satellites, transponders, tv, radio;
    for (std::size_t i = 0; i < h.SatCount; ++i) {
        satellites.append(RecordToJson(db.satellites[i], SatelliteFieldTable()));
    }
    for (std::size_t i = 0; i < h.TpCount; ++i) {
        transponders.append(RecordToJson(db.transponders[i], TransponderFieldTable()));
    }
    for (std::size_t i = 0; i < h.TvCount; ++i)
        tv.append(RecordToJson(db.Tv(i), ChannelFieldTable()));
    for (std::size_t i = 0; i < h.RadioCount; ++i) {
        radio.append(RecordToJson(db.Radio(i), ChannelFieldTable()));
    }
    QJsonObject root;
    root.insert("header", NumbersToJson(h, HeaderFieldTable()));
    root.insert("satellites", satellites);
    root.insert("transponders", transponders);
    root.insert("tv", tv);
    root.insert("radio", radio);
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

JsonResult DatabaseFromJson(std::span<const uint8_t> json, ChannelDatabase& db) {
    JsonResult result;
    auto invalid = [&](std::string message) {
        result.status = JsonStatus::Invalid;
        result.error = std::move(message);
        return result;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(json.data()), static_cast<qsizetype>(json.size())),
        &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return invalid("not valid JSON at offset " + std::to_string(parseError.offset) + ": " +
                       parseError.errorString().toStdString());
    }
    if (!document.isObject()) return invalid("the JSON must be an object");
    const QJsonObject root = document.object();

    Reader reader;
    for (auto it = root.begin(); it != root.end(); ++it) {
        const bool known =
            it.key() == "header" || std::any_of(std::begin(kArrays), std::end(kArrays),
                                                [&](const char* name) { return it.key() == name; });
        if (!known) return invalid("unknown member \"" + it.key().toStdString() + "\"");
    }
    if (root.contains("header")) {
        reader.ReadRecord(root.value("header"), "header", HeaderFieldTable(), db.header);
    }
    QJsonArray arrays[4];
    for (std::size_t i = 0; i < 4 && !reader.failed(); ++i) {
        const QJsonValue value = root.value(kArrays[i]);
        if (value.isUndefined()) continue;
        if (!value.isArray()) reader.Fail(kArrays[i], "expected an array");
        arrays[i] = value.toArray();
    }
    if (reader.failed()) return invalid(reader.error);

    // The counts come from the arrays; they must fit their fields and the tables before any
    // record is stored.
    DatabaseHeader& h = db.header;
    const qsizetype most[4] = {255, 65535, 65535, 65535};
    for (std::size_t i = 0; i < 4; ++i) {
        if (arrays[i].size() > most[i]) {
            return invalid(std::string(kArrays[i]) + ": " + std::to_string(arrays[i].size()) +
                           " entries, more than the count field holds (" + std::to_string(most[i]) +
                           ")");
        }
    }
    h.SatCount = static_cast<uint8_t>(arrays[0].size());
    h.TpCount = static_cast<uint16_t>(arrays[1].size());
    h.TvCount = static_cast<uint16_t>(arrays[2].size());
    h.RadioCount = static_cast<uint16_t>(arrays[3].size());
    if (std::string problem = image::CheckCapacitiesAndCounts(h, "image"); !problem.empty()) {
        result.status = JsonStatus::Refused;
        result.error = std::move(problem);
        return result;
    }

    auto where = [](const char* array, std::size_t i) {
        return QString("%1[%2]").arg(QLatin1String(array)).arg(i);
    };
    for (std::size_t i = 0; i < h.SatCount && !reader.failed(); ++i) {
        db.satellites[i] = SatelliteEntry{};
        reader.ReadRecord(arrays[0][static_cast<qsizetype>(i)], where("satellites", i),
                          SatelliteFieldTable(), db.satellites[i]);
    }
    for (std::size_t i = 0; i < h.TpCount && !reader.failed(); ++i) {
        db.transponders[i] = TransponderEntry{};
        reader.ReadRecord(arrays[1][static_cast<qsizetype>(i)], where("transponders", i),
                          TransponderFieldTable(), db.transponders[i]);
    }
    for (std::size_t i = 0; i < h.TvCount && !reader.failed(); ++i) {
        db.Tv(i) = ChannelEntry{};
        reader.ReadRecord(arrays[2][static_cast<qsizetype>(i)], where("tv", i), ChannelFieldTable(),
                          db.Tv(i));
    }
    for (std::size_t i = 0; i < h.RadioCount && !reader.failed(); ++i) {
        db.Radio(i) = ChannelEntry{};
        reader.ReadRecord(arrays[3][static_cast<qsizetype>(i)], where("radio", i),
                          ChannelFieldTable(), db.Radio(i));
    }
    if (reader.failed()) return invalid(reader.error);
    return result;
}

}  // namespace zev::cli
