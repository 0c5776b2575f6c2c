#include "app/commands.h"

#include <vector>

#include "app/toolbar_icons.h"

namespace kesto::app {
namespace {

struct CommandEntry {
    Command command;
    const char* text;
    const char* prompt;  // the status-bar text while the item is highlighted
    const char* tip;     // the tool tip of its toolbar button
    QKeySequence keys;
    bool checkable = false;
};

// Built on use: key sequences need the running application.
std::vector<CommandEntry> commandTable() {
    return {
        {Command::fileNew, "新規作成(&N)", "新規にﾌｧｲﾙを作成します。", "新規作成",
         QKeySequence::New},
        {Command::fileOpen, "開く(&O)...", "既存のﾌｧｲﾙを開きます。", "開く", QKeySequence::Open},
        {Command::fileSave, "上書き保存(&S)", "作業中のﾌｧｲﾙを上書きして保存します。", "上書き保存",
         QKeySequence::Save},
        {Command::fileSaveAs,
         "名前を付けて保存(&A)...",
         "作業中のﾌｧｲﾙを新しい名前で保存します。",
         "名前を付けて保存",
         {}},
        {Command::filePrint, "印刷(&P)...", "作業中のﾌｧｲﾙを印刷します。", "印刷",
         QKeySequence::Print},
        {Command::filePrintPreview,
         "印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
         "印刷したときの状態を表示します。",
         "印刷ﾌﾟﾚﾋﾞｭｰ",
         {}},
        {Command::printSetup,
         "ﾌﾟﾘﾝﾀの設定(&R)...",
         "ﾌﾟﾘﾝﾀおよびﾌﾟﾘﾝﾀ接続の設定を変更します。",
         "ﾌﾟﾘﾝﾀの設定",
         {}},
        {Command::exportPdf, "PDFに出力...", "計算書をPDFﾌｧｲﾙに出力します。", "PDFに出力", {}},
        {Command::importStresses,
         "応力の読み込み...",
         "応力表（CSV）の応力を符号の一致するﾍﾟｰｼﾞに読み込みます。",
         "応力の読み込み",
         {}},
        {Command::exportStresses,
         "応力の書き出し...",
         "全ﾍﾟｰｼﾞの応力を応力表（CSV）に書き出します。",
         "応力の書き出し",
         {}},
        {Command::exit,
         "アプリケーションの終了(&X)",
         "ﾌｧｲﾙの保存を確認して Kesto を終了します。",
         "終了",
         {}},
        {Command::undo, "元に戻す(&U)", "直前の操作を元に戻します。", "元に戻す",
         QKeySequence::Undo},
        {Command::redo, "やり直し(&Y)", "元に戻した操作をやり直します。", "やり直し",
         QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {Command::firstPage, "先頭(&T)", "先頭のﾍﾟｰｼﾞを表示します。", "先頭ﾍﾟｰｼﾞ",
         QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {Command::previousPage, "前頁(&B)", "前のﾍﾟｰｼﾞを表示します。", "前頁",
         QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {Command::jump, "移動(&M)", "ﾍﾟｰｼﾞを選んで表示し、ﾍﾟｰｼﾞの順序を入れ替えます。",
         "ジャンプと移動", QKeySequence(Qt::CTRL | Qt::Key_J)},
        {Command::nextPage, "次頁(&N)", "次のﾍﾟｰｼﾞを表示します。", "次頁",
         QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {Command::lastPage, "最後(&E)", "最後のﾍﾟｰｼﾞを表示します。", "最終ﾍﾟｰｼﾞ",
         QKeySequence(Qt::CTRL | Qt::Key_End)},
        {Command::insertPage,
         "挿入(&R)",
         "現在のﾍﾟｰｼﾞの後ろに新しいﾍﾟｰｼﾞを挿入します。",
         "ﾍﾟｰｼﾞの挿入",
         {}},
        {Command::deletePage, "削除(&D)", "現在のﾍﾟｰｼﾞを削除します。", "ﾍﾟｰｼﾞの削除", {}},
        {Command::convertUnits,
         "単位変換(&C)",
         "重力単位での入力応力をＳＩ単位に変換します。",
         "単位変換",
         {}},
        {Command::building,
         "建物名称(&T)",
         "建物名称、日付、コメントを設定します。",
         "建物名称",
         {}},
        {Command::conditions,
         "基本条件(&B)",
         "設計条件、柱断面性能などの基本条件を設定します。",
         "基本条件",
         {}},
        {Command::stressConditions,
         "応力条件(&O)",
         "基本応力と応力の組み合わせを設定します。",
         "応力条件",
         {}},
        {Command::siUnit, "ＳＩ単位(&S)", "入力単位をＳＩ単位にします。", "ＳＩ単位", {}, true},
        {Command::gravityUnit,
         "重力単位(&G)",
         "入力単位を重力単位にします。",
         "重力単位",
         {},
         true},
        {Command::concreteTable, "ｺﾝｸﾘｰﾄ材質(&C)", "ｺﾝｸﾘｰﾄの材質を設定します。", "ｺﾝｸﾘｰﾄ材質", {}},
        {Command::steelGradeTable, "鋼材材質(&S)", "鋼材の材質を設定します。", "鋼材材質", {}},
        {Command::hShapeTable, "Ｈ形鋼形状(&H)", "Ｈ形鋼の形状を設定します。", "Ｈ形鋼形状", {}},
        {Command::tubeTable,
         "角形鋼管形状(&C)",
         "角形鋼管の形状を設定します。",
         "角形鋼管形状",
         {}},
        {Command::boltTable,
         "ｱﾝｶｰﾎﾞﾙﾄ形状(&A)",
         "ｱﾝｶｰﾎﾞﾙﾄの形状を設定します。",
         "ｱﾝｶｰﾎﾞﾙﾄ形状",
         {}},
        {Command::printFont,
         "印刷ﾌｫﾝﾄ設定(&F)",
         "印刷に使うﾌｫﾝﾄを設定します。",
         "印刷ﾌｫﾝﾄ設定",
         {}},
        {Command::printPage,
         "印刷ﾍﾟｰｼﾞ設定(&T)",
         "印刷のﾍﾟｰｼﾞ設定を行います。",
         "印刷ﾍﾟｰｼﾞ設定",
         {}},
        {Command::calculatePage, "このﾍﾟｰｼﾞを計算(&C)", "現在のﾍﾟｰｼﾞを計算します。",
         "このﾍﾟｰｼﾞを計算", QKeySequence(Qt::Key_F9)},
        {Command::calculateAll, "全ﾍﾟｰｼﾞを計算(&A)", "全てのﾍﾟｰｼﾞを計算します。", "全ﾍﾟｰｼﾞを計算",
         QKeySequence(Qt::SHIFT | Qt::Key_F9)},
        {Command::toolBar,
         "ツール バー(&T)",
         "ツール バーの表示/非表示を切り替えます。",
         "ツール バー",
         {},
         true},
        {Command::statusBar,
         "ステータス バー(&S)",
         "ステータス バーの表示/非表示を切り替えます。",
         "ステータス バー",
         {},
         true},
        {Command::messages,
         "ﾒｯｾｰｼﾞ(&M)",
         "計算のｴﾗｰとﾜｰﾆﾝｸﾞの一覧を表示します。",
         "ﾒｯｾｰｼﾞ",
         {},
         true},
        {Command::detailFile,
         "計算詳細ﾌｧｲﾙ(&O)",
         "計算過程の詳細ﾌｧｲﾙを表示します。",
         "計算詳細ﾌｧｲﾙ",
         {}},
        {Command::helpTopics, "ヘルプ トピック(&H)", "ヘルプの目次を表示します。",
         "ヘルプ トピック", QKeySequence(Qt::Key_F1)},
        {Command::contextHelp, "ヘルプ(&W)", "クリックした部分の説明を表示します。", "ヘルプ",
         QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {Command::about,
         "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
         "ﾌﾟﾛｸﾞﾗﾑの情報とﾊﾞｰｼﾞｮﾝを表示します。",
         "ﾊﾞｰｼﾞｮﾝ情報",
         {}},
    };
}

}  // namespace

CommandActions createCommandActions(QObject* owner) {
    CommandActions actions{};
    const std::vector<CommandEntry> entries = commandTable();
    Q_ASSERT(entries.size() == kCommandCount);
    for (const CommandEntry& entry : entries) {
        auto* action = new QAction(QString::fromUtf8(entry.text), owner);
        action->setStatusTip(QString::fromUtf8(entry.prompt));
        action->setToolTip(QString::fromUtf8(entry.tip));
        action->setShortcut(entry.keys);
        action->setCheckable(entry.checkable);
        action->setIcon(toolbarIcon(entry.command));
        actions[static_cast<std::size_t>(entry.command)] = action;
    }
    return actions;
}

}  // namespace kesto::app
