// One column base (a page of the document): its inputs, its basic stresses, and at run time the
// combination results, the results of every check and the messages of the last calculation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/owned_list.h"
#include "model/stress.h"

namespace kesto {

// Index conventions: dir 0 = X, 1 = Y; term 0 = long, 1 = short; sense 0 = L->R, 1 = R->L.
using DirPair = std::array<std::array<double, 2>, 2>;  // [dir][slot] or [dir][sense]
using JudgementPair = std::array<std::array<std::uint8_t, 2>, 2>;
constexpr int kUltimateSlots = 43;
constexpr int kGoverningUltimateSlot = 42;

// The largest magnitude a number typed into a page may have (-99999 ... 99999).
inline constexpr double kLargestEntry = 99999.0;

// Judgement codes of allowJudgement and ultimateJudgement.
enum Judgement : std::uint8_t { kNotCalculated = 0, kJudgedOk = 1, kJudgedNg = 2 };
// "-" (not calculated), "OK", or "NG" for anything else.
const char* judgementText(std::uint8_t judgement);

struct CKesto {
    // Inputs, in file order. Lengths in mm, forces in the document's input unit.
    std::string mark = "C";
    std::string concreteGrade = "Fc210";
    std::string columnSteelGrade = "SN400";
    std::string basePlateSteelGrade = "SN400";
    std::string ribSteelGrade = "SN400";
    std::string boltSteelGrade = "SN400";
    std::string boltName = "M30";
    std::string columnSection = "□-350x350x16.0";
    std::uint8_t columnKind = 0;  // 0 square tube, 1 H-shape
    std::uint8_t rotated = 0;
    std::uint8_t wingPlate = 1;
    int boltCountX = 3;
    int boltCountY = 3;
    int ribCountX = 2;
    int ribCountY = 2;
    double plateB = 650;
    double plateD = 650;
    double plateT = 36;
    double ribH = 150;
    double ribT = 12;
    double boltGaugeX = 75;
    double boltGaugeY = 75;
    double ribGaugeX = 158;
    double ribGaugeY = 158;
    std::uint8_t useAnchorBlock = 1;
    std::uint8_t concreteShearCheck = 1;
    double pedestalB = 750;
    double pedestalD = 750;
    double anchorBlockB = 650;
    double anchorBlockD = 140;
    double boltLength = 600;
    double inputAa = 0;
    double inputAc = 0;
    DirPair ultimateN{};  // [dir][sense]
    DirPair ultimateQ{};
    DirPair ultimateM{};
    std::array<OwnedList<CStress>, 2> basicStresses;  // [dir]

    // Run-time members, never stored in current files.
    double usedAa = 0;
    double usedAc = 0;
    std::array<std::array<OwnedList<CStress>, 2>, 2> comboResults;  // [dir][term]
    std::array<OwnedList<CStress>, 2> ultimateComboResults;         // [dir]

    // Allowable-stress results, [dir][slot]; their order is that of kAllowableResults.
    DirPair sigmaC{};
    DirPair allowFc{};
    DirPair boltTensionSum{};
    DirPair boltTensionAllow{};
    DirPair plateMb{};
    DirPair plateMa{};
    DirPair ribTau{};
    DirPair ribFs{};
    DirPair ribWeldLw{};
    DirPair ribWeldH{};
    DirPair shearQD{};
    DirPair shearQa{};
    DirPair ratioConcrete{};
    DirPair ratioBoltTension{};
    DirPair ratioPlate{};
    DirPair ratioRibShear{};
    DirPair ratioRibWeld{};
    DirPair ratioShear{};
    DirPair ratioMax{};
    JudgementPair allowJudgement{};

    std::array<std::array<double, 2>, kUltimateSlots> ultimateResults{};  // [k][dir]
    std::array<std::uint8_t, 2> ultimateJudgement{};

    std::vector<std::string> errorMessages;
    std::vector<std::string> ngMessages;

    // Empties every result, judgement and message; inputs and stress lists stay.
    void resetResults();
    // The first basic stress of `dir` named exactly `symbol` (its index), or none (-1).
    int basicStressIndex(int dir, const std::string& symbol) const;
    const CStress* findBasicStress(int dir, const std::string& symbol) const;
    void clearComboResults();
    void clearUltimateComboResults();

