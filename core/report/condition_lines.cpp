#include "report/condition_lines.h"

#include "base/codepage.h"
#include "base/text_format.h"

namespace kesto {
namespace {

constexpr std::size_t kPolicyPieceBytes = 255;

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Decodes one piece character by character, so that a stray byte spoils only itself.
std::string decodeLenient(std::string_view bytes) {
    if (auto whole = decodeCp932(bytes)) {
        return *whole;
    }
    std::string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n =
            isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        const auto ch = decodeCp932(bytes.substr(i, n));
        out += ch ? *ch : std::string("?");
        i += n;
    }
    return out;
}

// Text-mode reading: CR LF pairs count as one line feed.
std::string normaliseLineEnds(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        out += bytes[i];
    }
    return out;
}

// The next piece: up to and including a line feed, at most 255 bytes, whole characters only.
std::size_t pieceLength(std::string_view rest) {
    std::size_t i = 0;
    while (i < rest.size() && i < kPolicyPieceBytes) {
        if (rest[i] == '\n') {
            return i + 1;
        }
        const std::size_t n = isLeadByte(static_cast<unsigned char>(rest[i])) ? 2 : 1;
        if (i + n > kPolicyPieceBytes) {
            break;
        }
        i += n;
    }
    return std::min(i, rest.size());
}

const char* routeName(int route) {
    switch (route) {
        case 0:
            return "ﾙｰﾄ1-1";
        case 1:
            return "ﾙｰﾄ1-2/2";
        default:
            return "ﾙｰﾄ3";
    }
}

}  // namespace

std::string policyFileName(int unitSystem, int boltElongation) {
    std::string name = boltElongation == 1 ? "計算方針1" : "計算方針2";
    if (unitSystem == 1) {
        name += "SI";
    }
    return name + ".txt";
}

bool route3SectionShown(const CKestoCnt& cnt) {
    return (cnt.routeX == 2 || cnt.routeY == 2) && cnt.route3NgCheck == 1;
}

std::vector<std::string> parsePolicyText(std::string_view bytes, bool showRoute3Section) {
    const std::string text = normaliseLineEnds(bytes);
    std::vector<std::string> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        std::string piece(rest.substr(0, pieceLength(rest)));
        rest.remove_prefix(piece.size());
        if (piece.front() == ';') {
            continue;
        }
        if (piece.front() == '-') {
            if (!showRoute3Section) {
                break;
            }
            continue;
        }
        if (piece.back() == '\n') {
            piece.back() = ' ';
        }
        lines.push_back(decodeLenient(piece));
    }
    return lines;
}

std::vector<std::string> conditionsBlock(const CKestoCnt& c, int unitSystem) {
    std::vector<std::string> out;
    auto add = [&out](std::string line) { out.push_back(std::move(line)); };
    const bool anyRoute3 = c.routeX == 2 || c.routeY == 2;
    const bool anyUltimate = c.routeX != 0 || c.routeY != 0;

    add("【基本条件】");
    add(strprintf("  入力単位               %s", unitSystem == 1 ? "ＳＩ単位" : "重力単位"));
    add(strprintf("  設計ルート             Ｘ方向 %s Ｙ方向 %s", routeName(c.routeX),
                  routeName(c.routeY)));
    add("・許容応力度設計条件");
    add(strprintf("  ｱﾝｶｰﾎﾞﾙﾄのbAe採用方法  %s",
                  c.boltAeMode == 1 ? "軸部断面積の0.75倍" : "ねじ部断面積"));
    add(strprintf("  ｱﾝｶｰﾎﾞﾙﾄのfs算定式     %s", c.boltFsMode == 1 ? "F/2" : "F/(1.5√3)"));
    add(strprintf("  ﾍﾞｰｽﾌﾟﾚｰﾄの設計応力度  %s", c.basePlateStressMode == 1 ? "平均" : "最大"));
    add(strprintf("  ﾍﾞｰｽﾌﾟﾚｰﾄのfb1算定式   %s",
                  c.basePlateFb1Mode == 1 ? "F/1.3(短期はF)" : "F/1.5"));
    if (anyUltimate) {
        add("・保有耐力接合条件");
        add(strprintf("  ｱﾝｶｰﾎﾞﾙﾄの伸び能力     %s", c.boltElongation == 1 ? "有り" : "無し"));
        add(strprintf("  設計応力のγ倍         X %4.2f Y %4.2f", c.gammaX, c.gammaY));
        add(strprintf("  保有耐力接合α値       X %4.2f Y %4.2f", c.alphaX, c.alphaY));
        add(strprintf("  柱断面性能計算方法     %s",
                      c.sectionFromTable == 1 ? "鋼材表から参照" : "断面欠損考慮"));
        add(strprintf("  柱鉄骨降伏強度割増     %4.2f", c.yieldStrengthFactor));
        if (c.sectionFromTable == 0) {
            add(strprintf("    Ｈ形鋼スカラップ寸法   %4.1f mm", c.scallopSize));
            add(strprintf("    角形鋼管欠損率         Zp %4.2f An %4.2f", c.tubeLossZp,
                          c.tubeLossAn));
            add(strprintf("    断面性能値の丸めを%s(JIS Z 8401)",
                          c.roundSectionProps == 1 ? "行う" : "行わない"));
        }
        if (anyRoute3 && c.route3NgCheck != 0) {
            add("  保有耐力接合(ﾙｰﾄ3)がNGの場合の検討を行う");
            if (c.boltElongation == 1) {
                add(strprintf("    定着金物を使用%s", c.useAnchorBlock == 1 ? "する" : "しない"));
                add(strprintf("    ｺﾝｸﾘｰﾄのせん断破壊の検討を%s",
                              c.concreteShearCheck == 1 ? "行う" : "行わない"));
            }
            add(strprintf("    ｱﾝｶｰﾎﾞﾙﾄのｸﾘｱﾗﾝｽ %4.2f mm", c.boltClearance));
        }
    }
    add("・応力条件");
    add("  基本応力名称、軸力、曲げ、せん断倍率");
    for (const auto& s : c.stressNames) {
        add(strprintf("    %s %4.2f %4.2f %4.2f", s.label.c_str(), s.factorN, s.factorM,
                      s.factorQ));
    }
    add("  長期組み合わせ応力");
    for (const auto& e : c.longTermCombos) {
        add("    " + e.expression);
    }
    add("  短期組み合わせ応力");
    for (const auto& e : c.shortTermCombos) {
        add("    " + e.expression);
    }
    if (c.routeX == 1 || c.routeY == 1) {
        add(strprintf("  ﾙｰﾄ1-2/2保有耐力接合組み合わせ応力(γ倍する応力名称 = %s)",
                      c.gammaStressName.c_str()));
        for (const auto& e : c.ultimateCombos) {
            add("    " + e.expression);
        }
    }
    return out;
}

std::vector<std::string> conditionLines(const CKestoCnt& cnt, int inputUnitSystem,
                                        std::string_view policyBytes) {
    std::vector<std::string> lines = parsePolicyText(policyBytes, route3SectionShown(cnt));
    lines.emplace_back();
    const auto block = conditionsBlock(cnt, inputUnitSystem);
    lines.insert(lines.end(), block.begin(), block.end());
    return lines;
}

}  // namespace kesto
