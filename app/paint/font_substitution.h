// Stand-ins for the Windows Japanese fonts that documents and settings name. The report is laid
// out on a fixed character grid, so a 明朝 face is replaced by the fixed-pitch IPA明朝 and a
// ゴシック face by the fixed-pitch IPAゴシック, proportional variants included.
#pragma once

#include <QString>

namespace kesto::app {

// The installed family to use for `family`: the IPA face of the same kind for a Windows
// Japanese font name, the family itself when it is installed, IPA明朝 otherwise.
QString substituteFontFamily(const QString& family);

// Registers the stand-ins with Qt, so that a QFont naming a Windows Japanese font (a font dialog
// initialised from the settings, for instance) finds the IPA face too.
void installFontSubstitutes();

}  // namespace kesto::app
