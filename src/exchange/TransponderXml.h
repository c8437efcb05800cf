// The XML form in which many receivers and tools exchange satellite and transponder lists:
//
//   <satellites>
//     <sat name="19.2E Example" flags="0" position="192">
//       <transponder frequency="10744000" symbol_rate="22000000" polarization="0"
//                    fec_inner="0" system="0" modulation="1"/>
//     </sat>
//   </satellites>
//
// Frequencies in kHz, symbol rates in symbols per second, polarisation 0 horizontal, 1
// vertical, 2 and 3 circular, positions in tenths of a degree (east positive). Elements and
// attributes other than these are passed over, as other tools add their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/Result.h"
#include "core/Translatable.h"
#include "editing/TransponderFile.h"

namespace zev {

// The most a transponder file is read of: far more than the XML of every satellite in the sky.
inline constexpr std::size_t kMaxTransponderXmlSize = 64 * 1024 * 1024;

// Reads the file's satellites and transponders. A file that is no well-formed XML of this
// shape, or a value that is missing or no number of its range, is refused with
// "FILE:LINE:COLUMN: what is wrong" (`file` names it).
Result<TransponderFile, Translatable> ReadTransponderXml(std::string_view file,
                                                         std::span<const uint8_t> bytes);

// The XML text (UTF-8), each transponder with fec_inner="0" system="0" modulation="1" and each
// satellite with flags="0". Characters XML cannot hold (controls) are left out of names.
std::string TransponderXmlText(const TransponderFile& file);

}  // namespace zev
