#include "model/field_ref.h"

#include <type_traits>
#include <utility>

namespace kesto {
namespace {

// The resolvers serve both the reading and the storing side.
template <class Cnt>
auto* pageOf(Cnt& cnt, const FieldRef& ref) {
    using Page = std::conditional_t<std::is_const_v<Cnt>, const CKesto, CKesto>;
    if (ref.page < 0 || static_cast<std::size_t>(ref.page) >= cnt.pages.size()) {
        return static_cast<Page*>(nullptr);
    }
    return &cnt.pages[static_cast<std::size_t>(ref.page)];
}

bool inPair(int i) {
    return i == 0 || i == 1;
}

template <class Page>
auto* textField(Page& p, FieldRef::Field field) {
    using Text = std::conditional_t<std::is_const_v<Page>, const std::string, std::string>;
    switch (field) {
        case FieldRef::kMark:
            return &p.mark;
        case FieldRef::kColumnSteelGrade:
            return &p.columnSteelGrade;
        case FieldRef::kBasePlateSteelGrade:
            return &p.basePlateSteelGrade;
        case FieldRef::kRibSteelGrade:
            return &p.ribSteelGrade;
        case FieldRef::kBoltSteelGrade:
            return &p.boltSteelGrade;
        case FieldRef::kConcreteGrade:
            return &p.concreteGrade;
        default:
            return static_cast<Text*>(nullptr);
    }
}

template <class Page>
auto* numberField(Page& p, const FieldRef& ref) {
    using Number = std::conditional_t<std::is_const_v<Page>, const double, double>;
    if (!inPair(ref.dir)) {
        return static_cast<Number*>(nullptr);
    }
    switch (ref.field) {
        case FieldRef::kBasicN:
        case FieldRef::kBasicM:
        case FieldRef::kBasicQ: {
            auto& list = p.basicStresses[static_cast<std::size_t>(ref.dir)];
            if (ref.index < 0 || static_cast<std::size_t>(ref.index) >= list.size()) {
                return static_cast<Number*>(nullptr);
            }
            auto& s = list[static_cast<std::size_t>(ref.index)];
            return ref.field == FieldRef::kBasicN   ? &s.n
                   : ref.field == FieldRef::kBasicM ? &s.m
                                                    : &s.q;
        }
        case FieldRef::kUltimateN:
        case FieldRef::kUltimateM:
        case FieldRef::kUltimateQ: {
            if (!inPair(ref.index)) {
                return static_cast<Number*>(nullptr);
            }
            auto& forces = ref.field == FieldRef::kUltimateN   ? p.ultimateN
                           : ref.field == FieldRef::kUltimateM ? p.ultimateM
                                                               : p.ultimateQ;
            return &forces[static_cast<std::size_t>(ref.dir)][static_cast<std::size_t>(ref.index)];
        }
        default:
            return static_cast<Number*>(nullptr);
    }
}

}  // namespace

std::optional<FieldValue> readField(const CKestoCnt& cnt, const FieldRef& ref) {
    const CKesto* page = pageOf(cnt, ref);
    if (page == nullptr) {
        return std::nullopt;
    }
    if (const std::string* text = textField(*page, ref.field)) {
        return *text;
    }
    if (const double* number = numberField(*page, ref)) {
        return *number;
    }
    return std::nullopt;
}

std::optional<FieldValue> storeField(CKestoCnt& cnt, const FieldRef& ref, const FieldValue& value) {
    CKesto* page = pageOf(cnt, ref);
    if (page == nullptr) {
        return std::nullopt;
    }
    if (std::string* text = textField(*page, ref.field)) {
        const auto* v = std::get_if<std::string>(&value);
        if (v == nullptr) {
            return std::nullopt;
        }
        return std::exchange(*text, *v);
    }
    if (double* number = numberField(*page, ref)) {
        if (const auto* v = std::get_if<double>(&value)) {
            return std::exchange(*number, *v);
        }
        if (const auto* v = std::get_if<int>(&value)) {
            return std::exchange(*number, static_cast<double>(*v));
        }
    }
    return std::nullopt;
}

}  // namespace kesto
