// A program folder holding the tables of the calculation tests (calc_test_support.h) and one
// document using them, for the tests that run kesto-cli on a document.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "calc_test_support.h"
#include "cli_support.h"
#include "model/document_file.h"
#include "platform/files.h"
#include "tables/material_tables.h"
#include "tables/table_files.h"

namespace kesto::test {

class CliDocument : public ::testing::Test {
  protected:
    CliDocument() {
        doc.unitSystem = 0;
        doc.conditions = testing::makeCalcConditions();
        CKestoCnt& cnt = doc.conditions;
        cnt.writeDetailFile = 0;
        writeFileAtomic(folder.file(steelGradeFileName(0)),
                        serializeSteelGradeTable(cnt.steelGradeTable));
        writeFileAtomic(folder.file(concreteFileName(0)),
                        serializeConcreteTable(cnt.concreteTable));
        writeFileAtomic(folder.file(cnt.hSteelTableName),
                        serializeSectionTable(cnt.hSteelTable, "H"));
        writeFileAtomic(folder.file(cnt.tubeTableName),
                        serializeSectionTable(cnt.tubeTable, "tube"));
        writeFileAtomic(folder.file(cnt.boltTableName), serializeBoltTable(cnt.boltTable, "bolt"));
    }
    // Writes the document as "doc.kso" and returns its path.
    std::string save() {
        const std::string path = folder.file("doc.kso");
        writeFileAtomic(path, serializeDocument(doc));
        return path;
    }
    // The arguments of `name` on the saved document with this program folder, then `rest`.
    std::string command(const std::string& name, const std::string& rest) {
        return name + " '" + save() + "' --program-folder '" + folder.folder() + "' " + rest;
    }

    TempFolder folder;
    DocumentData doc;
};

}  // namespace kesto::test
