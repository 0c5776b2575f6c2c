#include "app/print/batch_print.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/print/report_sheets.h"
#include "app/settings_profile.h"
#include "document/data_folder.h"
#include "document/document.h"
#include "platform/profile.h"

namespace kesto::app {
namespace {

constexpr int kFailed = 2;

int fail(const QString& message) {
    std::fprintf(stderr, "kesto: %s\n", message.toLocal8Bit().constData());
    return kFailed;
}

// Opens `documentPath` with the settings of `profile`; null after reporting the failure.
std::unique_ptr<KestoDocument> openForPrint(const QString& documentPath, Profile& profile) {
    auto document = std::make_unique<KestoDocument>(dataFolder(), profile);
    try {
        document->open(documentPath.toStdString());
    } catch (const std::exception& e) {
        fail(QStringLiteral("%1 を開けません: %2").arg(documentPath, QString::fromUtf8(e.what())));
        return nullptr;
    }
    return document;
}

}  // namespace

int printToPdf(const QString& pdfPath, const QString& documentPath, const QString& profilePath) {
    QSettings settings;
    SettingsProfile programProfile(settings);
    IniProfile fileProfile;
    if (!profilePath.isEmpty()) {
        try {
            fileProfile = IniProfile::load(profilePath.toStdString());
        } catch (const std::exception& e) {
            return fail(QStringLiteral("%1 を読めません: %2")
                            .arg(profilePath, QString::fromUtf8(e.what())));
        }
    }
    Profile& profile = profilePath.isEmpty() ? static_cast<Profile&>(programProfile) : fileProfile;
    const auto document = openForPrint(documentPath, profile);
    if (!document) {
        return kFailed;
    }
    const QString error = writeReportPdf(*document, pdfPath);
    return error.isEmpty() ? 0 : fail(error);
}

int printToDefaultPrinter(const QString& documentPath) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return fail(QStringLiteral("プリンタがインストールされていません。"));
    }
    QSettings settings;
    SettingsProfile profile(settings);
    const auto document = openForPrint(documentPath, profile);
    if (!document) {
        return kFailed;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentPath);
    if (!ReportSheets(*document).paintAll(printer)) {
        return fail(QStringLiteral("%1 を印刷できません。").arg(documentPath));
    }
    return 0;
}

}  // namespace kesto::app
