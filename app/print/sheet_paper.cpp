#include "app/print/sheet_paper.h"

#include <QPageSize>
#include <QPrinter>

namespace kesto::app {
namespace {

QPageSize namedPageSize(const std::string& name) {
    const QString key = QString::fromStdString(name);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::key(size) == key) {
            return QPageSize(size);
        }
    }
    return QPageSize(QPageSize::A4);
}

}  // namespace

QPageLayout sheetLayout(const PrintSettings& settings) {
    return QPageLayout(
        namedPageSize(settings.paperName),
        settings.paperLandscape != 0 ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void usePaper(const PrintSettings& settings, QPrinter& printer) {
    const QPageLayout sheets = sheetLayout(settings);
    printer.setPageSize(sheets.pageSize());
    printer.setPageOrientation(sheets.orientation());
}

void keepPaper(const QPageLayout& layout, PrintSettings& settings) {
    // A paper without a name of its own (a custom size) keeps the paper kept before.
    if (layout.pageSize().id() != QPageSize::Custom) {
        settings.paperName = layout.pageSize().key().toStdString();
    }
    settings.paperLandscape = layout.orientation() == QPageLayout::Landscape ? 1 : 0;
}

}  // namespace kesto::app
