#include "report/print_settings_store.h"

namespace kesto {
namespace {

constexpr const char* kFont = "Font";
constexpr const char* kPrint = "Print";

// The integer keys of section "Print" and their members.
struct IntKey {
    const char* key;
    int PrintSettings::*member;
};
constexpr IntKey kPrintKeys[] = {
    {"IsDescript", &PrintSettings::printPolicy},
    {"IsWarning", &PrintSettings::printMessages},
    {"IsPageNo", &PrintSettings::printPageNumber},
    {"OutputColm", &PrintSettings::blocksAcross},
    {"OutputRow", &PrintSettings::blocksDown},
    {"LineMax", &PrintSettings::linesPerSheet},
    {"TopWhite", &PrintSettings::topMarginMm},
    {"LeftWhite", &PrintSettings::leftMarginMm},
    {"PageNo", &PrintSettings::firstPageNumber},
    {"PagePosX", &PrintSettings::pageNumberOffsetX},
    {"PagePosY", &PrintSettings::pageNumberOffsetY},
    {"PageTB", &PrintSettings::pageNumberAtBottom},
    {"PageLCR", &PrintSettings::pageNumberAlign},
    {"SIUnitFlag", &PrintSettings::outputUnitSystem},
    {"Landscape", &PrintSettings::paperLandscape},
};

}  // namespace

PrintSettings loadPrintSettings(const Profile& profile) {
    PrintSettings s;
    s.printFont.faceName = profile.getString(kFont, "FontName", s.printFont.faceName);
    s.printFont.height = fontHeightFromPoint(profile.getInt(kFont, "FontPoint", 12));
    s.printFont.weight = profile.getInt(kFont, "FontWeight", s.printFont.weight);
    s.printFont.italic = profile.getInt(kFont, "FontItalic", s.printFont.italic);
    for (const auto& k : kPrintKeys) {
        s.*k.member = profile.getInt(kPrint, k.key, s.*k.member);
    }
    s.pageNumberFormat = profile.getString(kPrint, "PageFormat", s.pageNumberFormat);
    s.paperName = profile.getString(kPrint, "Paper", s.paperName);
    return s;
}

void savePrintSettings(const PrintSettings& s, Profile& profile) {
    profile.setString(kFont, "FontName", s.printFont.faceName);
    profile.setInt(kFont, "FontPoint", fontPointFromHeight(s.printFont.height));
    profile.setInt(kFont, "FontWeight", s.printFont.weight);
    profile.setInt(kFont, "FontItalic", s.printFont.italic);
    for (const auto& k : kPrintKeys) {
        profile.setInt(kPrint, k.key, s.*k.member);
    }
    profile.setString(kPrint, "PageFormat", s.pageNumberFormat);
    profile.setString(kPrint, "Paper", s.paperName);
}

}  // namespace kesto
