#include "report/print_layout.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(PrintFont, PointAndHeight) {
    EXPECT_EQ(fontHeightFromPoint(12), -16);
    EXPECT_EQ(fontPointFromHeight(-16), 12);
    EXPECT_EQ(fontHeightFromPoint(10), -13);  // 13.33 truncated
    EXPECT_EQ(fontPointFromHeight(-13), 10);  // 9.75 + 0.5
    // 600 dpi: scale 600 / 72 = 8; 16 x 3/4 x 8 = 96.
    EXPECT_EQ(sheetFontHeight(PrintFont{}, 600), -96);
    EXPECT_EQ(sheetFontHeight(PrintFont{}, 300), -48);  // scale 4
}

TEST(SheetCount, PolicyBlocksAndMessages) {
    PrintSettings s;
    // 61 condition lines at 60 per sheet: two policy sheets.
    EXPECT_EQ(countSheets(s, 61, 1, 0).policy, 2);
    EXPECT_EQ(countSheets(s, 60, 1, 0).policy, 1);
    s.blocksAcross = 2;
    s.blocksDown = 2;
    // 7 pages on 2 x 2 blocks: two block sheets.
    const SheetCounts c = countSheets(s, 61, 7, 121);
    EXPECT_EQ(c.blocks, 2);
    EXPECT_EQ(c.messages, 3);
    EXPECT_EQ(c.total(), 7);
    s.printPolicy = 0;
    s.printMessages = 0;
    EXPECT_EQ(countSheets(s, 61, 7, 121).total(), 2);
    EXPECT_EQ(countSheets(s, 61, 0, 0).total(), 0);
}

TEST(SheetContent, BlockSheetsRowByRow) {
    PrintSettings s;
    s.blocksAcross = 2;
    s.blocksDown = 2;
    const SheetCounts c = countSheets(s, 61, 7, 5);
    EXPECT_EQ(describeSheet(s, c, 1, 7).kind, SheetContent::kPolicy);
    const SheetContent second = describeSheet(s, c, 2, 7);
    EXPECT_EQ(second.kind, SheetContent::kPolicy);
    EXPECT_EQ(second.firstLine, 60);
    EXPECT_EQ(describeSheet(s, c, 3, 7).blocks,
              (std::vector<BlockSlot>{
                  {0, 0, 0, false}, {1, 0, 1, true}, {2, 1, 0, false}, {3, 1, 1, true}}));
    // The last block sheet holds three blocks: two in its first row, one in the second.
    EXPECT_EQ(describeSheet(s, c, 4, 7).blocks,
              (std::vector<BlockSlot>{{4, 0, 0, false}, {5, 0, 1, true}, {6, 1, 0, false}}));
    const SheetContent messages = describeSheet(s, c, 5, 7);
    EXPECT_EQ(messages.kind, SheetContent::kMessages);
    EXPECT_EQ(messages.firstLine, 0);
    EXPECT_EQ(messages.number, 5);
}

TEST(SheetContent, NumberingWithPolicyAndMessagesOff) {
    PrintSettings s;
    s.printPolicy = 0;
    s.printMessages = 0;
    s.firstPageNumber = 7;
    const SheetCounts c = countSheets(s, 80, 2, 10);
    const SheetContent first = describeSheet(s, c, 1, 2);
    EXPECT_EQ(first.kind, SheetContent::kBlocks);
    EXPECT_EQ(first.blocks, (std::vector<BlockSlot>{{0, 0, 0, false}}));
    EXPECT_EQ(first.number, 7);
    EXPECT_EQ(pageNumberText(s, first.number), "-7-");
}

TEST(PageNumber, TextAndFormats) {
    PrintSettings s;
    EXPECT_EQ(pageNumberText(s, 12), "-12-");
    EXPECT_EQ(pageNumberText(s, 0), "");  // zero and below are not printed
    EXPECT_EQ(pageNumberText(s, -1), "");
    s.pageNumberFormat = "P.%03d (100%%)";
    EXPECT_EQ(pageNumberText(s, 5), "P.005 (100%)");
    for (const char* bad : {"%s", "%d-%d", "page", "%n", "%.2f", "%99999d"}) {
        s.pageNumberFormat = bad;
        EXPECT_EQ(pageNumberText(s, 5), "-5-") << bad;
    }
    s.pageNumberFormat = "-%d-";
    s.printPageNumber = 0;
    EXPECT_EQ(pageNumberText(s, 5), "");
}

