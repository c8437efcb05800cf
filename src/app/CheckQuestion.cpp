#include "app/CheckQuestion.h"

#include <QCoreApplication>

#include "ui/TranslatedText.h"
#include "ui/UiPrompts.h"

namespace {

// Enough to see what kind of trouble it is without a message box taller than the screen.
constexpr std::size_t kErrorsNamed = 3;

}  // namespace

QString CheckErrorsQuestion(const zev::CheckResult& result, const QString& goOn) {
    const std::size_t errors = result.errors;
    QString text =
        errors == 1 ? QCoreApplication::translate("CheckQuestion",
                                                  "The channel list has 1 error that the box would "
                                                  "misread:\n")
                    : QCoreApplication::translate("CheckQuestion",
                                                  "The channel list has %1 errors that the box "
                                                  "would misread:\n")
                          .arg(errors);
    std::size_t named = 0;
    for (const zev::CheckFinding& finding : result.findings) {
        if (named == kErrorsNamed) break;
        if (finding.Severity() != zev::CheckSeverity::Error) continue;
        text += QStringLiteral("\n") + Translated(finding.message);
        ++named;
    }
    if (errors > named) {
        text += QLatin1Char('\n') +
                QCoreApplication::translate("CheckQuestion",
                                            "(and %1 more; Data \"Check Database\" lists them all)")
                    .arg(errors - named);
    }
    return text + QStringLiteral("\n\n") + goOn;
}

bool ConfirmDespiteCheckErrors(UiPrompts& prompts, const zev::ChannelDatabase& db,
                               zev::ImageKind kind, const QString& goOn) {
    const zev::CheckResult result = zev::CheckDatabase(db, kind);
    if (!result.HasErrors()) return true;
    return prompts.Message(CheckErrorsQuestion(result, goOn),
                           QCoreApplication::translate("CheckQuestion", "Check Database"),
                           zev::MsgIcon::Exclamation, zev::MsgButtons::YesNo,
                           zev::MsgAnswer::No) == zev::MsgAnswer::Yes;
}
