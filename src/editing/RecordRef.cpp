#include "editing/RecordRef.h"

namespace zev {

std::string RecordLabel(const RecordRef& record) {
    const std::string number = std::to_string(record.Number());
    switch (record.kind) {
        case RecordKind::Header:
            return "Header";
        case RecordKind::Satellite:
            return "Satellite " + number;
        case RecordKind::Transponder:
            return "Transponder " + number;
        case RecordKind::TvChannel:
            return "TV channel " + number;
        case RecordKind::RadioChannel:
            return "Radio channel " + number;
    }
    return {};
}

}  // namespace zev