TEST(PageNumber, Position) {
    PrintSettings s;
    DeviceMetrics m;
    m.dpiX = m.dpiY = 600;
    m.charWidth = widen(50);   // a block sheet: 55
    m.lineHeight = widen(96);  // 105.6 -> 106
    m.printableWidth = 4800;
    m.printableHeight = 6600;
    EXPECT_EQ(m.charWidth, 55);
    EXPECT_EQ(m.lineHeight, 106);
    // Centred with the widened width: (4800 - 3 x 55) / 2; 10 mm below: 600 x 10 / 25.4 = 236.2.
    TextPosition p = pageNumberPosition(s, m, 3);
    EXPECT_EQ(p.x, 2317);
    EXPECT_EQ(p.y, 6600 - 106 - 236);
    s.pageNumberAlign = 2;
    s.pageNumberOffsetX = 5;  // 118.6 -> 118
    s.pageNumberAtBottom = 0;
    p = pageNumberPosition(s, m, 4);
    EXPECT_EQ(p.x, 4800 - 220 - 118);
    EXPECT_EQ(p.y, 236);
    s.pageNumberAlign = 0;
    EXPECT_EQ(pageNumberPosition(s, m, 4).x, 118);
}

TEST(BlockPlacement, RowsFollowTheLastBlockOfTheRow) {
    PrintSettings s;  // 15 mm margins: 600 x 15 / 25.4 = 354.3 -> 354
    s.blocksAcross = 2;
    s.blocksDown = 2;
    DeviceMetrics m;
    m.dpiX = m.dpiY = 600;
    m.charWidth = 55;
    m.lineHeight = 106;
    const std::vector<BlockSlot> slots{{4, 0, 0, false}, {5, 0, 1, true}, {6, 1, 0, false}};
    const std::vector<BlockExtent> extents{{68, 40}, {48, 36}, {68, 40}};
    const auto placed = placeBlocks(s, m, slots, extents);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].x, 354);
    EXPECT_EQ(placed[0].y, 354);
    EXPECT_EQ(placed[0].right, 354 + 55 * 68);
    EXPECT_EQ(placed[1].x, placed[0].right);
    EXPECT_EQ(placed[1].y, 354);
    // The second row starts one line below the bottom of the first row's last block.
    EXPECT_EQ(placed[2].x, 354);
    EXPECT_EQ(placed[2].y, 354 + 106 * 36 + 106);
    const DeviceRect r = cellRect(placed[1].x, placed[1].y, m, 2, 3, 8, 1);
    EXPECT_EQ(r.left, placed[1].x + 110);
    EXPECT_EQ(r.top, 354 + 318);
    EXPECT_EQ(r.right, r.left + 440 + 1);
    EXPECT_EQ(r.bottom, r.top + 106 + 1);
}

TEST(ScreenLayout, ConditionsBesideTheCells) {
    // 68 x 40 cells of 8 x 16: conditions from 68 x 8 + 8 = 552; 30 lines of 600 width at 20.
    ScreenLayout s = screenLayout({68, 40}, 8, 16, 600, 30, 20);
    EXPECT_EQ(s.conditionsLeft, 552);
    EXPECT_EQ(s.scrollWidth, 552 + 600 + 16);
    EXPECT_EQ(s.scrollHeight, 640 + 32);  // the cells are lower than the 600 of the lines
    s = screenLayout({68, 40}, 8, 16, 600, 50, 20);
    EXPECT_EQ(s.scrollHeight, 1000 + 32);
    s = screenLayout({}, 8, 16, 600, 50, 20);
    EXPECT_EQ(s.scrollWidth, 100);
    EXPECT_EQ(s.scrollHeight, 100);
}

}  // namespace
}  // namespace kesto
