// Documents in the older formats, written field by field as older programs laid them out.
#pragma once

#include <string>
#include <vector>

#include "base/archive.h"
#include "model/page.h"
#include "model/stress.h"

namespace kesto::test {

// Writes the files of the older formats field by field, as older programs laid them out.
class LegacyFile {
  public:
    explicit LegacyFile(const std::string& version) : version_(version) {
        w_.text("Kesto " + version, "signature");
        w_.text("旧建物", "name");
        w_.text("1999/01/02 03:04", "date");
        w_.text("", "comment");
        w_.word(0, "reserved");
        if (version >= "1.01") {
            w_.word(1, "unit");
        }
        for (int i = 0; i < 8; ++i) {
            w_.byte(i == 0 ? 2 : 1, "option");  // routeX 2, all others 1
        }
        if (version >= "1.02") {
            w_.byte(1, "ribInBoltCantilever");
        }
        for (double v : {2.5, 2.0, 1.2, 1.3, 1.1, 35.0, 1.0, 1.0}) {
            w_.real(v, "factor");
        }
        w_.text("H.tbl", "h");
        w_.text("B.tbl", "b");
        if (version >= "1.04") {
            w_.text("A.tbl", "a");
        }
        w_.text("E", "gamma");
        if (version >= "1.03") {
            w_.byte(1, "r3");
            w_.byte(0, "ab");
            w_.byte(0, "cs");
            w_.real(7.5, "clearance");
        }
        if (version >= "1.04") {
            w_.byte(0, "ae");
            w_.byte(0, "fs");
            w_.byte(0, "fb1");
        }
        OwnedList<CStressName> names;
        names.append(CStressName{"G:常時", 1, 1, 1});
        objectList(w_, names, "CStressName");
        OwnedList<CStringTable> combos;
        combos.append(CStringTable{"G"});
        objectList(w_, combos, "CStringTable");
        objectList(w_, combos, "CStringTable");
        const OwnedList<CStringTable> none;
        objectList(w_, none, "CStringTable");
    }

    // One page with a 500 x 600 plate, in the layout of the file's version; before 1.03 its
    // stored error list holds "古いエラー" and `emptyMessages` empty texts.
    std::string withOnePage(std::size_t emptyMessages = 0) {
        emptyMessages_ = emptyMessages;
        OwnedList<CKesto> pages;
        pages.append();
        w_.objects(pages, "CKesto", [&](ArchiveWriter& w, const CKesto&) { legacyPage(w); });
        return w_.take();
    }

  private:
    void legacyPage(ArchiveWriter& w) {
        for (const char* s :
             {"P1", "Fc210", "SN400", "SN400", "SN400", "SN400", "M24", "□-300x300x12.0"}) {
            w.text(s, "s");
        }
        w.byte(0, "kind");
        w.byte(0, "rotated");
        w.byte(1, "wing");
        for (int n : {2, 2, 1, 1}) {
            w.word(n, "count");
        }
        for (double v : {500.0, 600.0, 32.0, 120.0, 9.0, 60.0, 60.0, 140.0, 140.0}) {
            w.real(v, "dim");
        }
        OwnedList<CStress> basic;
        basic.append(CStress{"G", 1.0, 2.0, 30.0});
        if (version_ >= "1.03") {
            w.byte(0, "ab");
            w.byte(1, "cs");
            for (double v : {700.0, 800.0, 450.0, 120.0, 500.0}) {
                w.real(v, "pedestal");
            }
            if (version_ >= "1.04") {
                w.real(11.0, "Aa");
                w.real(22.0, "Ac");
            }
            for (int i = 0; i < 12; ++i) {
                w.real(i + 1.0, "ultimate");
            }
            objectList(w, basic, "CStress");
            objectList(w, basic, "CStress");
            return;
        }
        for (int dir = 0; dir < 2; ++dir) {
            for (int j = 0; j < 2; ++j) {
                w.real(10.0 * dir + j + 1, "N");
                w.real(0.5, "Q");
                w.real(0.25, "M");
                for (int r = 0; r < 19; ++r) {
                    w.real(r * 0.01, "result");
                }
                w.byte(2, "judgement");
            }
            for (int k = 0; k < 19; ++k) {
                w.real(0.5, "ultimate result");
            }
            w.byte(1, "ultimate judgement");
        }
        objectList(w, basic, "CStress");
        objectList(w, basic, "CStress");
        std::vector<std::string> errors{"古いエラー"};
        errors.resize(1 + emptyMessages_);
        w.strings(errors, "errors");
        w.strings({}, "ng");
    }

    std::string version_;
    std::size_t emptyMessages_ = 0;
    ArchiveWriter w_;
};

}  // namespace kesto::test
