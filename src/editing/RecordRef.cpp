#include "editing/RecordRef.h"

namespace zev {

Translatable RecordLabel(const RecordRef& record) {
    switch (record.kind) {
        case RecordKind::Header:
            return ZEV_TR("Record", "Header");
        case RecordKind::Satellite:
            return ZEV_TR("Record", "Satellite %1").Arg(record.Number());
        case RecordKind::Transponder:
            return ZEV_TR("Record", "Transponder %1").Arg(record.Number());
        case RecordKind::TvChannel:
            return ZEV_TR("Record", "TV channel %1").Arg(record.Number());
        case RecordKind::RadioChannel:
            return ZEV_TR("Record", "Radio channel %1").Arg(record.Number());
    }
    return {};
}

}  // namespace zev
