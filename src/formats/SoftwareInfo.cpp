#include "formats/SoftwareInfo.h"

#include "core/ByteOrder.h"
#include "core/TextFormat.h"
#include "formats/TransferBlocks.h"

namespace zev {

namespace {

// "0x1a2b", as the file's offsets and lengths are written.
std::string Hex(uint64_t value) { return Format("0x%llx", static_cast<unsigned long long>(value)); }

}  // namespace

OtaFileCheck CheckOtaFile(ByteSource& file) {
    OtaFileCheck check;
    const std::optional<uint64_t> fileSize = file.Size();
    if (!fileSize) {
        check.error = ZEV_TR("SoftwareInfo", "The OTA software file cannot be read.");
        return check;
    }
    const uint64_t size = *fileSize;
    uint8_t word[4];
    if (size < 4 || !file.ReadAt(0, word, 4)) {
        check.error = ZEV_TR("SoftwareInfo",
                             "The OTA software file is too short to hold its information offset.");
        return check;
    }
    const uint64_t p = ReadLe32(word);
    uint8_t info[4];
    uint8_t lengthValue[4];
    if (p + 26 > size || !file.ReadAt(p + 4, info, 4) || !file.ReadAt(p + 22, lengthValue, 4)) {
        check.error = ZEV_TR("SoftwareInfo",
                             "The OTA software file's information at offset %1 lies beyond its "
                             "end (%2 bytes).")
                          .Arg(Hex(p))
                          .Arg(size);
        return check;
    }
    const uint64_t length = uint64_t{ReadLe32(lengthValue)} + 8;
    if (length > size) {
        check.error =
            ZEV_TR("SoftwareInfo", "The OTA software length %1 is larger than the file (%2 bytes).")
                .Arg(Hex(length))
                .Arg(size);
        return check;
    }
    if (BlockCountFor(static_cast<uint32_t>(length)) > kMaxBlocks) {
        check.error =
            ZEV_TR("SoftwareInfo", "The OTA software length %1 needs more than %2 blocks.")
                .Arg(Hex(length))
                .Arg(kMaxBlocks);
        return check;
    }
    check.ok = true;
    check.info = {info[0], info[1], info[2], info[3], static_cast<uint32_t>(length)};
    return check;
}

uint16_t ModifiedJulianDate(const std::tm& local) {
    // Years since 1900 from the two-digit year: below 60 is the 2000s.
    const int twoDigitYear = local.tm_year % 100;
    const int y = twoDigitYear < 60 ? twoDigitYear + 100 : twoDigitYear;
    const int m = local.tm_mon + 1;
    const int d = local.tm_mday;
    const int l = (m == 1 || m == 2) ? 1 : 0;
    // int(x * 365.25) and int(x * 30.6001) in integers; both products are positive.
    const int mjd = 14956 + d + (y - l) * 36525 / 100 + (m + 1 + l * 12) * 306001 / 10000;
    return static_cast<uint16_t>(mjd);
}

uint8_t ToBcd(int value) { return static_cast<uint8_t>((value / 10) << 4 | value % 10); }

SoftwareInfoBlock MakeSoftwareInfoBlock(const OtaFileInfo& info, const std::tm& local) {
    SoftwareInfoBlock block{};
    block[0] = info.softwareId;
    block[1] = info.hardwareVersion;
    WriteLe32(&block[2], info.length);
    block[6] = 0;
    block[7] = 0;
    block[8] = 3;
    block[9] = 0;
    const uint16_t mjd = ModifiedJulianDate(local);
    block[10] = static_cast<uint8_t>(mjd >> 8);
    block[11] = static_cast<uint8_t>(mjd);
    block[12] = ToBcd(local.tm_hour);
    block[13] = ToBcd(local.tm_min);
    block[14] = ToBcd(local.tm_sec);
    return block;
}

}  // namespace zev
