#include "exchange/TransponderXml.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <optional>

namespace zev {

namespace {

class Reader {
  public:
    Reader(std::string_view file, std::span<const uint8_t> bytes)
        : file_(file),
          xml_(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qsizetype>(bytes.size()))) {}

    Result<TransponderFile, Translatable> Read() {
        TransponderFile file;
        if (!xml_.readNextStartElement()) {
            // Qt's own reader says what is wrong with the XML, in the language Qt was given.
            return Failure(Problem(
                xml_.hasError() ? Translatable(xml_.errorString().toStdString())
                                : ZEV_TR("TransponderXml", "the file holds no XML element")));
        }
        if (xml_.name() != QLatin1String("satellites")) {
            return Failure(
                Problem(ZEV_TR("TransponderXml", "the outermost element is %1, not <satellites>")
                            .Arg(Element())));
        }
        while (problem_.Empty() && xml_.readNextStartElement()) {
            if (xml_.name() != QLatin1String("sat")) {
                xml_.skipCurrentElement();
                continue;
            }
            FileSatellite sat;
            sat.line = static_cast<std::size_t>(xml_.lineNumber());
            sat.name = Text("name");
            if (const auto position = Number("position", -1800, 1800)) {
                sat.position = static_cast<int>(*position);
            }
            while (problem_.Empty() && xml_.readNextStartElement()) {
                if (xml_.name() == QLatin1String("transponder")) {
                    sat.transponders.push_back(Transponder());
                }
                xml_.skipCurrentElement();
            }
            file.satellites.push_back(std::move(sat));
        }
        // The rest of the document must be well formed too.
        while (problem_.Empty() && !xml_.atEnd()) xml_.readNext();
        if (problem_.Empty() && xml_.hasError()) {
            problem_ = Problem(xml_.errorString().toStdString());
        }
        if (!problem_.Empty()) return Failure(problem_);
        return file;
    }

  private:
    // "FILE:LINE:COLUMN: what", where the reader stands.
    Translatable Problem(Translatable what) const {
        return Translatable::Joined("%1:%2:%3: %4",
                                    {std::string(file_), std::to_string(xml_.lineNumber()),
                                     std::to_string(xml_.columnNumber() + 1), std::move(what)});
    }

    void Fail(Translatable what) {
        if (problem_.Empty()) problem_ = Problem(std::move(what));
    }

    std::string Element() const { return "<" + xml_.name().toString().toStdString() + ">"; }

    std::string Text(const char* attribute) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        if (!attributes.hasAttribute(QLatin1String(attribute))) {
            Fail(ZEV_TR("TransponderXml", "%1 has no %2").Arg(Element()).Arg(attribute));
            return {};
        }
        return attributes.value(QLatin1String(attribute)).toString().toStdString();
    }

    std::optional<long long> Number(const char* attribute, long long least, long long most) {
        const std::string text = Text(attribute);
        if (!problem_.Empty()) return std::nullopt;
        bool ok = false;
        const long long value = QString::fromStdString(text).trimmed().toLongLong(&ok);
        if (!ok || value < least || value > most) {
            Fail(ZEV_TR("TransponderXml", "%1 %2=\"%3\" is no whole number from %4 to %5")
                     .Arg(Element())
                     .Arg(attribute)
                     .Arg(text)
                     .Arg(least)
                     .Arg(most));
            return std::nullopt;
        }
        return value;
    }

    FileTransponder Transponder() {
        FileTransponder tp;
        tp.line = static_cast<std::size_t>(xml_.lineNumber());
        // Up to 1000 GHz and 1000 Msymbol/s: far beyond any satellite, yet no overflow.
        constexpr long long kMost = 1'000'000'000'000LL;
        tp.frequency = static_cast<uint64_t>(Number("frequency", 0, kMost).value_or(0));
        tp.symbolRate = static_cast<uint64_t>(Number("symbol_rate", 0, kMost).value_or(0));
        tp.polarization = static_cast<uint32_t>(Number("polarization", 0, 3).value_or(0));
        return tp;
    }

    std::string_view file_;
    QXmlStreamReader xml_;
    Translatable problem_;
};

QString XmlName(const std::string& utf8) {
    QString name = QString::fromStdString(utf8);
    name.removeIf([](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF;
    });
    return name;
}

}  // namespace

Result<TransponderFile, Translatable> ReadTransponderXml(std::string_view file,
                                                         std::span<const uint8_t> bytes) {
    return Reader(file, bytes).Read();
}

std::string TransponderXmlText(const TransponderFile& file) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement("satellites");
    for (const FileSatellite& sat : file.satellites) {
        xml.writeStartElement("sat");
        xml.writeAttribute("name", XmlName(sat.name));
        xml.writeAttribute("flags", "0");
        xml.writeAttribute("position", QString::number(sat.position));
        for (const FileTransponder& tp : sat.transponders) {
            xml.writeEmptyElement("transponder");
            xml.writeAttribute("frequency", QString::number(tp.frequency));
            xml.writeAttribute("symbol_rate", QString::number(tp.symbolRate));
            xml.writeAttribute("polarization", QString::number(tp.polarization));
            xml.writeAttribute("fec_inner", "0");
            xml.writeAttribute("system", "0");
            xml.writeAttribute("modulation", "1");
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

}  // namespace zev
