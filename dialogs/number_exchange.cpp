#include "dialogs/number_exchange.h"

#include <QLineEdit>
#include <QMessageBox>
#include <cmath>

namespace kesto::dialogs {
namespace {

bool refuse(QLineEdit* edit, const char* message) {
    showInputMessage(edit->window(), QString::fromUtf8(message));
    edit->setFocus();
    edit->selectAll();
    return false;
}

}  // namespace

void showInputMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kesto"), text, QMessageBox::Ok, parent);
    box.exec();
}

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

std::optional<double> parseNumber(const QString& text, std::optional<double> emptyAs) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return emptyAs;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<int> parseInteger(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional(v) : std::nullopt;
}

bool readNumber(QLineEdit* edit, double& value, std::optional<double> emptyAs) {
    const auto v = parseNumber(edit->text(), emptyAs);
    if (!v) {
        return refuse(edit, kNotANumberMessage);
    }
    value = *v;
    return true;
}

bool readInteger(QLineEdit* edit, int& value) {
    const auto v = parseInteger(edit->text());
    if (!v) {
        return refuse(edit, kNotAnIntegerMessage);
    }
    value = *v;
    return true;
}

}  // namespace kesto::dialogs