    bool operator==(const CKesto&) const = default;
};

// The nineteen allowable-stress result arrays in their fixed order (sigmaC ... ratioMax).
struct AllowableResultField {
    const char* name;
    DirPair CKesto::*member;
};
extern const std::array<AllowableResultField, 19> kAllowableResults;

// The route-3 forces, stored per direction and sense as N, Q, M in turn; a visitor that takes a
// direction pair whole (the JSON side, `pair`) gets "ultimateN", "ultimateQ" and "ultimateM".
template <class Ar, class R>
void routeThreeForces(Ar& ar, R& k) {
    if constexpr (requires { ar.pair("ultimateN", k.ultimateN); }) {
        ar.pair("ultimateN", k.ultimateN);
        ar.pair("ultimateQ", k.ultimateQ);
        ar.pair("ultimateM", k.ultimateM);
    } else {
        for (int dir = 0; dir < 2; ++dir) {
            for (int sense = 0; sense < 2; ++sense) {
                ar.real(k.ultimateN[dir][sense], "ultimateN");
                ar.real(k.ultimateQ[dir][sense], "ultimateQ");
                ar.real(k.ultimateM[dir][sense], "ultimateM");
            }
        }
    }
}

// The basic stresses, the X list then the Y list; a visitor that takes both lists whole (the JSON
// side, `listPair`) gets them as "basicStresses".
template <class Ar, class R>
void basicStressLists(Ar& ar, R& k) {
    if constexpr (requires { ar.listPair("basicStresses", k.basicStresses); }) {
        ar.listPair("basicStresses", k.basicStresses);
    } else {
        objectList(ar, k.basicStresses[0], "CStress");
        objectList(ar, k.basicStresses[1], "CStress");
    }
}

template <class Ar, class R>
void fields(Ar& ar, R& k) requires std::is_same_v<std::remove_const_t<R>, CKesto> {
    ar.text(k.mark, "mark");
    ar.text(k.concreteGrade, "concreteGrade");
    ar.text(k.columnSteelGrade, "columnSteelGrade");
    ar.text(k.basePlateSteelGrade, "basePlateSteelGrade");
    ar.text(k.ribSteelGrade, "ribSteelGrade");
    ar.text(k.boltSteelGrade, "boltSteelGrade");
    ar.text(k.boltName, "boltName");
    ar.text(k.columnSection, "columnSection");
    ar.byte(k.columnKind, "columnKind");
    ar.byte(k.rotated, "rotated");
    ar.byte(k.wingPlate, "wingPlate");
    ar.word(k.boltCountX, "boltCountX");
    ar.word(k.boltCountY, "boltCountY");
    ar.word(k.ribCountX, "ribCountX");
    ar.word(k.ribCountY, "ribCountY");
    ar.real(k.plateB, "plateB");
    ar.real(k.plateD, "plateD");
    ar.real(k.plateT, "plateT");
    ar.real(k.ribH, "ribH");
    ar.real(k.ribT, "ribT");
    ar.real(k.boltGaugeX, "boltGaugeX");
    ar.real(k.boltGaugeY, "boltGaugeY");
    ar.real(k.ribGaugeX, "ribGaugeX");
    ar.real(k.ribGaugeY, "ribGaugeY");
    if (ar.has("1.03")) {
        ar.byte(k.useAnchorBlock, "useAnchorBlock");
        ar.byte(k.concreteShearCheck, "concreteShearCheck");
        ar.real(k.pedestalB, "pedestalB");
        ar.real(k.pedestalD, "pedestalD");
        ar.real(k.anchorBlockB, "anchorBlockB");
        ar.real(k.anchorBlockD, "anchorBlockD");
        ar.real(k.boltLength, "boltLength");
        if (ar.has("1.04")) {
            ar.real(k.inputAa, "inputAa");
            ar.real(k.inputAc, "inputAc");
        } else {
            ar.absent(k.inputAa, 0.0);
            ar.absent(k.inputAc, 0.0);
        }
        routeThreeForces(ar, k);
        basicStressLists(ar, k);
    } else if constexpr (Ar::kReading) {
        // Before format 1.03 a page held no pedestal data but stored its last results and
        // messages. Every page is recalculated when it is opened, so they are read past: the
        // results as they are, the messages (which may be many) checked and not kept.
        ar.absent(k.useAnchorBlock, 1);
        ar.absent(k.concreteShearCheck, 1);
        ar.absent(k.pedestalB, k.plateB + 100);
        ar.absent(k.pedestalD, k.plateD + 100);
        ar.absent(k.anchorBlockB, k.plateB);
        ar.absent(k.anchorBlockD, 140.0);
        ar.absent(k.boltLength, 600.0);
        ar.absent(k.inputAa, 0.0);
        ar.absent(k.inputAc, 0.0);
        for (int dir = 0; dir < 2; ++dir) {
            for (int j = 0; j < 2; ++j) {
                ar.real(k.ultimateN[dir][j], "ultimateN");
                ar.real(k.ultimateQ[dir][j], "ultimateQ");
                ar.real(k.ultimateM[dir][j], "ultimateM");
                for (const auto& f : kAllowableResults) {
                    ar.ignoredReal((k.*f.member)[dir][j], f.name);
                }
                ar.byte(k.allowJudgement[dir][j], "allowJudgement");
            }
            for (int s = 0; s < 18; ++s) {
                ar.ignoredReal(k.ultimateResults[s][dir], "ultimateResults");
            }
            ar.ignoredReal(k.ultimateResults[kGoverningUltimateSlot][dir], "ultimateResults");
            ar.byte(k.ultimateJudgement[dir], "ultimateJudgement");
        }
        objectList(ar, k.basicStresses[0], "CStress");
        objectList(ar, k.basicStresses[1], "CStress");
        ar.skipStrings("errorMessages");
        ar.skipStrings("ngMessages");
    }
}

}  // namespace kesto
