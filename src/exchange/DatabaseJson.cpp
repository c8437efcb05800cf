#include "exchange/DatabaseJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <type_traits>
#include <vector>

#include "database/FieldTables.h"
#include "database/RecordName.h"
#include "exchange/JsonCursor.h"
#include "formats/ImageFields.h"
#include "formats/ImageLayout.h"

namespace zev {

namespace {

constexpr std::size_t kNameLength = 12;

// The name's 12 bytes as characters U+0000..U+00FF, without the NUL padding at its end.
QString NameToJson(const std::array<char, kNameFieldSize>& name) {
    const std::string bytes = StoredNameBytes(name);
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
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

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool Is(const JsonCursor::Text& key, std::string_view name) {
    return key.length == name.size() && std::equal(name.begin(), name.end(), key.start.begin());
}

// The first problem of one part of the input.
struct Problem {
    Translatable text;
    bool Set() const { return !text.Empty(); }
    void Note(Translatable what) {
        if (!Set()) text = std::move(what);
    }
    void Note(const std::string& where, Translatable what) {
        Note(Translatable::Joined("%1: %2", {where, std::move(what)}));
    }
};

// Reads the JSON form by what it expects at each place, walking over everything else, so
// that a file takes memory for the records it holds and no more. Syntax errors stop the
// walk; other problems are noted, the first of each part, and reported in the order a reader
// of the whole document would meet them: the root, the header, the arrays, the counts, then
// the records of each array.
class Reader {
  public:
    explicit Reader(std::span<const uint8_t> json) : cursor_(json) {}

    JsonResult Read(ChannelDatabase& db) {
        ReadRoot(db.header);
        if (cursor_.Failed())
            return Invalid(ZEV_TR("DatabaseJson", "not valid JSON at offset %1: %2")
                               .Arg(cursor_.ErrorOffset())
                               .Arg(Translatable("DatabaseJson", cursor_.ErrorWording())));
        for (const Problem* problem : {&root_, &header_}) {
            if (problem->Set()) return Invalid(problem->text);
        }
        for (const Problem& problem : arrayKind_) {
            if (problem.Set()) return Invalid(problem.text);
        }
        for (const Problem& problem : tooMany_) {
            if (problem.Set()) return Invalid(problem.text);
        }
        // The counts come from the arrays; they must fit the capacities and the tables before
        // any record is stored.
        DatabaseHeader& h = db.header;
        h.SatCount = static_cast<uint8_t>(satellites_.size());
        h.TpCount = static_cast<uint16_t>(transponders_.size());
        h.TvCount = static_cast<uint16_t>(tv_.size());
        h.RadioCount = static_cast<uint16_t>(radio_.size());
        if (Translatable problem = image::CheckCapacitiesAndCounts(h, image::WholeImageName());
            !problem.Empty()) {
            return {JsonStatus::Refused, std::move(problem)};
        }
        for (const Problem& problem : records_) {
            if (problem.Set()) return Invalid(problem.text);
        }
        std::copy(satellites_.begin(), satellites_.end(), db.satellites.begin());
        std::copy(transponders_.begin(), transponders_.end(), db.transponders.begin());
        for (std::size_t i = 0; i < tv_.size(); ++i) db.Tv(i) = tv_[i];
        for (std::size_t i = 0; i < radio_.size(); ++i) db.Radio(i) = radio_[i];
        return {};
    }

  private:
    static JsonResult Invalid(Translatable text) { return {JsonStatus::Invalid, std::move(text)}; }

    // Walks over a value of another kind than expected; true when that was no syntax error,
    // so that the value's kind is the problem to note.
    bool SkipUnexpected() {
        cursor_.SkipValue();
        return !cursor_.Failed();
    }

    void ReadRoot(DatabaseHeader& header) {
        if (cursor_.Peek() != JsonCursor::Kind::Object) {
            if (SkipUnexpected()) root_.Note(ZEV_TR("DatabaseJson", "the JSON must be an object"));
        } else {
            cursor_.OpenObject();
            bool first = true;
            bool seen[5] = {};
            while (const std::optional<JsonCursor::Text> key = cursor_.NextKey(first)) {
                std::size_t member = 0;
                while (member < 5 && !Is(*key, kMembers[member])) ++member;
                if (member == 5) {
                    root_.Note(
                        ZEV_TR("DatabaseJson", "unknown member \"%1\"").Arg(Utf8(key->start)));
                    cursor_.SkipValue();
                    continue;
                }
                if (seen[member])
                    root_.Note(kMembers[member], ZEV_TR("DatabaseJson", "given twice"));
                seen[member] = true;
                switch (member) {
                    case 0:
                        ReadRecord(header, "header", HeaderFieldTable(), header_);
                        break;
                    case 1:
                        ReadArray(satellites_, 0, SatelliteFieldTable());
                        break;
                    case 2:
                        ReadArray(transponders_, 1, TransponderFieldTable());
                        break;
                    case 3:
                        ReadArray(tv_, 2, ChannelFieldTable());
                        break;
                    default:
                        ReadArray(radio_, 3, ChannelFieldTable());
                        break;
                }
            }
        }
        cursor_.AtEnd();
    }

    template <typename Record>
    void ReadArray(std::vector<Record>& records, std::size_t index,
                   std::span<const FieldOf<Record>> fields) {
        const char* name = kMembers[index + 1];
        records.clear();
        if (cursor_.Peek() != JsonCursor::Kind::Array) {
            if (SkipUnexpected())
                arrayKind_[index].Note(name, ZEV_TR("DatabaseJson", "expected an array"));
            return;
        }
        cursor_.OpenArray();
        // The count fields: SatCount holds 255, the others 65535.
        const std::size_t most = index == 0 ? 255 : 65535;
        std::size_t count = 0;
        bool first = true;
        while (cursor_.NextElement(first)) {
            if (count == most) {
                tooMany_[index].Note(
                    name, ZEV_TR("DatabaseJson", "more entries than the count field holds (%1)")
                              .Arg(most));
                cursor_.SkipValue();
                continue;
            }
            records.emplace_back();
            const std::string where = std::string(name) + "[" + std::to_string(count) + "]";
            ReadRecord(records.back(), where, fields, records_[index]);
            ++count;
        }
    }

    template <typename Record>
    void ReadRecord(Record& record, const std::string& where,
                    std::span<const FieldOf<Record>> fields, Problem& problem) {
        if (cursor_.Peek() != JsonCursor::Kind::Object) {
            if (SkipUnexpected()) problem.Note(where, ZEV_TR("DatabaseJson", "expected an object"));
            return;
        }
        cursor_.OpenObject();
        std::vector<bool> seen(fields.size() + 1, false);  // the fields, then the name
        bool first = true;
        while (const std::optional<JsonCursor::Text> key = cursor_.NextKey(first)) {
            const std::string place = where + "." + Utf8(key->start);
            if constexpr (requires { record.Name; }) {
                if (Is(*key, "Name")) {
                    if (seen[fields.size()])
                        problem.Note(place, ZEV_TR("DatabaseJson", "given twice"));
                    seen[fields.size()] = true;
                    ReadName(record.Name, place, problem);
                    continue;
                }
            }
            std::size_t index = 0;
            while (index < fields.size() && !Is(*key, fields[index].name)) ++index;
            if (index == fields.size()) {
                problem.Note(where,
                             ZEV_TR("DatabaseJson", "unknown field \"%1\"").Arg(Utf8(key->start)));
                cursor_.SkipValue();
                continue;
            }
            if (seen[index]) problem.Note(place, ZEV_TR("DatabaseJson", "given twice"));
            seen[index] = true;
            ReadNumber(fields[index], record, place, problem);
        }
        // A value that fits its field but not the image would be cut without a word when the
        // database is packed: refused here, with the largest value the image holds. A
        // transponder number beyond the image's is refused when the block is packed, with the
        // channel's name.
        if constexpr (!std::is_same_v<Record, DatabaseHeader>) {
            for (const auto& f : image::ImageFieldsOf<Record>()) {
                const uint32_t value = f.field->get(record);
                if (value <= f.Most() || std::string_view(f.field->name) == "TpNumber") continue;
                problem.Note(
                    where + "." + f.field->name,
                    ZEV_TR("DatabaseJson", "%1 is out of range 0..%2 (the image holds no more)")
                        .Arg(value)
                        .Arg(f.Most()));
            }
        }
    }

    template <typename Record>
    void ReadNumber(const FieldOf<Record>& field, Record& record, const std::string& where,
                    Problem& problem) {
        const std::string range = "0.." + std::to_string(field.most);
        if (cursor_.Peek() != JsonCursor::Kind::Number) {
            if (SkipUnexpected())
                problem.Note(where,
                             ZEV_TR("DatabaseJson", "expected a whole number %1").Arg(range));
            return;
        }
        const std::optional<std::string_view> text = cursor_.Number();
        if (!text) return;
        double number = 0;
        const auto [end, code] = std::from_chars(text->data(), text->data() + text->size(), number);
        if (code != std::errc() || std::floor(number) != number || number < 0 ||
            number > field.most) {
            const std::string shown =
                code == std::errc() ? FormatNumber(number) : std::string(*text);
            return problem.Note(
                where, ZEV_TR("DatabaseJson", "%1 is out of range %2").Arg(shown).Arg(range));
        }
        field.set(record, static_cast<uint32_t>(number));
    }

    void ReadName(std::array<char, kNameFieldSize>& name, const std::string& where,
                  Problem& problem) {
        if (cursor_.Peek() != JsonCursor::Kind::String) {
            if (SkipUnexpected()) problem.Note(where, ZEV_TR("DatabaseJson", "expected a string"));
            return;
        }
        const std::optional<JsonCursor::Text> text = cursor_.String(kNameLength);
        if (!text) return;
        if (text->length > kNameLength)
            return problem.Note(where, ZEV_TR("DatabaseJson", "longer than 12 characters"));
        name.fill('\0');
        for (std::size_t i = 0; i < text->start.size(); ++i) {
            const char32_t c = text->start[i];
            if (c > 0xFF) {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
                return problem.Note(
                    where, ZEV_TR("DatabaseJson", "character %1 is not a byte (U+0000..U+00FF)")
                               .Arg(std::string(code)));
            }
            name[i] = static_cast<char>(c);
        }
    }

    static std::string FormatNumber(double number) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", number);
        return text;
    }

    static constexpr const char* kMembers[] = {"header", "satellites", "transponders", "tv",
                                               "radio"};

    JsonCursor cursor_;
    Problem root_;
    Problem header_;
    Problem arrayKind_[4];
    Problem tooMany_[4];
    Problem records_[4];
    std::vector<SatelliteEntry> satellites_;
    std::vector<TransponderEntry> transponders_;
    std::vector<ChannelEntry> tv_;
    std::vector<ChannelEntry> radio_;
};

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
    return Reader(json).Read(db);
}

}  // namespace zev
