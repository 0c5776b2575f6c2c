#include "tables/lookup.h"

namespace kesto {
namespace {

template <class T>
const T* firstNamed(const OwnedList<T>& table, const std::string& name) {
    for (const T& row : table) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

SectionLookup findSection(const OwnedList<CSteel>& table, const std::string& name) {
    if (name.empty()) {
        return {};
    }
    if (name.front() == '-') {
        return {0, nullptr};
    }
    const CSteel* row = firstNamed(table, name);
    return row != nullptr ? SectionLookup{0, row} : SectionLookup{};
}

}  // namespace

const CConcreteRaw* findConcrete(const CKestoCnt& cnt, const std::string& name) {
    return firstNamed(cnt.concreteTable, name);
}

const CSteelRaw* findSteelGrade(const CKestoCnt& cnt, const std::string& name) {
    return firstNamed(cnt.steelGradeTable, name);
}

const CABolt* findAnchorBolt(const CKestoCnt& cnt, const std::string& name) {
    return firstNamed(cnt.boltTable, name);
}

SectionLookup findHSection(const CKestoCnt& cnt, const std::string& name) {
    return findSection(cnt.hSteelTable, name);
}

SectionLookup findTubeSection(const CKestoCnt& cnt, const std::string& name) {
    return findSection(cnt.tubeTable, name);
}

}  // namespace kesto
