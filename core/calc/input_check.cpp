#include "calc/input_check.h"

#include <cmath>

namespace kesto {
namespace {

bool usable(double v) {
    return std::isfinite(v) && std::fabs(v) <= kLargestMagnitude;
}

// Walks a record's fields as the file writer does and notes any number that is not usable.
class FiniteScan {
  public:
    static constexpr bool kReading = false;
    bool has(const char*) const { return true; }
    template <class T, class V>
    void absent(const T&, const V&) {}
    template <class T>
    void byte(const T&, const char*) {}
    template <class T>
    void word(const T&, const char*) {}
    template <class T>
    void byteCode(const T&, const char*, unsigned) {}
    void real(double v, const char*) { finite_ = finite_ && usable(v); }
    void ignoredReal(double, const char*) {}
    void text(const std::string&, const char*) {}
    void strings(const std::vector<std::string>&, const char*) {}
    template <class T, class Body>
    void objects(const OwnedList<T>& list, const char*, Body body) {
        for (const T& item : list) {
            body(*this, item);
        }
    }
    template <class R>
    void scan(const R* row) {
        if (row != nullptr) {
            fields(*this, *row);
        }
    }
    bool finite() const { return finite_; }

  private:
    bool finite_ = true;
};

}  // namespace

bool inputsCanBeCalculated(const PageContext& ctx) {
    FiniteScan scan;
    scan.scan(&ctx.page);
    scan.scan(ctx.concrete);
    for (const CSteelRaw* grade :
         {ctx.columnGrade, ctx.basePlateGrade, ctx.ribGrade, ctx.boltGrade}) {
        scan.scan(grade);
    }
    scan.scan(ctx.section);
    scan.scan(ctx.bolt);
    for (double factor : {ctx.cnt.gammaX, ctx.cnt.gammaY, ctx.cnt.alphaX, ctx.cnt.alphaY,
                          ctx.cnt.yieldStrengthFactor, ctx.cnt.scallopSize, ctx.cnt.tubeLossAn,
                          ctx.cnt.tubeLossZp, ctx.cnt.boltClearance}) {
        scan.real(factor, "");
    }
    for (const CStressName& s : ctx.cnt.stressNames) {
        scan.scan(&s);
    }
    return scan.finite();
}

bool combinationsCanBeCalculated(const CKesto& page) {
    FiniteScan scan;
    for (const auto& dir : page.comboResults) {
        for (const auto& list : dir) {
            scan.objects(list, "", [](auto& a, const auto& s) { fields(a, s); });
        }
    }
    for (const auto& list : page.ultimateComboResults) {
        scan.objects(list, "", [](auto& a, const auto& s) { fields(a, s); });
    }
    return scan.finite();
}

}  // namespace kesto
