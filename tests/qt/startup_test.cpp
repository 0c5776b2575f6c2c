// Program start: the command line and the window placement kept in the profile.
#include <QtTest>

#include "app/main_window.h"
#include "app/settings_profile.h"
#include "app/startup.h"
#include "app/window_placement.h"
#include "qt_test_support.h"

using kesto::app::StartRequest;
using kesto::app::WindowPlacement;
using Kind = StartRequest::Kind;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void commandLine_data();
    void commandLine();
    void placementReadFromTheProfile_data();
    void placementReadFromTheProfile();
    void placementWrittenAsTheProfileKeepsIt();
    void windowOpensWhereItWasClosed();
};

void StartupTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::newRow("nothing: new document") << QStringList{} << int(Kind::document) << "";
    QTest::newRow("document") << QStringList{"a.kso"} << int(Kind::document) << "a.kso";
    QTest::newRow("installer") << QStringList{"/install"} << int(Kind::installer) << "";
    QTest::newRow("upper case is a path")
        << QStringList{"/INSTALL"} << int(Kind::document) << "/INSTALL";
    QTest::newRow("switch with more is a path")
        << QStringList{"/install", "x"} << int(Kind::document) << "/install";
    QTest::newRow("screenshot") << QStringList{"--screenshot", "o.png", "d.kso"}
                                << int(Kind::screenshot) << "d.kso";
}

void StartupTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, kind);
    QFETCH(QString, path);
    const StartRequest r = kesto::app::parseCommandLine(arguments);
    QCOMPARE(int(r.kind), kind);
    QCOMPARE(r.path, path);
}

void StartupTest::placementReadFromTheProfile_data() {
    QTest::addColumn<QString>("rect");  // empty: no key
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("max");
    QTest::addColumn<QRect>("normal");
    QTest::newRow("first run") << "" << 0 << 0 << QRect(0, 0, 640, 480);
    QTest::newRow("normal") << "0100 0050 0900 0650" << 0 << 0 << QRect(100, 50, 800, 600);
    QTest::newRow("minimised from maximised")
        << "0010 0020 0410 0320" << 1 << 1 << QRect(10, 20, 400, 300);
    QTest::newRow("negative left") << "-008 0000 0632 0480" << 0 << 1 << QRect(-8, 0, 640, 480);
    QTest::newRow("read at fixed positions, whatever it holds")
        << "12 4567 9" << 0 << 0 << QRect(QPoint(12, 67), QPoint(-1, -1));
}

void StartupTest::placementReadFromTheProfile() {
    QFETCH(QString, rect);
    QFETCH(int, icon);
    QFETCH(int, max);
    QFETCH(QRect, normal);
    kesto::test::TestProgram program;
    kesto::app::SettingsProfile profile(program.settings());
    if (!rect.isEmpty()) {
        profile.setString("WindowSize", "Rect", rect.toStdString());
        profile.setInt("WindowSize", "Icon", icon);
        profile.setInt("WindowSize", "Max", max);
    }
    const WindowPlacement p = kesto::app::readWindowPlacement(profile);
    QCOMPARE(p.normal, normal);
    QCOMPARE(p.minimised, icon == 1);
    QCOMPARE(p.maximised, max == 1);
}

void StartupTest::placementWrittenAsTheProfileKeepsIt() {
    kesto::test::TestProgram program;
    kesto::app::SettingsProfile profile(program.settings());
    kesto::app::writeWindowPlacement(profile, {QRect(7, 30, 633, 450), true, true});
    QCOMPARE(program.settings().value("WindowSize/Rect").toString(),
             QStringLiteral("0007 0030 0640 0480"));
    QCOMPARE(program.settings().value("WindowSize/Icon").toInt(), 1);
    QCOMPARE(program.settings().value("WindowSize/Max").toInt(), 1);
}

void StartupTest::windowOpensWhereItWasClosed() {
    kesto::test::TestProgram program;
    const QRect placed(60, 40, 700, 500);
    {
        kesto::app::MainWindow w(program.settings(), program.folder());
        w.showAtStoredPlacement();
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.size(), QSize(640, 480));
        w.setGeometry(placed);
        QVERIFY(w.close());
    }
    kesto::app::MainWindow w(program.settings(), program.folder());
    w.showAtStoredPlacement();
    QCOMPARE(w.geometry(), placed);
    QVERIFY(!w.isMaximized());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
