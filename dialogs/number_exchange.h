// The exchange of numbers between dialog values and line edits, shared by the input dialogs:
// numbers are shown in the ordinary short form ("650", "131.5"); a text that is not a number
// is refused with the usual message, and the edit gets the focus so that the user can mend it.
#pragma once

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace kesto::dialogs {

inline constexpr const char* kNotANumberMessage = "数字を入力してください。";
inline constexpr const char* kNotAnIntegerMessage = "整数を入力してください。";

// An input message of a dialog: a modal message box over `parent` with the program's title.
void showInputMessage(QWidget* parent, const QString& text);

QString numberText(double value);

// The number in the edit (surrounding blanks allowed), or none for anything else, infinities
// and NaN included. `emptyAs` gives the value of an empty edit where one is allowed.
std::optional<double> parseNumber(const QString& text, std::optional<double> emptyAs = {});
std::optional<int> parseInteger(const QString& text);

// Reads the edit into `value`; on a bad text shows the message, focuses and selects the edit
// and returns false with `value` unchanged.
bool readNumber(QLineEdit* edit, double& value, std::optional<double> emptyAs = {});
bool readInteger(QLineEdit* edit, int& value);

}  // namespace kesto::dialogs
